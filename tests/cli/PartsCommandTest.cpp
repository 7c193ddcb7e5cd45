// velmora-calc parts: the exact JSON of one part, the dump against rows of the sources, and the
// refusals.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "PartsCommand.h"
#include "TestTexts.h"

namespace velmora::cli {
namespace {

struct PartsRun {
  int status;
  std::string out;
  std::string err;
};

PartsRun Parts(std::vector<std::string> arguments, const std::filesystem::path& folder = VELMORA_TEST_PROGRAM_DIR) {
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  PartsRun run{0, {}, {}};
  run.status = RunParts(argv, testing_support::Texts('D'), folder, run.out, run.err);
  return run;
}

bool HasLine(const std::string& text, const std::string& line) {
  return text.find("\r\n" + line + "\r\n") != std::string::npos;
}

TEST(PartsCommand, PipeAsTheWindowShowsIt) {
  const PartsRun run = Parts({"pipe", "--standard", "9", "--size", "DN 25 (1)"});
  EXPECT_EQ(run.status, kPartsPrinted);
  EXPECT_EQ(run.out,
            "{\"sheet\":\"din\",\"standard\":9,\"name\":\"Gewinderohr EN 10255, mittelschwer (M)\",\"size\":\"DN 25 "
            "(1)\",\"series\":\"\",\"element\":\"1/1\",\"unit\":\"mm\",\"outer_diameter\":33.7,\"wall\":3.2,"
            "\"inner_diameter_mm\":27.3,\"inner_diameter_in\":1.075,\"mass_kg_m\":2.4,\"mass_lb_ft\":1.6,"
            "\"not_standard\":false,\"take_over\":[\"27.3\"]}\n");
  EXPECT_EQ(run.err, "");
}

TEST(PartsCommand, NotStandardColumnGivesNulls) {
  const PartsRun run = Parts({"pipe", "--standard=17", "--size=20", "--column=PN 6"});
  EXPECT_EQ(run.status, kPartsPrinted);
  EXPECT_NE(run.out.find("\"wall\":null,\"inner_diameter_mm\":null"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"not_standard\":true,\"take_over\":null"), std::string::npos) << run.out;
}

TEST(PartsCommand, FittingsTakeOverTheirElementsValues) {
  const PartsRun tee = Parts(
      {"tee", "--size", "50", "--wall", "3", "--branch", "25", "--branch-wall", "3", "--use", "combining", "--us"});
  EXPECT_NE(tee.out.find("\"element\":\"5/6\""), std::string::npos);
  EXPECT_NE(tee.out.find("\"take_over\":[\"2.146\",\"1.122\",\"0.11\",\"90\"]"), std::string::npos) << tee.out;
  const PartsRun reducer =
      Parts({"reducer", "--sheet", "asme", "--size", "4 (100)", "--small", "3 (80)", "--use", "expansion"});
  EXPECT_NE(reducer.out.find("\"cone_angle\":6.8"), std::string::npos) << reducer.out;
  EXPECT_NE(reducer.out.find("\"take_over\":[\"77.9\",\"102.3\",\"6.8\"]"), std::string::npos) << reducer.out;
  const PartsRun bend = Parts({"bend", "--size", "80", "--wall", "3", "--type", "3", "--shape", "B"});
  EXPECT_NE(bend.out.find("\"take_over\":[\"82.5\",\"114\",\"90\"]"), std::string::npos) << bend.out;
}

TEST(PartsCommand, DumpRowsMatchTheirSources) {
  const PartsRun pipes = Parts({"dump"});
  ASSERT_EQ(pipes.status, kPartsPrinted);
  EXPECT_EQ(pipes.out.substr(0, pipes.out.find("\r\n")),
            "sheet,standard,size,column,outer_diameter_mm,wall_mm,inner_diameter_mm,inner_diameter_in,mass_kg_m");
  EXPECT_TRUE(HasLine(pipes.out, "din,9,DN 25 (1),,33.7,3.2,27.3,1.075,2.4"));        // EN 10255 M
  EXPECT_TRUE(HasLine(pipes.out, "din,17,20,PN 6,20,,,,"));                           // not standard
  EXPECT_TRUE(HasLine(pipes.out, "asme,1,2 (50),40,60.3250,3.9116,52.5,2.067,5.4"));  // 2.375 and 0.154 in.
  EXPECT_TRUE(HasLine(pipes.out, "other,3,6x0.6,,6,0.6,4.8,0.189,0.09"));             // copper EN 1057

  const PartsRun tees = Parts({"dump", "--kind", "tee"});
  EXPECT_EQ(tees.out.substr(0, tees.out.find("\r\n")),
            "sheet,run,run_wall,branch,branch_wall,run_inner_diameter_mm,branch_inner_diameter_mm,mass_kg");
  EXPECT_TRUE(HasLine(tees.out, "din,50,3,25,3,54.5,28.5,0.56"));
  EXPECT_TRUE(HasLine(tees.out, "din,50,2,25,3,,28.5,"));  // series 2 does not exist: no bore, no mass
}

TEST(PartsCommand, RefusalsNameWhatIsThere) {
  const PartsRun size = Parts({"pipe", "--standard", "10", "--size", "DN 65"});
  EXPECT_EQ(size.status, kPartsRefused);
  EXPECT_EQ(size.err.substr(0, 15), "no size DN 65; ");
  EXPECT_NE(size.err.find("DN 50 (2)"), std::string::npos);
  EXPECT_EQ(Parts({"pipe", "--standard", "1", "--size", "1"}).status, kPartsRefused);  // no table there

  QTemporaryDir empty;
  const PartsRun missing = Parts({"list"}, empty.path().toStdString());
  EXPECT_EQ(missing.status, kPartsRefused);
  EXPECT_EQ(missing.err, "Die Datei rohre.nfk fehlt oder ist nicht lesbar. Ihre Normtabellen sind nicht verfügbar.\n");

  // A damaged line of a table file is said and costs only its own values.
  QTemporaryDir damaged;
  for (const char* name : {"rohre.nfk", "rohrea.nfk", "rohreo.nfk"}) {
    QFile::copy(QString(VELMORA_TEST_PROGRAM_DIR) + "/" + name, damaged.filePath(name));
  }
  {
    QFile file(damaged.filePath("rohre.nfk"));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("0\r\n");  // line 1094: a seed without bytes
  }
  const PartsRun read = Parts({"pipe", "--standard", "9", "--size", "DN 25 (1)"}, damaged.path().toStdString());
  EXPECT_EQ(read.status, kPartsPrinted);
  EXPECT_EQ(read.err,
            "Die Datei rohre.nfk ist beschädigt (Zeile 1094). Die Werte der beschädigten Zeilen sind "
            "nicht verfügbar.\n");
  EXPECT_NE(read.out.find("\"inner_diameter_mm\":27.3"), std::string::npos);

  for (const std::vector<std::string>& arguments : {std::vector<std::string>{},
                                                    {"valve"},
                                                    {"pipe", "--size", "1", "--size", "2"},
                                                    {"pipe", "--diameter", "1"},
                                                    {"pipe", "--standard"},
                                                    {"dump", "--kind", "valve"}}) {
    EXPECT_EQ(Parts(arguments).status, kPartsUsage) << (arguments.empty() ? "" : arguments.back());
  }
}

}  // namespace
}  // namespace velmora::cli
