#include "main/FormBinding.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "mainform/FormFields.h"
#include "toolkit/Controls.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

// Every field names a control of the window; a missing one is a programming error.
template <typename T>
T& Control(const QWidget& window, const char* name) {
  T* control = window.findChild<T*>(name);
  if (control == nullptr) qFatal("the main window has no control %s", name);
  return *control;
}

}  // namespace

mainform::MainForm ReadControls(const QWidget& window) {
  mainform::MainForm form;
  for (const mainform::FormField& field : mainform::FormFields()) {
    switch (field.kind) {
      case mainform::FieldKind::Element: break;
      case mainform::FieldKind::Text:
        field.text(form) = ToStdString(Control<QLineEdit>(window, field.control).text());
        break;
      case mainform::FieldKind::Index:
        field.number(form) = Control<QComboBox>(window, field.control).currentIndex();
        break;
      case mainform::FieldKind::Option:
        field.number(form) = Control<QRadioButton>(window, field.control).isChecked() ? 1 : 0;
        break;
      case mainform::FieldKind::Flag:
        field.flag(form) = Control<QRadioButton>(window, field.control).isChecked();
        break;
    }
  }
  return form;
}

void WriteControls(QWidget& window, const mainform::MainForm& constForm) {
  mainform::MainForm form = constForm;
  for (const mainform::FormField& field : mainform::FormFields()) {
    switch (field.kind) {
      case mainform::FieldKind::Element: break;
      case mainform::FieldKind::Text:
        Control<QLineEdit>(window, field.control).setText(ToQString(field.text(form)));
        break;
      case mainform::FieldKind::Index:
        SelectEntry(&Control<QComboBox>(window, field.control), field.number(form));
        break;
      case mainform::FieldKind::Option:
        Control<QRadioButton>(window, field.number(form) == 1 ? field.control : field.partner).setChecked(true);
        break;
      case mainform::FieldKind::Flag:
        Control<QRadioButton>(window, field.flag(form) ? field.control : field.partner).setChecked(true);
        break;
    }
  }
}

}  // namespace velmora::gui
