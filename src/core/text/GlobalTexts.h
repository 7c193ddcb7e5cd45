#pragma once

#include <string_view>

// Numbers of the global texts (varglob.gru) that the program itself uses, one name each; the ids
// in data/texts/global.tsv say the same in words. Texts chosen by data (labels of the element
// panel, options) carry their numbers in their own tables.
namespace velmora::text::global {

inline constexpr int kSaveQuestionCaption = 8;  // caption.saveQuestion
inline constexpr int kLiquidWord = 53;          // word.liquid: phase after the medium ("flü.")
inline constexpr int kGasWord = 63;             // word.gas ("gasf.")
inline constexpr int kDegreeWord = 70;          // unit.degree: the unit of angles
inline constexpr int kHelpStartPage = 71;       // file.help: the start page of the manual (help/)
inline constexpr int kInWord = 74;              // word.in: between a quantity and its unit
inline constexpr int kInformationCaption = 75;  // caption.information
inline constexpr int kYesWord = 79;             // option.yes
inline constexpr int kLaminarWord = 88;         // word.laminar
inline constexpr int kMetricWord = 95;          // option.metric
inline constexpr int kNoWord = 96;              // option.no
inline constexpr int kSettingsKey = 114;        // registry.baseKey: where the settings live
inline constexpr int kPiecesUnit = 140;         // unit.pieces: the unit of a count of corrugations
inline constexpr int kTurbulentWord = 142;      // word.turbulent
inline constexpr int kUntitled = 143;           // project.untitled: the name of a project without a file
inline constexpr int kFileCaption = 149;        // caption.fileError
inline constexpr int kDefaultMedium = 150;      // medium.default ("Wasser")
inline constexpr int kOkCaption = 165;          // button.ok
inline constexpr int kTakeOverCaption = 170;    // button.takeOver
inline constexpr int kValueCheckLead = 177;     // check.lead
inline constexpr int kZetaFileError = 181;      // error.zetaFile: a zeta file that cannot be read
inline constexpr int kInvalidInput = 183;       // check.invalidInput
inline constexpr int kErrorCaption = 184;       // caption.error
inline constexpr int kBelowMinimum = 186;       // check.minimum
inline constexpr int kAboveMaximum = 187;       // check.maximum
inline constexpr int kNothingToSave = 188;      // notice.nothingToSave
inline constexpr int kSaveQuestion = 190;       // question.save

}  // namespace velmora::text::global

namespace velmora::text {

// The form-text block of the main window (varsonst.gru): its captions, messages and element notes.
inline constexpr std::string_view kMainWindowBlock = "MyWindow";

}  // namespace velmora::text
