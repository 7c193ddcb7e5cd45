#include "tablechange/TableChangeCommands.h"

#include <algorithm>

#include "results/ResultsGrid.h"
#include "results/TAusgabe_Fenster.h"
#include "settings/QtSettingsStore.h"
#include "tablechange/TSpalteAendernDlg.h"
#include "tablechange/TTabelleAendern.h"
#include "tablechange/TZellbreiteDlg.h"
#include "text/GlobalTexts.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

TableChangeCommands::TableChangeCommands(const text::TextStore& texts, project::ProjectSession& session,
                                         TAusgabe_Fenster& results, TableChangeHooks hooks, QWidget* window)
    : QObject(window), texts_(texts), session_(session), results_(results), hooks_(std::move(hooks)), window_(window) {
  column_ = new TSpalteAendernDlg(texts_, session_.Table(), window_);
  table_ = new TTabelleAendern(texts_, session_.Table(), window_);
  widths_ = new TZellbreiteDlg(texts_, window_);
  const auto options = [this] { return results_.DisplayOptions(); };
  column_->SetInputsSource(hooks_.readForm);
  column_->SetOptionsSource(options);
  table_->SetInputsSource(hooks_.readForm);
  table_->SetOptionsSource(options);
  column_->SetCatalogues(hooks_.catalogues);
  table_->SetCatalogues(hooks_.catalogues);
  connect(column_, &TSpalteAendernDlg::ColumnRecalculated, this, &TableChangeCommands::ShowRecalculated);
  connect(table_, &TTabelleAendern::TableRecalculated, this, &TableChangeCommands::ShowRecalculated);

  for (auto feature : {TAusgabe_Fenster::Feature::ChangeColumn, TAusgabe_Fenster::Feature::ChangeTable,
                       TAusgabe_Fenster::Feature::ColumnWidth}) {
    results_.SetFeatureAvailable(feature, true);
  }
  connect(&results_, &TAusgabe_Fenster::ChangeColumnRequested, this, &TableChangeCommands::ChangeColumn);
  connect(&results_, &TAusgabe_Fenster::ChangeTableRequested, this, &TableChangeCommands::ChangeTable);
  connect(&results_, &TAusgabe_Fenster::ColumnWidthRequested, this, &TableChangeCommands::ChangeColumnWidths);
}

void TableChangeCommands::ChangeColumn(int column) {
  if (!session_.HasElements()) return;
  column_->Present(std::clamp(column, 1, session_.Table().ElementCount()));
  column_->exec();
}

void TableChangeCommands::ChangeTable() {
  if (!session_.HasElements()) return;
  table_->Present();
  table_->exec();
}

void TableChangeCommands::ShowRecalculated() {
  // The columns changed in place: same count, same selection, new texts and totals.
  session_.MarkChanged();
  const int selected = results_.SelectedColumn();
  results_.ShowReplacedTable(results_.DisplayOptions());
  results_.SelectColumn(selected);
}

void TableChangeCommands::ChangeColumnWidths() {
  const ResultsGrid& grid = *results_.Grid();
  widths_->Present({grid.TitleColumnWidth(), grid.DefaultColumnWidth()});
  if (widths_->exec() != QDialog::Accepted || !widths_->Chosen()) return;
  ApplyColumnWidths(*widths_->Chosen());
}

void TableChangeCommands::ApplyColumnWidths(const tablechange::ColumnWidths& widths) {
  ResultsGrid& grid = *results_.Grid();
  // The default width first: it would take the title column along.
  grid.SetDefaultColumnWidth(widths.other);
  grid.SetTitleColumnWidth(widths.title);
  if (hooks_.widthsChosen) hooks_.widthsChosen(widths);
  QtSettingsStore store(hooks_.settingsFile ? hooks_.settingsFile() : QString());
  if (!tablechange::StoreColumnWidths(store, widths)) {
    ShowMessage(window_,
                {texts_.FormText(text::kMainWindowBlock, "msgSettingsNotSaved"), {}, text::MessageIcon::None, {}});
  }
}

}  // namespace velmora::gui
