#include "fluids/TGaswarnungDlg.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

TGaswarnungDlg::TGaswarnungDlg(const text::TextStore& texts, QWidget* parent) : QDialog(parent) {
  setObjectName("GaswarnungDlg");
  constexpr const char* kBlock = "GaswarnungDlg";
  setWindowTitle(ToQString(texts.FormText(kBlock, "Caption")));
  auto* layout = new QVBoxLayout(this);
  auto* memo = new QPlainTextEdit(this);
  memo->setObjectName("Memo1");
  memo->setReadOnly(true);
  memo->setContextMenuPolicy(Qt::NoContextMenu);  // a text to read, nothing to copy or change
  QStringList lines;
  // The notes run from Line1 to the first line the block does not hold.
  for (int n = 1; texts.HasFormText(kBlock, "Line" + std::to_string(n)); ++n) {
    lines << ToQString(texts.FormText(kBlock, "Line" + std::to_string(n)));
  }
  memo->setPlainText(lines.join("\n"));
  layout->addWidget(memo);
  auto* box = new QDialogButtonBox(this);
  QPushButton* ok = box->addButton(QDialogButtonBox::Ok);
  ok->setObjectName("OKBtn");
  ok->setText(ToQString(texts.FormText(kBlock, "OKBtn")));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  InstallHelp(*this, texts, help::topic::kGasNotes, box);
  layout->addWidget(box);
  resize(560, 360);
}

}  // namespace velmora::gui
