#include "settings/WriteSettings.h"

#include <string>

#include "mainform/FormFields.h"
#include "settings/SettingsKeys.h"
#include "settings/StoredInteger.h"

namespace velmora::settings {
namespace {

// Writes the values of one section after another; one refused value makes the whole write fail,
// but the others are still written.
class Writer {
 public:
  explicit Writer(SettingsStore& store) : store_(store) {}

  void Section(const char* section) { section_ = section; }
  void Text(const char* name, const std::string& text) { ok_ = store_.Write(section_, name, text) && ok_; }
  void Integer(const char* name, int value) { Text(name, StoredIntegerText(value)); }
  bool Finish() { return store_.Flush() && ok_; }

 private:
  SettingsStore& store_;
  const char* section_ = "";
  bool ok_ = true;
};

void WriteGeneral(Writer& out, const StoredSettings& settings) {
  out.Section(section::kGeneral);
  out.Text(key::kMetric, settings.display.us ? value::kUsDisplay : value::kMetricDisplay);
  out.Integer(key::kRestore, settings.restore);
  out.Text(key::kUpgradeCheck, settings.upgradeCheck ? value::kYes : value::kNo);
  out.Integer(key::kDecimals, settings.display.decimals);
  out.Integer(key::kUserDatabaseUnits, settings.userDatabaseUnits);
  out.Text(key::kCaption, settings.display.captionShowsPath ? value::kCaptionPath : value::kCaptionFile);
  for (std::size_t i = 0; i < 2; ++i) out.Integer(key::kStandardColumnWidths[i], settings.standardColumnWidths[i]);
}

void WriteBounds(Writer& out, const std::array<const char*, 4>& names, const WindowBounds& bounds) {
  out.Integer(names[0], bounds.left);
  out.Integer(names[1], bounds.top);
  out.Integer(names[2], bounds.width);
  out.Integer(names[3], bounds.height);
}

void WriteWindows(Writer& out, const WindowPlacements& windows) {
  out.Section(section::kWindows);
  out.Integer(key::kMainLeft, windows.mainWindow.left);
  out.Integer(key::kMainTop, windows.mainWindow.top);
  WriteBounds(out, key::kResultsBounds, windows.resultsWindow);
  WriteBounds(out, key::kShortDisplayBounds, windows.shortDisplay);
  for (std::size_t i = 0; i < 4; ++i) out.Integer(key::kShortDisplayColumns[i], windows.shortDisplayColumns[i]);
}

// The main window's inputs, field by field in their stored order.
void WriteInputs(Writer& out, mainform::MainForm form) {
  for (const mainform::FormField& field : mainform::FormFields()) {
    if (field.section == nullptr) continue;
    out.Section(field.section);
    switch (field.kind) {
      case mainform::FieldKind::Text: out.Text(field.key, field.text(form)); break;
      case mainform::FieldKind::Index:
      case mainform::FieldKind::Element:
      case mainform::FieldKind::Option: out.Integer(field.key, field.number(form)); break;
      case mainform::FieldKind::Flag: out.Text(field.key, field.flag(form) ? value::kOn : value::kOff); break;
    }
  }
}

}  // namespace

bool WriteSettings(SettingsStore& store, const StoredSettings& settings) {
  Writer out(store);
  WriteGeneral(out, settings);
  if (settings.windows) WriteWindows(out, *settings.windows);
  WriteInputs(out, settings.form);
  return out.Finish();
}

}  // namespace velmora::settings
