// velmora-calc table on project files of every format, the exact CSV and JSON shapes, and damaged
// files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TableCommand.h"
#include "TestTexts.h"
#include "project/ProjectFile.h"
#include "results/RowLabels.h"
#include "tablechange/Pipelines.h"

namespace velmora::cli {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

const std::filesystem::path kProjects = std::filesystem::path(VELMORA_SOURCE_DIR) / "tests/cli/projects";

struct TableRun {
  int status;
  std::string out;
  std::string err;
};

std::string ReadBack(std::FILE* file) {
  std::string text;
  std::rewind(file);
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
  std::fclose(file);
  return text;
}

TableRun Table(std::vector<std::string> arguments) {
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  const int status = RunTable(argv, German(), out, err);
  return {status, ReadBack(out), ReadBack(err)};
}

std::vector<std::string> Lines(const std::string& text, const std::string& end) {
  std::vector<std::string> lines;
  for (std::size_t at = 0, next; (next = text.find(end, at)) != std::string::npos; at = next + end.size()) {
    lines.push_back(text.substr(at, next - at));
  }
  return lines;
}

// The fields of one CSV line (quoted fields with doubled quotes).
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

// A file of its own for each test.
class TableCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("velmora-table-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  // One column with known texts: its description needs quoting in CSV.
  std::string OneColumnProject(bool us = false) {
    results::ResultsTable table;
    results::ResultColumn column;
    column.rows = {"1",
                   "Wasser/flü.",
                   "36,000",
                   "998,200",
                   "1002,000",
                   "",
                   "Zulauf \"alt\", Halle 3",
                   "Kreisrohr/1",
                   "Elementdurchm. D in mm: 100,000",
                   "Länge L in m: 10,000",
                   "",
                   "",
                   "",
                   "",
                   "1,273",
                   "1,27E+0005",
                   "",
                   "",
                   "turbulent",
                   "0,100",
                   "0,022",
                   "2,170",
                   "",
                   "",
                   "17,557",
                   "0,018"};
    table.AppendColumn(column);
    project::ProjectAppearance look;
    look.us = us;
    const std::filesystem::path path = folder_ / "one.vlm";
    EXPECT_TRUE(project::SaveProject(path, table, look, German()).ok());
    return path.string();
  }

  std::filesystem::path folder_;
};

TEST_F(TableCommand, CsvShape) {
  const TableRun run = Table({"--format", "csv", OneColumnProject()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> lines = Lines(run.out, "\r\n");
  ASSERT_EQ(lines.size(), 27u);
  EXPECT_TRUE(run.out.ends_with("\r\n"));
  const results::ColumnTexts labels = results::RowLabels(German(), false);
  EXPECT_EQ(lines[0], "Element-Nr.:,1");
  EXPECT_EQ(lines[2], labels[2] + ",\"36,000\"");
  EXPECT_EQ(lines[5], ",");
  EXPECT_EQ(lines[6], "Bezeichnung:,\"Zulauf \"\"alt\"\", Halle 3\"");
  EXPECT_EQ(lines[8], "Eingabewerte:,\"Elementdurchm. D in mm: 100,000\"");
  EXPECT_EQ(lines[25], labels[25] + ",\"0,018\"");
  EXPECT_EQ(lines[26], "Gesamtdruckverlust:,\"17,557 mbar oder 0,018 bar\"");
}

TEST_F(TableCommand, JsonShape) {
  const TableRun run = Table({"--format", "json", OneColumnProject()});
  ASSERT_EQ(run.status, 0) << run.err;
  std::string labels;
  for (const std::string& label : results::RowLabels(German(), false))
    labels += (labels.empty() ? "\"" : ",\"") + label + "\"";
  EXPECT_EQ(run.out,
            "{\"columns\":[[\"1\",\"Wasser/flü.\",\"36,000\",\"998,200\",\"1002,000\",\"\",\"Zulauf \\\"alt\\\", Halle "
            "3\",\"Kreisrohr/1\",\"Elementdurchm. D in mm: 100,000\",\"Länge L in m: 10,000\",\"\",\"\",\"\",\"\","
            "\"1,273\",\"1,27E+0005\",\"\",\"\",\"turbulent\",\"0,100\",\"0,022\",\"2,170\",\"\",\"\",\"17,557\","
            "\"0,018\"]],\"labels\":[" +
                labels + "],\"total\":\"17,557 mbar oder 0,018 bar\"}\n");
}

TEST_F(TableCommand, UsUnitsOfTheFile) {
  const TableRun run = Table({"--format", "csv", OneColumnProject(true)});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out, "\r\n");
  ASSERT_EQ(lines.size(), 27u);
  EXPECT_TRUE(lines[2].starts_with(results::RowLabels(German(), true)[2] + ",")) << lines[2];
  EXPECT_NE(lines[2].find("gal/min"), std::string::npos);
  // 17,557 lbw./sq.ft. are 17,557/144 = 0,122 psi.
  EXPECT_EQ(lines[26], "Gesamtdruckverlust:,\"17,557 lbw./sq.ft. oder 0,122 psi\"");
}

TEST_F(TableCommand, AlignedText) {
  const TableRun run = Table({OneColumnProject()});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out, "\n");
  ASSERT_EQ(lines.size(), 28u);  // 26 rows, a blank line, the total
  // The element column starts where the widest title ends, two blanks further.
  const std::size_t at = lines[0].find('1');
  EXPECT_EQ(lines[1].find("Wasser"), at);
  EXPECT_TRUE(lines[24].ends_with("17,557")) << lines[24];
  EXPECT_EQ(lines[27], "Gesamtdruckverlust: 17,557 mbar oder 0,018 bar");
}

// The three older formats, converted as the program converts them when it opens them.
TEST_F(TableCommand, OlderFormats) {
  struct Case {
    const char* file;
    int row;
    int column;
    const char* cell;
  };
  const Case cases[] = {
      {"oldest.vlm", 7, 2, "Zeta-Wert Kreisrohr/1"},  // an older name of the known coefficient
      {"oldest.vlm", 25, 1, "0,018"},                 // old row 24 behind the inserted row 12
      {"version4.vlm", 9, 2, "Zeta-Wert: 2,000"},
      {"version4.vlm", 12, 2, ""},
      {"version5f.vlm", 7, 2, "Kreiskrümmer/1"},  // translated from the French edition
      {"version5f.vlm", 10, 2, "Winkel w in Grad: 90,000"},
  };
  for (const Case& c : cases) {
    const TableRun run = Table({"--format", "csv", (kProjects / c.file).string()});
    ASSERT_EQ(run.status, 0) << c.file << ": " << run.err;
    const std::vector<std::string> lines = Lines(run.out, "\r\n");
    ASSERT_EQ(lines.size(), 27u) << c.file;
    const auto row = static_cast<std::size_t>(c.row);
    ASSERT_EQ(Fields(lines[row]).size(), 3u) << c.file << " row " << c.row;
    EXPECT_EQ(Fields(lines[row])[static_cast<std::size_t>(c.column)], c.cell) << c.file << " row " << c.row;
  }
  EXPECT_EQ(Lines(Table({"--format", "csv", (kProjects / "version5f.vlm").string()}).out, "\r\n")[26],
            "Gesamtdruckverlust:,\"21,013 mbar oder 0,021 bar\"");
}

// The stored velocity of the pipe is spoilt; recalculating writes 1,273 m/s (36 m³/h through
// 100 mm) again. The branch piece and a column of an unknown element keep their texts.
TEST_F(TableCommand, Recalculate) {
  mainform::MainForm branch = tablechange::testing::Water(5, 5, {"100", "50", "0", "45"});
  branch.branchFlow = "9";
  results::ResultsTable table = tablechange::testing::Table(
      {tablechange::testing::Water(1, 1, {"100", "10"}), branch, tablechange::testing::Water(2, 2, {"100"})});
  const results::ResultsTable stored = table;
  table.SetCell(1, results::row::Velocity, "9,999");
  table.SetCell(3, results::row::Kind, "Wasserrad/1");
  const std::filesystem::path path = folder_ / "spoilt.vlm";
  ASSERT_TRUE(project::SaveProject(path, table, {}, German()).ok());

  const TableRun run = Table({"--recalculate", "--format", "json", path.string()});
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\"1,273\""), std::string::npos);
  EXPECT_EQ(run.out.find("9,999"), std::string::npos);
  EXPECT_NE(run.out.find("Wasserrad/1"), std::string::npos);
  EXPECT_EQ(run.err, "velmora-calc: column 2 kept as stored:\n" +
                         German().FormText("TabelleAendern", "msgNotRecalculable") +
                         "\nvelmora-calc: column 3 kept as stored:\n" +
                         German().FormText("TabelleAendern", "msgUnknownElement") + "\n");
  EXPECT_NE(Table({"--format", "json", path.string()}).out.find("9,999"), std::string::npos);  // as stored
}

TEST_F(TableCommand, DamagedFilesGiveTheProgramsMessage) {
  const std::string invalid = German().FormText("MyWindow", "msgInvalidProject") + "\n";
  const std::string cannotOpen = German().FormText("MyWindow", "msgProjectOpenFailed") + "\n";
  const auto put = [&](const char* name, const std::string& bytes) {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
    return (folder_ / name).string();
  };
  const std::string header =
      "6.0\r\nT\r\nM\r\n1\r\nmarkiert\r\n8\r\nunmarkiert\r\n1\r\nunmarkiert\r\n\r\n20\r\n20\r\n20\r\n20\r\n0\r\n\r\n"
      "unmarkiert\r\n150\t150\t\r\n16\r\nArial\r\n0\r\n8\r\n0\r\n0\r\n0\r\n0\r\n";
  const struct {
    std::string path;
    std::string message;
  } cases[] = {
      {(folder_ / "missing.vlm").string(), cannotOpen},
      {folder_.string(), cannotOpen},
      {put("empty.vlm", ""), invalid},
      {put("binary.vlm", std::string("\x00\xff\xfe garbage\n", 12)), invalid},
      {put("count.vlm", "6.0\r\nT\r\nM\r\nviele\r\n"), invalid},
      {put("short.vlm", header + "1\r\nWasser/flü.\r\n"), invalid},  // the cells do not fit one element
      {put("row25.vlm", header + std::string(26, '\n')), invalid},   // an element without its loss
  };
  for (const auto& c : cases) {
    const TableRun run = Table({c.path});
    EXPECT_EQ(run.status, 1) << c.path;
    EXPECT_EQ(run.out, "") << c.path;
    EXPECT_EQ(run.err, c.message) << c.path;
  }
}

TEST(TableArguments, UnusableOnesExitWithTwo) {
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{{},
                                                                                         {"--format", "xml", "a.vlm"},
                                                                                         {"--format"},
                                                                                         {"a.vlm", "b.vlm"},
                                                                                         {"--decimals", "7", "a.vlm"},
                                                                                         {"--verbose", "a.vlm"}}) {
    const TableRun run = Table(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("usage: "), std::string::npos);
  }
}

}  // namespace
}  // namespace velmora::cli
