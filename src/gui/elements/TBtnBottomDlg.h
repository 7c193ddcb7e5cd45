#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "text/TextStore.h"

class QButtonGroup;
class QTabWidget;
class QToolButton;

namespace velmora::gui {

// The element selection dialog: one picture button per element kind on two pages (irreversible
// losses; reversible pressure changes), one of them pressed at a time.
class TBtnBottomDlg : public QDialog {
  Q_OBJECT

 public:
  TBtnBottomDlg(const text::TextStore& texts, QString pictureFolder, QWidget* parent = nullptr);

  // Presses the element's button and shows its page (page 2 for group 13); call before exec().
  void Present(int group, int kind);

  // The element chosen by OK or a double click (group 0 when none was stored).
  int ChosenGroup() const { return chosenGroup_; }
  int ChosenKind() const { return chosenKind_; }

  QToolButton* Button(const QString& name) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build();
  void SetTexts();
  void Accept();

  const text::TextStore& texts_;
  QString pictureFolder_;
  QTabWidget* pages_ = nullptr;
  QButtonGroup* group_ = nullptr;
  std::vector<QToolButton*> buttons_;
  int chosenGroup_ = 0;
  int chosenKind_ = 0;
};

}  // namespace velmora::gui
