#include "printing/PaperSizes.h"

#include <array>

namespace velmora::printing {
namespace {

// ISO 216 (A series, B5) and ANSI/ASME Y14.1 (Letter 8.5 × 11 in, Legal 8.5 × 14 in, Tabloid
// 11 × 17 in) sizes in millimetres.
constexpr std::array<Paper, 7> kPapers = {{
    {"A4", 210.0, 297.0},
    {"A3", 297.0, 420.0},
    {"A5", 148.0, 210.0},
    {"B5", 176.0, 250.0},
    {"Letter", 215.9, 279.4},
    {"Legal", 215.9, 355.6},
    {"Tabloid", 279.4, 431.8},
}};

}  // namespace

std::span<const Paper> Papers() { return kPapers; }

const Paper& PaperNamed(std::string_view entry) {
  for (const Paper& paper : kPapers) {
    if (paper.name == entry) return paper;
  }
  return kPapers.front();
}

}  // namespace velmora::printing
