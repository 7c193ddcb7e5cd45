#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "project/ProjectAppearance.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The page setup of the results table as printing uses it, read from the choices a project keeps
// (its appearance), and the checks of the page setup dialog.
namespace velmora::printing {

// The form-text block of the page setup dialog; the table printout takes its page texts from it.
inline constexpr std::string_view kPageSetupBlock = "SeiteEinrichtenDlg";

// Edit1's up-down: the font size the table is scaled to.
inline constexpr int kMinFontSize = 2;
inline constexpr int kMaxFontSize = 16;
// Edit2's up-down: the number of pages the table is fitted to in width.
inline constexpr int kMinPagesWide = 1;
inline constexpr int kMaxPagesWide = 99;

// The margin unit list: entry 0 "mm", entry 1 "in.".
enum MarginUnit : int { kMillimetres = 0, kInches = 1 };
inline constexpr std::array<std::string_view, 2> kMarginUnits = {"mm", "in."};

// The margin edits top, bottom, left, right and the labels naming them.
inline constexpr std::array<const char*, 4> kMarginEdits = {"Edit4", "Edit5", "Edit6", "Edit7"};
inline constexpr std::array<const char*, 4> kMarginLabels = {"Label4", "Label5", "Label6", "Label7"};

// The least room the margins must leave on the paper for the header, the table and the footer.
inline constexpr double kMinContentWidth = 40.0;   // mm
inline constexpr double kMinContentHeight = 50.0;  // mm

struct Margins {
  double top = 0;  // mm
  double bottom = 0;
  double left = 0;
  double right = 0;

  bool operator==(const Margins&) const = default;
};

struct PageSetup {
  bool fitToPages = false;  // fit to `pagesWide` pages wide; otherwise scaled to `fontSize`
  int fontSize = 8;         // points, kMinFontSize … kMaxFontSize
  int pagesWide = 1;        // kMinPagesWide … kMaxPagesWide
  bool wrapText = false;    // long texts wrap inside their cells instead of widening the column
  Margins margins;          // mm
  std::string footerLine;   // the extra footer line
  bool showPath = false;    // the project's file in the footer

  bool operator==(const PageSetup&) const = default;
};

// The page setup of a project's choices, or the messages of the margins that cannot be read: one
// that is not a number gets the invalid-input message naming its label, a negative one the
// value check's message; each message puts the focus on its edit. Margins are read with a decimal
// comma or point (blanks removed, empty is 0) and converted from inches when that unit is chosen;
// the font size and the pages wide are brought into their ranges (a damaged file may hold
// anything); an unknown margin unit counts as mm.
struct PageSetupReading {
  std::optional<PageSetup> setup;
  text::Messages messages;
};
PageSetupReading ReadPageSetup(const project::ProjectAppearance& appearance, const text::TextStore& texts);

// A margin's text in the other unit (the dialog converts them when the unit changes): inches with
// two decimals, millimetres with one, trailing zeros dropped, the edition's separator. A text that
// is no number, or empty, stays as it is.
std::string ConvertMargin(std::string_view text, int fromUnit, int toUnit, text::Edition edition);

// Whether the margins leave the least room on a paper of the given size (mm, as printed).
bool LeavesRoom(const Margins& margins, double paperWidth, double paperHeight);
// The message for margins that leave no room for the table on the paper.
text::Message NoRoomMessage(const text::TextStore& texts);

// Whether two projects' page setups (lines 4 … 16 of a project file) are the same.
bool SamePageSetup(const project::ProjectAppearance& a, const project::ProjectAppearance& b);

}  // namespace velmora::printing
