#include "parts/TakeOver.h"

#include <algorithm>

#include "catalogue/ElementLayout.h"
#include "mainform/FormFields.h"

namespace velmora::parts {
namespace {

constexpr int kMillimetre = 0;  // entries of the mm list
constexpr int kInch = 1;

std::string Numbered(const char* stem, std::size_t n) { return stem + std::to_string(n); }

TakeOverWrites MainWindow(const PartTakeOver& t) {
  TakeOverWrites writes;
  writes.element = {t.group, t.kind};
  writes.texts.push_back({"Edit1", t.description, true});
  const catalogue::ElementLayout* layout = catalogue::FindLayout(t.group, t.kind);
  for (std::size_t i = 0; i < t.dimensions.size() && i < 5; ++i) {
    writes.texts.push_back({Numbered("Va", i + 1) + "_Edit", t.dimensions[i]});
    if (layout != nullptr && layout->slotLayouts[i].unit == catalogue::SlotUnit::MmList) {
      writes.units.push_back({Numbered("ComboVar", i + 1), t.inches ? kInch : kMillimetre});
    }
  }
  return writes;
}

TakeOverWrites ColumnDialog(const PartTakeOver& t) {
  TakeOverWrites writes;
  // Pipes, rectangular pipes and bends name the column after their standard; the fittings only
  // name a column that has no name yet.
  const bool fitting = t.part == PartKind::Reducer || t.part == PartKind::Tee;
  writes.texts.push_back({"Edit6", t.description, fitting});
  for (std::size_t i = 0; i < t.dimensions.size() && i < 5; ++i) {
    writes.texts.push_back({Numbered("Edit_Element", i + 1), t.dimensions[i]});
  }
  return writes;
}

TakeOverWrites TableDialog(const PartTakeOver& t) {
  TakeOverWrites writes;
  const int unit = t.inches ? kInch : kMillimetre;
  if (t.part == PartKind::Pipe && !t.dimensions.empty()) {
    writes.texts.push_back({"Edit4", t.dimensions[0]});
    writes.units.push_back({"ComboBox2", unit});
  }
  if (t.part == PartKind::Rectangle && t.dimensions.size() >= 2) {
    writes.texts.push_back({"Edit5", t.dimensions[0]});
    writes.texts.push_back({"Edit6", t.dimensions[1]});
    writes.units.push_back({"ComboBox3", unit});
    writes.units.push_back({"ComboBox4", unit});
  }
  return writes;
}

// The pump quick design takes the inner diameter of a circular pipe into the page that is shown.
TakeOverWrites PumpDesign(const PartTakeOver& t, char side) {
  TakeOverWrites writes;
  if (t.part != PartKind::Pipe || t.dimensions.empty()) return writes;
  writes.texts.push_back({std::string("Edit_Durchmesser_") + side, t.dimensions[0]});
  writes.units.push_back({std::string("Combo_Durchmesser_") + side, t.inches ? kInch : kMillimetre});
  return writes;
}

}  // namespace

TakeOverWrites WritesFor(const PartTakeOver& takeOver, TakeOverTarget target) {
  switch (target) {
    case TakeOverTarget::MainWindow: return MainWindow(takeOver);
    case TakeOverTarget::ColumnDialog: return ColumnDialog(takeOver);
    case TakeOverTarget::TableDialog: return TableDialog(takeOver);
    case TakeOverTarget::PumpSuction: return PumpDesign(takeOver, 'S');
    case TakeOverTarget::PumpPressure: return PumpDesign(takeOver, 'D');
  }
  return {};
}

void ApplyWrites(const TakeOverWrites& writes, mainform::MainForm& form) {
  const auto fields = mainform::FormFields();
  const auto field = [&](const std::string& control) -> const mainform::FormField* {
    const auto found = std::find_if(fields.begin(), fields.end(), [&](const mainform::FormField& f) {
      return f.control != nullptr && control == f.control;
    });
    return found == fields.end() ? nullptr : &*found;
  };
  for (const TextWrite& write : writes.texts) {
    const mainform::FormField* f = field(write.control);
    if (f == nullptr || f->kind != mainform::FieldKind::Text) continue;
    std::string& text = f->text(form);
    if (!write.onlyIfEmpty || text.empty()) text = write.text;
  }
  for (const UnitWrite& write : writes.units) {
    const mainform::FormField* f = field(write.control);
    if (f != nullptr && f->kind == mainform::FieldKind::Index) f->number(form) = write.entry;
  }
}

std::optional<PartKind> CatalogueFor(int group, int kind) {
  const auto is = [&](int g, int k) { return group == g && kind == k; };
  if (is(3, 2) || is(3, 4)) return PartKind::Reducer;
  if (is(4, 1)) return PartKind::Bend;
  if (is(5, 5) || is(5, 6)) return PartKind::Tee;
  for (const auto& [g, k] :
       {std::pair{1, 2}, {1, 4}, {4, 4}, {4, 6}, {10, 2}, {10, 4}, {11, 2}, {11, 4}, {11, 6}, {12, 2}, {13, 3}}) {
    if (is(g, k)) return PartKind::Rectangle;
  }
  if (is(1, 6) || is(13, 1)) return std::nullopt;
  if (catalogue::FindLayout(group, kind) == nullptr) return std::nullopt;
  return PartKind::Pipe;
}

int ChoiceFor(int group, int kind) { return (group == 3 && kind == 2) || (group == 5 && kind == 6) ? 1 : 0; }

}  // namespace velmora::parts
