#pragma once

#include <string_view>

// The form-text blocks of the table-change windows and the keys the core reads from them.
namespace velmora::tablechange {

inline constexpr std::string_view kColumnBlock = "SpalteAendernDlg";  // TSpalteAendernDlg
inline constexpr std::string_view kTableBlock = "TabelleAendern";     // TTabelleAendern
inline constexpr std::string_view kWidthBlock = "ZellbreiteDlg";      // TZellbreiteDlg

}  // namespace velmora::tablechange
