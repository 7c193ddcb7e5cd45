#include "printing/ShortDisplayList.h"

namespace velmora::printing {

ShortDisplayList MakeShortDisplayList(const results::ResultsTable& table, const results::StatusTexts& status, bool us,
                                      const text::TextStore& texts) {
  const auto word = [&](std::string_view key) { return texts.FormText(kShortDisplayBlock, key); };
  ShortDisplayList list;
  list.header = {word("wNumber"), word("wKind") + "/" + word("wCount"), word("wDescription"), us ? "dp/psi" : "dp/bar"};
  for (int column = 1; column <= table.ElementCount(); ++column) {
    list.lines.push_back({std::to_string(column), table.Cell(column, results::row::Kind),
                          table.Cell(column, results::row::Description), table.Cell(column, results::row::LossLarge)});
  }
  list.totals = status.label + " " + status.totals;
  return list;
}

}  // namespace velmora::printing
