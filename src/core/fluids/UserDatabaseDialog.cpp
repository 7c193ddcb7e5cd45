#include "fluids/UserDatabaseDialog.h"

#include "text/GlobalTexts.h"

namespace velmora::fluids {
namespace {

// The main window's unit entries that hold the stored values.
constexpr int kPressureUnitMillibar = 1;  // "mbar"

std::string Text(const text::TextStore& texts, std::string_view block, std::string_view key) {
  return texts.FormText(block, key);
}

std::string RecordList(const std::vector<int>& records) {
  std::string list;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (i > 0) list += ", ";
    list += std::to_string(records[i]);
  }
  return list;
}

}  // namespace

UserCaptions UserFieldCaptions(const text::TextStore& texts, std::string_view block, bool usUnits) {
  return {Text(texts, block, "Temperatur") + (usUnits ? " °F:" : " °C:"),
          Text(texts, block, "Druck") + (usUnits ? " psi:" : " mbar:"),
          Text(texts, block, "Dichte") + (usUnits ? " lb./cu.ft.:" : " kg/m³:"),
          Text(texts, block, "Viskositaet") + (usUnits ? " cP:" : " 10^-6 kg/m s:")};
}

std::string PositionText(const text::TextStore& texts, int position, int count) {
  return Text(texts, kUserEditBlock, "Datensatz") + " " + std::to_string(position) + " " +
         Text(texts, kUserEditBlock, "Von") + " " + std::to_string(count);
}

std::optional<text::Message> UserLoadMessage(const text::TextStore& texts, const UserFileRead& read,
                                             const std::filesystem::path& path) {
  switch (read.problem) {
    case UserFileProblem::Missing:
      return text::Message{Text(texts, kUserEditBlock, "msgFileMissing") + " " + kUserFileName,
                           texts.GlobalText(text::global::kFileCaption),
                           text::MessageIcon::Exclamation,
                           {}};
    case UserFileProblem::Unreadable:
      return text::Message{Text(texts, kUserEditBlock, "msgUnlesbar") + "\n" + path.string(),
                           texts.GlobalText(text::global::kFileCaption),
                           text::MessageIcon::Exclamation,
                           {}};
    case UserFileProblem::CutOff:
    case UserFileProblem::None: break;
  }
  std::string message;
  if (read.problem == UserFileProblem::CutOff) {
    message = Text(texts, kUserEditBlock, "msgAbgeschnitten") + " " + std::to_string(read.droppedBytes);
  }
  if (!read.nonNumeric.empty()) {
    if (!message.empty()) message += "\n";
    message += Text(texts, kUserEditBlock, "msgKeineZahl") + " " + RecordList(read.nonNumeric);
  }
  if (message.empty()) return std::nullopt;
  return text::Message{path.string() + "\n" + message + "\n" + Text(texts, kUserEditBlock, "msgNichtGeschrieben"),
                       texts.GlobalText(text::global::kFileCaption),
                       text::MessageIcon::Information,
                       {}};
}

text::Message UserOverwriteQuestion(const text::TextStore& texts, const std::filesystem::path& path) {
  return {Text(texts, kUserEditBlock, "msgUeberschreiben") + "\n" + path.string(),
          texts.GlobalText(text::global::kFileCaption),
          text::MessageIcon::Question,
          {}};
}

text::Message UserSaveFailure(const text::TextStore& texts, UserFileWrite failure, const std::filesystem::path& path) {
  const char* key = failure == UserFileWrite::ReadOnly ? "msgSchreibgeschuetzt" : "msgNichtGespeichert";
  return {Text(texts, kUserEditBlock, key) + "\n" + path.string(),
          texts.GlobalText(text::global::kFileCaption),
          text::MessageIcon::Error,
          {}};
}

MediumTakeOver UserTakeOver(const UserRecord& record, bool usUnits) {
  MediumTakeOver takeOver;
  takeOver.description = record.name;
  takeOver.gas = !record.Liquid();
  takeOver.density = record.density;
  takeOver.viscosity = record.viscosity;
  takeOver.SetUnits(usUnits);  // dynamic viscosity in 10⁻⁶ kg/(m·s) or cP
  if (takeOver.gas) {
    takeOver.gasData = GasTakeOver{record.pressure, usUnits ? kPressureUnitPsia : kPressureUnitMillibar,
                                   record.temperature, usUnits ? kTemperatureUnitFahrenheit : kTemperatureUnitCelsius};
  }
  return takeOver;
}

}  // namespace velmora::fluids
