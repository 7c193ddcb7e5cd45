// The zeta database's files: what a line gives, what is skipped and why, loading and listing the
// files of a folder, the generic valve files of the program folder, the notes shown, and the
// take-over into the main window.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "TestTexts.h"
#include "coefficients/ZetaDatabase.h"
#include "coefficients/ZetaNotes.h"
#include "coefficients/ZetaTakeOver.h"
#include "text/FieldOf.h"
#include "text/GlobalTexts.h"
#include "text/TextFiles.h"

namespace velmora::coefficients {
namespace {

namespace fs = std::filesystem;

// The sizes of every fitting as "designation: DN=zeta DN=zeta" and the notes as
// "line problem readUpTo", for compact expectations.
std::vector<std::string> Fittings(const ZetaTable& table) {
  std::vector<std::string> out;
  for (const ZetaFitting& fitting : table.fittings) {
    std::string line = fitting.designation + ":";
    for (const ZetaSize& size : fitting.sizes) line += " " + size.diameter + "=" + size.zeta;
    out.push_back(line);
  }
  return out;
}

using Problem = ZetaProblem;
struct NoteSeen {
  std::size_t line;
  Problem problem;
  std::size_t sizesRead;
  bool operator==(const NoteSeen&) const = default;
};
std::vector<NoteSeen> Notes(const ZetaTable& table) {
  std::vector<NoteSeen> out;
  for (const ZetaNote& note : table.notes) out.push_back({note.line, note.problem, note.sizesRead});
  return out;
}

struct LineCase {
  const char* name;
  std::string_view content;
  std::vector<std::string> fittings;
  std::vector<NoteSeen> notes;
};

TEST(ZetaFile, WhatALineGives) {
  const LineCase cases[] = {
      // A trailing tab ends the pairs; the point of 'E' and the comma of the others both read.
      {"trailingTab", "Ventil A\t15\t4,5\t20\t4,1\t\r\n", {"Ventil A: 15=4,5 20=4,1"}, {}},
      {"pointAndLf", "Ventil B\t25\t3.9\n\nKlappe\t50\t0,85", {"Ventil B: 25=3.9", "Klappe: 50=0,85"}, {}},
      {"blanksAroundFields", "  Schieber \t 80 \t 0,14 \r\n\t \t\r\n", {"Schieber: 80=0,14"}, {}},
      {"oddDiameterList", "V\t15\t4,5\t20\r\n", {"V: 15=4,5"}, {{1, Problem::MissingZeta, 1}}},
      {"emptyZetaIsNeverZero", "V\t15\t\t20\t4,1\r\n", {}, {{1, Problem::MissingZeta, 0}}},
      {"zetaNotANumber", "V\t15\t4,5\t20\tn.a.\t25\t3,9", {"V: 15=4,5"}, {{1, Problem::BadZeta, 1}}},
      {"negativeZeta", "V\t15\t-1", {}, {{1, Problem::BadZeta, 0}}},
      {"diameterNotANumber", "V\tDN15\t4,5", {}, {{1, Problem::BadDiameter, 0}}},
      {"zeroDiameter", "V\t15\t4,5\t0\t1", {"V: 15=4,5"}, {{1, Problem::BadDiameter, 1}}},
      // An extra tab ends the pairs; what follows it is not read as pairs of the line.
      {"extraTab", "V\t15\t4,5\t\t20\t4,1\r\nW\t40\t1", {"V: 15=4,5", "W: 40=1"}, {{1, Problem::FieldsAfterGap, 1}}},
      {"noDesignation", "\t15\t4,5\r\nV\t15\t1", {"V: 15=1"}, {{1, Problem::NoDesignation, 0}}},
      {"noSizes", "V\r\nW\t\t\r\n", {}, {{1, Problem::NoSizes, 0}, {2, Problem::NoSizes, 0}}},
      {"windows1252", "Kl\xE4ppe\t50\t0,85", {"Kläppe: 50=0,85"}, {}},
      {"utf8WithMark", "\xEF\xBB\xBFKläppe\t50\t0,85", {"Kläppe: 50=0,85"}, {}},
      {"empty", "", {}, {}},
  };
  for (const LineCase& c : cases) {
    const ZetaTable table = ReadZetaTable(c.content);
    EXPECT_EQ(Fittings(table), c.fittings) << c.name;
    EXPECT_EQ(Notes(table), c.notes) << c.name;
  }
}

TEST(ZetaFile, NotesNameLineDiameterAndWhatWasKept) {
  const text::TextStore& german = testing_support::Texts('D');
  const ZetaTable table = ReadZetaTable("A\t10\t1\r\nVentil A\t15\t4,5\t20\r\nVentil B\t15\tx\r\n");
  ASSERT_EQ(table.notes.size(), 2u);
  EXPECT_EQ(ZetaNoteText(german, table.notes[0]), "Zeile 2 (Ventil A): Zeta-Wert fehlt bei DN 20; gelesen bis DN 15");
  EXPECT_EQ(ZetaNoteText(german, table.notes[1]),
            "Zeile 3 (Ventil B): Zeta-Wert „x“ bei DN 15 ist keine Zahl ab 0; Zeile übergangen");
  const auto message = ZetaNotesMessage(german, "Hersteller.ZTA", table);
  ASSERT_TRUE(message);
  EXPECT_EQ(message->text, "Nicht alle Zeilen der Datei Hersteller.ZTA konnten gelesen werden:\n" +
                               ZetaNoteText(german, table.notes[0]) + "\n" + ZetaNoteText(german, table.notes[1]));
  EXPECT_EQ(message->caption, german.GlobalText(text::global::kFileCaption));
  EXPECT_EQ(message->icon, text::MessageIcon::Exclamation);
  EXPECT_FALSE(ZetaNotesMessage(german, "x", ReadZetaTable("A\t10\t1")));

  // Many damaged lines: ten are named, the rest counted.
  std::string many;
  for (int i = 0; i < 250; ++i) many += "V\t15\r\n";
  const ZetaTable damaged = ReadZetaTable(many);
  EXPECT_EQ(damaged.notes.size(), ZetaTable::kMaxNotes);
  EXPECT_EQ(damaged.notesOmitted, 150u);
  const std::string text = ZetaLoadMessage(german, "V.ZTA", {ZetaLoadError::NoFitting, damaged}).text;
  EXPECT_EQ(text.rfind(german.GlobalText(text::global::kZetaFileError) + "V.ZTA\n", 0), 0u) << text;
  EXPECT_NE(text.find("\n… und 240 weitere Zeilen"), std::string::npos) << text;
}

class ZetaFolder : public testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("velmora_zeta_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }
  void Write(const std::string& name, std::string_view content) {
    std::ofstream(folder / name, std::ios::binary) << content;
  }
  fs::path folder;
};

TEST_F(ZetaFolder, LoadingAndListing) {
  Write("b valves.ZTA", "Ventil\t15\t4,5\r\n");
  Write("A.zta", "Klappe\t50\t0,85\r\n");
  Write("damaged.ZTA", "Ventil\t15\t\r\n");
  Write("notes.txt", "Ventil\t15\t4,5\r\n");
  fs::create_directories(folder / "folder.ZTA");
  std::vector<std::string> names;
  for (const ZetaManufacturer& m : ListZetaFiles(folder)) names.push_back(m.name);
  EXPECT_EQ(names, (std::vector<std::string>{"A", "b valves", "damaged"}));
  EXPECT_TRUE(ListZetaFiles(folder / "missing").empty());

  EXPECT_EQ(LoadZetaFile(folder / "b valves.ZTA").error, ZetaLoadError::None);
  const ZetaLoad damaged = LoadZetaFile(folder / "damaged.ZTA");
  EXPECT_EQ(damaged.error, ZetaLoadError::NoFitting);
  EXPECT_EQ(damaged.table.notes.size(), 1u);
  EXPECT_EQ(LoadZetaFile(folder / "missing.ZTA").error, ZetaLoadError::Unreadable);
  EXPECT_EQ(LoadZetaFile(folder / "folder.ZTA").error, ZetaLoadError::Unreadable);
  Write("huge.ZTA", std::string(kMaxZetaFileBytes + 1, 'x'));
  EXPECT_EQ(LoadZetaFile(folder / "huge.ZTA").error, ZetaLoadError::TooLarge);
  EXPECT_EQ(LoadZetaFile(folder / "empty.ZTA").error, ZetaLoadError::Unreadable);
  Write("empty.ZTA", "");
  EXPECT_EQ(LoadZetaFile(folder / "empty.ZTA").error, ZetaLoadError::NoFitting);

  const text::TextStore& german = testing_support::Texts('D');
  const text::Message unreadable = ZetaLoadMessage(german, "X.ZTA", {ZetaLoadError::Unreadable, {}});
  EXPECT_EQ(unreadable.text, "Fehler beim Lesen der Zeta-Werte-Datei:\nX.ZTA");
  EXPECT_EQ(unreadable.caption, "Dateifehler");
}

// The build writes the generic valve files from data/zeta: every row of a source is a size of its
// fitting in the file, with a decimal comma (Crane TP-410 K = N·fT, e.g. globe valve DN 50 6,41).
TEST(ZetaFile, GenericValveFilesOfTheProgramFolder) {
  const std::pair<const char*, const char*> files[] = {
      {"zeta_generic_ball_and_gate_valves.tsv", "Generic ball and gate valves"},
      {"zeta_generic_butterfly_valves.tsv", "Generic butterfly valves"},
      {"zeta_generic_globe_valves.tsv", "Generic globe valves"},
  };
  std::vector<std::string> manufacturers;
  for (const ZetaManufacturer& m : ListZetaFiles(VELMORA_TEST_PROGRAM_DIR)) manufacturers.push_back(m.name);
  for (const auto& [source, manufacturer] : files) {
    EXPECT_NE(std::find(manufacturers.begin(), manufacturers.end(), manufacturer), manufacturers.end());
    const ZetaLoad load = LoadZetaFile(fs::path(VELMORA_TEST_PROGRAM_DIR) / (std::string(manufacturer) + ".ZTA"));
    ASSERT_EQ(load.error, ZetaLoadError::None) << manufacturer;
    EXPECT_TRUE(load.table.notes.empty()) << manufacturer;
    std::size_t rows = 0;
    for (const std::string& line : text::ReadLines(std::string(VELMORA_SOURCE_DIR) + "/data/zeta/" + source)) {
      if (line.empty() || line.front() == '#' || line.starts_with("designation\t")) continue;
      std::string zeta = text::FieldOf(line, 6);
      std::replace(zeta.begin(), zeta.end(), '.', ',');
      const auto fitting = std::find_if(load.table.fittings.begin(), load.table.fittings.end(),
                                        [&](const ZetaFitting& f) { return f.designation == text::FieldOf(line, 1); });
      ASSERT_NE(fitting, load.table.fittings.end()) << line;
      const auto size = std::find_if(fitting->sizes.begin(), fitting->sizes.end(),
                                     [&](const ZetaSize& s) { return s.diameter == text::FieldOf(line, 2); });
      ASSERT_NE(size, fitting->sizes.end()) << line;
      EXPECT_EQ(size->zeta, zeta) << line;
      ++rows;
    }
    std::size_t sizes = 0;
    for (const ZetaFitting& fitting : load.table.fittings) sizes += fitting.sizes.size();
    EXPECT_EQ(sizes, rows) << manufacturer;
  }
  const ZetaLoad globe = LoadZetaFile(fs::path(VELMORA_TEST_PROGRAM_DIR) / "Generic globe valves.ZTA");
  EXPECT_EQ(globe.table.fittings[0].sizes[5].diameter, "50");
  EXPECT_EQ(globe.table.fittings[0].sizes[5].zeta, "6,41");
}

TEST(ZetaFile, EveryTextOfTheWindowInEveryEdition) {
  const char* const keys[] = {
      "Caption",           "Label1",      "Label2",     "Label3",  "Label4",      "CheckBox1",
      "CheckBox2",         "CheckBox3",   "CheckBox4",  "BitBtn1", "msgTooLarge", "msgNoFitting",
      "noteNoDesignation", "noteNoSizes", "noteSkipped"};
  const char* const filled[] = {"msgLinesNotRead", "noteLine",           "noteBadDiameter", "noteMissingZeta",
                                "noteBadZeta",     "noteFieldsAfterGap", "noteReadUpTo",    "noteMoreLines"};
  for (const text::Edition edition : text::kEditions) {
    const text::TextStore& texts = testing_support::Texts(edition);
    for (const char* key : keys) EXPECT_TRUE(texts.HasFormText("ZetaDatenbank", key)) << edition << " " << key;
    for (const char* key : filled) {
      EXPECT_NE(texts.FormText("ZetaDatenbank", key).find("%1"), std::string::npos) << edition << " " << key;
    }
    EXPECT_NE(texts.FormText("ZetaDatenbank", "noteBadZeta").find("%2"), std::string::npos) << edition;
    for (const int global : {text::global::kTakeOverCaption, text::global::kZetaFileError}) {
      EXPECT_FALSE(texts.GlobalText(global).empty()) << edition << " " << global;
    }
  }
}

TEST(ZetaTakeOver, MainWindowSwitchesToKnownZeta) {
  EXPECT_EQ(ShownZeta("4,1", 'E'), "4.1");
  EXPECT_EQ(ShownZeta("4.1", 'D'), "4,1");
  EXPECT_EQ(ShownZeta("4,1", 'H'), "4,1");

  mainform::MainForm form = mainform::MainForm::Defaults('D');
  form.description = "Leitung 1";
  form.dimensionUnits[0] = 1;  // "in."
  ZetaChoice choice{"Hersteller", "Ventil A", "20", "4,1", true};
  ApplyZeta(form, choice);
  EXPECT_EQ(form.elementGroup, 12);
  EXPECT_EQ(form.elementKind, 1);
  EXPECT_EQ(form.dimensions[0], "20");
  EXPECT_EQ(form.dimensionUnits[0], 0);
  EXPECT_EQ(form.dimensions[1], "4,1");
  EXPECT_EQ(form.description, "Hersteller Ventil A");
  choice.describe = false;
  ApplyZeta(form, choice);
  EXPECT_EQ(form.description, "");
}

}  // namespace
}  // namespace velmora::coefficients
