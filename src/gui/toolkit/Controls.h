#pragma once

#include <span>

#include "units/UnitLists.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

// Controls as every window of the program makes them: named after the system's control names, so
// that hand-overs and tests find them.
namespace velmora::gui {

QLineEdit* MakeEdit(QWidget* parent, const char* name, int maxLength = 0);
QComboBox* MakeCombo(QWidget* parent, const char* name);
QLabel* MakeLabel(QWidget* parent, const char* name);
// A result field: sunken, right-aligned, selectable for copying, at least `minimumWidth` wide.
QLabel* MakeValue(QWidget* parent, const char* name, int minimumWidth);
// A button of a dialog's button rows: Return still presses the dialog's default button, not this one.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text);

// Refills a unit list with the units' names and selects the first (without change signals).
void FillUnitList(QComboBox* combo, std::span<const units::Unit> units);

// Selects entry `index`, or nothing when the list has no such entry.
void SelectEntry(QComboBox* combo, int index);

}  // namespace velmora::gui
