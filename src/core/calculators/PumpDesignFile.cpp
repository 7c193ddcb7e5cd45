#include "calculators/PumpDesignFile.h"

#include <algorithm>
#include <array>
#include <system_error>

#include "project/ProjectFile.h"

namespace velmora::calculators {
namespace {

constexpr std::string_view b = kPumpDesignBlock;
constexpr std::uintmax_t kMaxFileSize = 256u * 1024u;
constexpr std::size_t kMaxLineLength = 1024;
constexpr std::size_t kSideLines = 26;
constexpr std::size_t kFirstSuctionLine = 19;  // 1-based

// The words of the flow and viscosity kinds that the editions have written, compared without a
// trailing colon, dot or blank. The German words are the ones this program writes.
constexpr std::array<std::string_view, 5> kVolumeWords = {"Volumenstrom", "Vol.strom", "Volume flow", "Débit volumique",
                                                          "Volumestroom"};
constexpr std::array<std::string_view, 5> kMassWords = {"Massenstrom", "Ma.strom", "Mass flow", "Débit massique",
                                                        "Massastroom"};
constexpr std::array<std::string_view, 6> kDynamicWords = {
    "Dyn.Viskos", "Dyn.Visk", "Abs.viscos", "Viscosité dynamique", "Dyn.viscositeit", "Dynamische viscositeit"};
constexpr std::array<std::string_view, 6> kKinematicWords = {
    "Kin.Viskos", "Kin.Visk", "Kin.viscos", "Viscosité cinématique", "Kin.viscositeit", "Kinematische viscositeit"};

std::string_view Bare(std::string_view word) {
  while (!word.empty() && (word.back() == ':' || word.back() == '.' || word.back() == ' ')) word.remove_suffix(1);
  while (!word.empty() && word.front() == ' ') word.remove_prefix(1);
  return word;
}

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& words, std::string_view line) {
  const std::string_view bare = Bare(line);
  return std::any_of(words.begin(), words.end(), [&](std::string_view w) { return Bare(w) == bare; });
}

std::string NoLineBreaks(std::string text) {
  std::replace(text.begin(), text.end(), '\r', ' ');
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

std::string NoBlanks(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  return NoLineBreaks(std::move(text));
}

std::string Unit(std::span<const units::Unit> list, int index) { return std::string(units::UnitName(list, index)); }

void WriteSide(std::vector<std::string>& lines, const PumpLineForm& side) {
  lines.push_back(NoBlanks(side.vesselPressure));
  lines.push_back(Unit(units::PressureUnits(), side.vesselUnit));
  lines.push_back(NoBlanks(side.height));
  lines.push_back(Unit(MetreUnits(), side.heightUnit));
  lines.push_back(NoBlanks(side.diameter));
  lines.push_back(Unit(MillimetreUnits(), side.diameterUnit));
  lines.push_back(NoBlanks(side.length));
  lines.push_back(Unit(MetreUnits(), side.lengthUnit));
  for (const std::string& count : side.fittings) lines.push_back(NoBlanks(count));
  for (const PumpElementForm& e : side.elements) {
    lines.push_back(NoBlanks(e.count));
    lines.push_back(NoLineBreaks(e.name));
    lines.push_back(NoBlanks(e.pressureLoss));
    lines.push_back(NoBlanks(e.zeta));
  }
}

// Reads the lines in order; the first line that cannot be taken is remembered.
class Lines {
 public:
  Lines(const std::vector<std::string>& lines, text::Edition edition) : lines_(lines), edition_(edition) {}

  std::size_t failedLine = 0;

  const std::string& Text(std::size_t n) const { return lines_[n - 1]; }
  // A number as the edition writes it (its separator); the calculation checks it.
  std::string Number(std::size_t n) const {
    std::string text = Text(n);
    std::replace(text.begin(), text.end(), edition_ == 'E' ? ',' : '.', edition_ == 'E' ? '.' : ',');
    return text;
  }
  int UnitIndex(std::size_t n, std::span<const units::Unit> list, std::string_view unit) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i].name == unit) return static_cast<int>(i);
    }
    Fail(n);
    return 0;
  }
  int UnitIndex(std::size_t n, std::span<const units::Unit> list) { return UnitIndex(n, list, Text(n)); }
  // "value unit", split at the first blank.
  std::string ValueAndUnit(std::size_t n, std::span<const units::Unit> list, int& unit) {
    const std::string& line = Text(n);
    const std::size_t blank = line.find(' ');
    if (blank == std::string::npos) {
      Fail(n);
      return {};
    }
    unit = UnitIndex(n, list, std::string_view(line).substr(blank + 1));
    std::string value = line.substr(0, blank);
    std::replace(value.begin(), value.end(), edition_ == 'E' ? ',' : '.', edition_ == 'E' ? '.' : ',');
    return value;
  }
  void Fail(std::size_t n) {
    if (failedLine == 0) failedLine = n;
  }

 private:
  const std::vector<std::string>& lines_;
  text::Edition edition_;
};

PumpLineForm ReadSide(Lines& in, std::size_t first) {
  PumpLineForm side;
  std::size_t n = first;
  side.vesselPressure = in.Number(n++);
  side.vesselUnit = in.UnitIndex(n, units::PressureUnits());
  ++n;
  side.height = in.Number(n++);
  side.heightUnit = in.UnitIndex(n++, MetreUnits());
  side.diameter = in.Number(n++);
  side.diameterUnit = in.UnitIndex(n++, MillimetreUnits());
  side.length = in.Number(n++);
  side.lengthUnit = in.UnitIndex(n++, MetreUnits());
  for (std::string& count : side.fittings) count = in.Number(n++);
  for (PumpElementForm& e : side.elements) {
    e.count = in.Number(n++);
    e.name = in.Text(n++);
    e.pressureLoss = in.Number(n++);
    e.zeta = in.Number(n++);
  }
  return side;
}

std::string Replaced(std::string text, std::string_view mark, const std::string& value) {
  const std::size_t at = text.find(mark);
  if (at != std::string::npos) text.replace(at, mark.size(), value);
  return text;
}

}  // namespace

std::vector<std::string> PumpDesignFileLines(const PumpDesignForm& form, bool us) {
  std::vector<std::string> lines;
  lines.reserve(kPumpFileLines);
  lines.emplace_back(kPumpFileHeader);
  lines.emplace_back(us ? "I" : "M");
  lines.push_back(NoLineBreaks(form.pump));
  lines.push_back(NoBlanks(form.roughness));
  lines.push_back(form.roughnessUnit == 1 ? "1" : "0");
  lines.push_back(NoLineBreaks(form.medium));
  lines.emplace_back(form.flowKind == 1 ? "Massenstrom" : "Volumenstrom:");
  lines.push_back(NoBlanks(form.flow) + " " + Unit(PumpFlowUnits(form.flowKind), form.flowUnit));
  lines.emplace_back("Dichte:");
  lines.push_back(NoBlanks(form.density) + " " + Unit(units::DensityUnits(), form.densityUnit));
  lines.emplace_back(form.viscosityKind == 1 ? "Kin.Viskos." : "Dyn.Viskos.");
  lines.push_back(NoBlanks(form.viscosity) + " " + Unit(PumpViscosityUnits(form.viscosityKind), form.viscosityUnit));
  lines.emplace_back("Temperatur:");
  lines.push_back(NoBlanks(form.temperature));
  lines.emplace_back("°C");
  lines.emplace_back("Dampfdruck:");
  lines.push_back(NoBlanks(form.vapourPressure));
  lines.push_back(Unit(units::PressureUnits(), form.vapourPressureUnit));
  WriteSide(lines, form.suction);
  WriteSide(lines, form.pressure);
  return lines;
}

PumpFileRead ReadPumpDesignLines(const std::vector<std::string>& lines, text::Edition edition) {
  PumpFileRead read;
  if (lines.empty() || lines[0] != kPumpFileHeader) {
    read.problem = PumpFileProblem::NotPumpDesign;
    return read;
  }
  if (lines.size() < kPumpFileLines) {
    read.problem = PumpFileProblem::Truncated;
    return read;
  }
  Lines in(lines, edition);
  for (std::size_t n = 1; n <= lines.size(); ++n) {
    // Past line 70 only empty lines may follow (the end of the last line).
    if (lines[n - 1].size() > kMaxLineLength || (n > kPumpFileLines && !lines[n - 1].empty())) in.Fail(n);
  }
  PumpDesignForm form;
  form.pump = in.Text(3);
  form.roughness = in.Number(4);
  if (in.Text(5) != "0" && in.Text(5) != "1") in.Fail(5);
  form.roughnessUnit = in.Text(5) == "1" ? 1 : 0;
  form.medium = in.Text(6);
  if (OneOf(kVolumeWords, in.Text(7))) {
    form.flowKind = 0;
  } else if (OneOf(kMassWords, in.Text(7))) {
    form.flowKind = 1;
  } else {
    in.Fail(7);
  }
  form.flow = in.ValueAndUnit(8, PumpFlowUnits(form.flowKind), form.flowUnit);
  form.density = in.ValueAndUnit(10, units::DensityUnits(), form.densityUnit);
  if (OneOf(kDynamicWords, in.Text(11))) {
    form.viscosityKind = 0;
  } else if (OneOf(kKinematicWords, in.Text(11))) {
    form.viscosityKind = 1;
  } else {
    in.Fail(11);
  }
  form.viscosity = in.ValueAndUnit(12, PumpViscosityUnits(form.viscosityKind), form.viscosityUnit);
  form.temperature = in.Number(14);
  form.vapourPressure = in.Number(17);
  form.vapourPressureUnit = in.UnitIndex(18, units::PressureUnits());
  form.suction = ReadSide(in, kFirstSuctionLine);
  form.pressure = ReadSide(in, kFirstSuctionLine + kSideLines);
  if (in.failedLine != 0) {
    read.problem = PumpFileProblem::UnexpectedLine;
    read.line = in.failedLine;
    return read;
  }
  read.form = std::move(form);
  return read;
}

PumpFileRead LoadPumpDesign(const std::filesystem::path& path, text::Edition edition) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return {{}, PumpFileProblem::CannotOpen, 0};
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return {{}, PumpFileProblem::CannotOpen, 0};
  if (size > kMaxFileSize) return {{}, PumpFileProblem::TooLarge, 0};
  const project::ProjectFileLines file = project::ReadProjectFile(path);
  if (!file.ok()) return {{}, PumpFileProblem::CannotOpen, 0};
  return ReadPumpDesignLines(file.lines, edition);
}

std::optional<text::Message> SavePumpDesign(const std::filesystem::path& path, const PumpDesignForm& form, bool us,
                                            const text::TextStore& texts) {
  const project::ProjectFileWrite written = project::WriteProjectFile(path, PumpDesignFileLines(form, us));
  if (written.ok()) return std::nullopt;
  const std::string_view key = written.error == project::FileError::ReadOnly ? "msgFileReadOnly" : "msgFileNotSaved";
  return text::Message{Replaced(texts.FormText(b, key), "%1", path.string()),
                       texts.FormText(b, "FileErrorCaption"),
                       text::MessageIcon::Exclamation,
                       {}};
}

text::Message PumpFileMessage(const text::TextStore& texts, const std::filesystem::path& path,
                              const PumpFileRead& read) {
  std::string_view key = "msgFileCannotOpen";
  switch (read.problem) {
    case PumpFileProblem::None:
    case PumpFileProblem::CannotOpen: break;
    case PumpFileProblem::TooLarge: key = "msgFileTooLarge"; break;
    case PumpFileProblem::NotPumpDesign: key = "msgFileNotPumpDesign"; break;
    case PumpFileProblem::Truncated: key = "msgFileTruncated"; break;
    case PumpFileProblem::UnexpectedLine: key = "msgFileLine"; break;
  }
  std::string message = Replaced(texts.FormText(b, key), "%1", path.filename().string());
  message = Replaced(std::move(message), "%2", std::to_string(read.line));
  return {message, texts.FormText(b, "FileErrorCaption"), text::MessageIcon::Exclamation, {}};
}

}  // namespace velmora::calculators
