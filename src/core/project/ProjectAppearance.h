#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What a project keeps besides the cells of its table: the display units, the page setup for
// printing and the look of the results grid (lines 2 and 4 … 25 of a project file).
namespace velmora::project {

// The grid's default column width; a width the writer is not given is written as this.
inline constexpr int kDefaultColumnWidth = 150;
// The grid's own font colour unless the user chose another: black.
inline constexpr std::int32_t kDefaultFontColour = 0;

struct ProjectAppearance {
  // Line 2: US display units ("I") instead of metric ("M").
  bool us = false;

  // Page setup, lines 4 … 16.
  bool scaleToFont = true;  // RadioButton1: scale the table to a font size
  int scaleFontSize = 8;    // Edit1 with its up-down, 2 … 16
  bool fitToPages = false;  // RadioButton2: fit to a number of pages wide
  int pagesWide = 1;        // Edit2, at least 1
  bool wrapText = false;    // CheckBox3: wrap text inside cells
  std::string paperEntry;   // the chosen entry of ComboBox2, found again by its text
  std::array<std::string, 4> margins = {"20", "20", "20", "20"};  // Edit4 … Edit7: top, bottom, left, right
  int marginUnit = 0;                                             // 0 "mm", 1 "in."
  std::string footerLine;                                         // Edit8: extra footer line
  bool showPathInFooter = false;                                  // CheckBox1

  // Results grid, lines 17 … 25.
  std::vector<int> columnWidths;  // columns 0 … N in pixels (the title column first)
  int rowHeight = 16;             // default row height in pixels
  std::string fontName = "Arial";
  std::int32_t fontColour = kDefaultFontColour;  // as the platform stores a colour: 0x00BBGGRR (RgbOf)
  int fontSize = 8;                              // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;

  bool operator==(const ProjectAppearance&) const = default;
};

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;

  bool operator==(const Rgb&) const = default;
};

// The stored form of a colour: red in the low byte, then green, then blue.
constexpr std::int32_t PlatformColour(Rgb rgb) {
  return static_cast<std::int32_t>((rgb.red & 0xFF) | (rgb.green & 0xFF) << 8 | (rgb.blue & 0xFF) << 16);
}

// The colour of a stored value. A value that names no plain colour means the default colour:
// a system colour (negative, such as the window text colour that older files hold, which follows
// the desktop theme) and the platform's special values above 0x00FFFFFF. White as well: it cannot
// be read on the grid's white cells, and earlier versions stored it under a dark desktop theme.
constexpr Rgb RgbOf(std::int32_t colour) {
  if (colour < 0 || colour >= 0x00FFFFFF) colour = kDefaultFontColour;
  return {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
}

}  // namespace velmora::project
