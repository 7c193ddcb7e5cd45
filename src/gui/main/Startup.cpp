#include "main/Startup.h"

#include "text/GlobalTexts.h"
#include "text/TextFiles.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

bool LoadTextsOrExplain(text::TextStore& texts, const QString& programFolder, QWidget* parent) {
  try {
    texts.LoadTexts(ToStdString(programFolder));
    return true;
  } catch (const text::TextFileError&) {
    // The caption is the file-error caption of the texts, which may be the very thing missing.
    std::string caption = texts.GlobalText(text::global::kFileCaption);
    if (caption.empty()) caption = "Velmora";
    ShowMessage(parent, {kMissingTextFiles, caption, text::MessageIcon::Exclamation, {}});
    return false;
  }
}

}  // namespace velmora::gui
