#include "coefficients/ZetaNotes.h"

#include "coefficients/CoefficientTexts.h"
#include "project/TextEdits.h"
#include "text/GlobalTexts.h"

namespace velmora::coefficients {
namespace {

// At most this many lines of notes in one message; the rest are counted.
constexpr std::size_t kNotesShown = 10;

std::string Form(const text::TextStore& texts, std::string_view key) { return texts.FormText(kZetaBlock, key); }

// A text of the block with %1 (and %2) replaced.
std::string Filled(const text::TextStore& texts, std::string_view key, std::string_view first,
                   std::string_view second = {}) {
  std::string text = Form(texts, key);
  project::edits::ReplaceAll(text, "%1", first);
  project::edits::ReplaceAll(text, "%2", second);
  return text;
}

std::string Problem(const text::TextStore& texts, const ZetaNote& note) {
  switch (note.problem) {
    case ZetaProblem::NoDesignation: return Form(texts, "noteNoDesignation");
    case ZetaProblem::NoSizes: return Form(texts, "noteNoSizes");
    case ZetaProblem::BadDiameter: return Filled(texts, "noteBadDiameter", note.diameter);
    case ZetaProblem::MissingZeta: return Filled(texts, "noteMissingZeta", note.diameter);
    case ZetaProblem::BadZeta: return Filled(texts, "noteBadZeta", note.field, note.diameter);
    case ZetaProblem::FieldsAfterGap: return Filled(texts, "noteFieldsAfterGap", note.field);
  }
  return {};
}

// The notes, one per line, at most kNotesShown of them.
std::string NoteLines(const text::TextStore& texts, const ZetaTable& table) {
  std::string lines;
  std::size_t shown = 0;
  for (const ZetaNote& note : table.notes) {
    if (shown == kNotesShown) break;
    lines += "\n" + ZetaNoteText(texts, note);
    ++shown;
  }
  const std::size_t more = table.notes.size() - shown + table.notesOmitted;
  if (more > 0) lines += "\n" + Filled(texts, "noteMoreLines", std::to_string(more));
  return lines;
}

}  // namespace

std::string ZetaNoteText(const text::TextStore& texts, const ZetaNote& note) {
  std::string text = Filled(texts, "noteLine", std::to_string(note.line));
  if (!note.designation.empty()) text += " (" + note.designation + ")";
  text += ": " + Problem(texts, note) + "; ";
  text += note.sizesRead == 0 ? Form(texts, "noteSkipped") : Filled(texts, "noteReadUpTo", note.readUpTo);
  return text;
}

text::Message ZetaLoadMessage(const text::TextStore& texts, std::string_view fileName, const ZetaLoad& load) {
  std::string message = texts.GlobalText(text::global::kZetaFileError);
  message += fileName.empty() ? std::string_view("*.ZTA") : fileName;
  if (load.error == ZetaLoadError::TooLarge) message += "\n" + Form(texts, "msgTooLarge");
  if (load.error == ZetaLoadError::NoFitting)
    message += "\n" + Form(texts, "msgNoFitting") + NoteLines(texts, load.table);
  return {message, texts.GlobalText(text::global::kFileCaption), text::MessageIcon::Exclamation, {}};
}

std::optional<text::Message> ZetaNotesMessage(const text::TextStore& texts, std::string_view fileName,
                                              const ZetaTable& table) {
  if (table.notes.empty() && table.notesOmitted == 0) return std::nullopt;
  std::string message = Filled(texts, "msgLinesNotRead", fileName) + NoteLines(texts, table);
  return text::Message{message, texts.GlobalText(text::global::kFileCaption), text::MessageIcon::Exclamation, {}};
}

}  // namespace velmora::coefficients
