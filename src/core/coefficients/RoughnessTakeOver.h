#pragma once

#include <string>
#include <string_view>

#include "mainform/MainForm.h"
#include "text/Edition.h"

// Where a value of the roughness database goes.
namespace velmora::coefficients {

// The text for the roughness field of the column dialog: the value in mm as it stands, or, when
// the dialog shows US units, the value in inches with four decimals (0,0015 mm gives 0,0001).
std::string ColumnDialogRoughness(std::string_view millimetres, bool us, text::Edition edition);

// The main window: the value into the roughness field, its unit list set to "mm".
void ApplyRoughness(mainform::MainForm& form, std::string_view millimetres);

}  // namespace velmora::coefficients
