#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "coefficients/ZetaDatabase.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The messages of the zeta database about its files, from the texts of its block.
namespace velmora::coefficients {

// A file that could not be loaded: global text 181 and the file name (for an empty folder the
// pattern "*.ZTA"), caption 149, exclamation icon; for a file without a sound line the notes on
// its lines follow.
text::Message ZetaLoadMessage(const text::TextStore& texts, std::string_view fileName, const ZetaLoad& load);

// The lines of a loaded file that were skipped or shortened, as one message; nothing when every
// line was read.
std::optional<text::Message> ZetaNotesMessage(const text::TextStore& texts, std::string_view fileName,
                                              const ZetaTable& table);

// One note as a line of text, e.g. "Zeile 4 (Ventil A): Zeta-Wert fehlt bei DN 20; gelesen bis DN 15".
std::string ZetaNoteText(const text::TextStore& texts, const ZetaNote& note);

}  // namespace velmora::coefficients
