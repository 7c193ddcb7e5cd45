#pragma once

#include "hydraulics/MainInput.h"
#include "text/Message.h"
#include "text/TextStore.h"

namespace velmora::catalogue {

// The plausibility checks of the element's dimensions, on values already in base units (mm, m,
// degrees, %). Each failed check yields its message; no message means the element may be calculated.
text::Messages CheckElement(const hydraulics::MainInput& input, const text::TextStore& texts);

// The caption of a dimension label: its global text followed by the slot's symbol.
std::string SlotLabel(const text::TextStore& texts, int group, int kind, int slot);

}  // namespace velmora::catalogue
