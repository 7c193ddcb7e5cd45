#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calculators/PumpDesignDialog.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The pump quick design's data file (*.psa): plain text, one value per line, 70 lines, kept in
// Windows-1252 with CR LF like the project files.
namespace velmora::calculators {

inline constexpr std::string_view kPumpFileHeader = "PSA 6.2";
inline constexpr std::size_t kPumpFileLines = 70;

// The lines of a file: the header, "M" or "I" (metric or US value output), the common inputs, then
// 26 lines per side. The flow and viscosity kinds are written as the words every edition reads
// ("Volumenstrom:", "Massenstrom", "Dyn.Viskos.", "Kin.Viskos.").
std::vector<std::string> PumpDesignFileLines(const PumpDesignForm& form, bool us);

// Why a file could not be read.
enum class PumpFileProblem {
  None,
  CannotOpen,      // missing, unreadable or no regular file
  TooLarge,        // far beyond any pump design
  NotPumpDesign,   // line 1 is not the header
  Truncated,       // fewer than 70 lines
  UnexpectedLine,  // a line that holds no value of its kind (a word, a unit or an index)
};

struct PumpFileRead {
  std::optional<PumpDesignForm> form;  // only when the whole file was read
  PumpFileProblem problem = PumpFileProblem::None;
  std::size_t line = 0;  // 1-based, for UnexpectedLine
};

// Interprets the lines of a file for an edition: numbers get the edition's decimal separator, the
// flow and viscosity kinds are recognised in the words of every edition (also "Abs.viscos.", the
// English dynamic viscosity), units are looked up by their text. Line 2 is not interpreted. Any
// line that cannot be taken refuses the whole file.
PumpFileRead ReadPumpDesignLines(const std::vector<std::string>& lines, text::Edition edition);

// Reads a file from disk.
PumpFileRead LoadPumpDesign(const std::filesystem::path& path, text::Edition edition);

// Writes a file through a temporary file beside it, renamed over the target: a failure leaves the
// previous file as it was; a write-protected file is refused untouched. The message of a failure;
// nothing when saved.
std::optional<text::Message> SavePumpDesign(const std::filesystem::path& path, const PumpDesignForm& form, bool us,
                                            const text::TextStore& texts);

// The message of a file that could not be read (warning box).
text::Message PumpFileMessage(const text::TextStore& texts, const std::filesystem::path& path,
                              const PumpFileRead& read);

}  // namespace velmora::calculators
