#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "gui/main/Startup.h"

namespace {

struct Outcome {
  std::string out;
  int status;
  std::string err;
};

// Runs velmora-calc (the built one unless `program` is given) with `arguments` (shell words) and
// captures standard output and standard error.
Outcome Calc(const std::string& arguments, const std::string& program = VELMORA_CALC_PATH) {
  const std::string errPath = ::testing::TempDir() + "velmora_cli_test_stderr.txt";
  const std::string command = "'" + program + "' " + arguments + " 2>'" + errPath + "'";
  FILE* pipe = ::popen(command.c_str(), "r");
  Outcome run{{}, -1, {}};
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ostringstream err;
  err << std::ifstream(errPath).rdbuf();
  run.err = err.str();
  std::remove(errPath.c_str());
  return run;
}

// A bend of 200°: beyond the 180° the window accepts.
const std::string kWideBend =
    "ElementGroup=4 ElementKind=1 Input1=100 Input2=150 Input3=200 VolumeFlow=36 Density=998.2 Viscosity=1002";

TEST(CommandLine, ElementPrintsOneObject) {
  const Outcome r = Calc(
      "element ElementGroup=1 ElementKind=1 Input1=100 Input2=50 Input6=0.05 VolumeFlow=36 Density=998.2 "
      "Viscosity=1002 id=p1");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("{\"id\":\"p1\",\"Velocity\":1.27323954473516269,", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("\"Error\":null}\n"), std::string::npos);
}

TEST(CommandLine, CalculationErrorIsAResult) {
  const Outcome r =
      Calc("element --no-checks ElementGroup=1 ElementKind=1 Input1=0 Input2=1 VolumeFlow=1 Density=1 Viscosity=1");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\"PressureLoss\":null"), std::string::npos);
  EXPECT_NE(r.out.find("\"Error\":\"division by zero\""), std::string::npos) << r.out;
}

TEST(CommandLine, UnusableArgumentsExitWithTwo) {
  const Outcome unknownKey = Calc("element ElementGroup=1 ElementKind=1 Diameter=100");
  EXPECT_EQ(unknownKey.status, 2);
  EXPECT_NE(unknownKey.out.find("unknown key"), std::string::npos);
  EXPECT_EQ(Calc("element ElementGroup=14 ElementKind=1").status, 2);
  EXPECT_EQ(Calc("").status, 2);
  EXPECT_EQ(Calc("frobnicate").status, 2);
  EXPECT_EQ(Calc("batch extra </dev/null").status, 2);
}

TEST(CommandLine, HelpDocumentsEveryKey) {
  const Outcome r = Calc("--help");
  EXPECT_EQ(r.status, 0);
  for (const char* key : {"ElementGroup",
                          "ElementKind",
                          "Input1",
                          "Input6",
                          "Count",
                          "VolumeFlow",
                          "BranchFlow",
                          "Density",
                          "Viscosity",
                          "Gas",
                          "InletPressure",
                          "InletTemperature",
                          "OutletTemperature",
                          "Option",
                          "id",
                          "Velocity2",
                          "HydraulicDiameter",
                          "Reynolds2",
                          "Lambda",
                          "Zeta2",
                          "PressureLoss",
                          "BranchPressureLoss",
                          "LaminarWarning",
                          "RangeNote",
                          "GasLimit",
                          "Error",
                          "refused",
                          "unchecked",
                          "--no-checks",
                          "EXIT STATUS"}) {
    EXPECT_NE(r.out.find(key), std::string::npos) << key;
  }
}

TEST(CommandLine, BatchFromStandardInput) {
  const std::string path = "/tmp/velmora_cli_test_input.jsonl";
  {
    std::ofstream file(path);
    file
        << R"({"id":"a","ElementGroup":13,"ElementKind":1,"Input1":-10,"VolumeFlow":1,"Density":1000,"Viscosity":1000})"
        << "\n"
        << R"({"id":"b","ElementGroup":9,"ElementKind":1,"Input1":100,"Input2":50,"VolumeFlow":1.1325,"Density":998.2,"Viscosity":1002})"
        << "\n"
        << "not json\n";
  }
  const Outcome r = Calc("batch < " + path);
  std::remove(path.c_str());
  EXPECT_EQ(r.status, 0);
  const std::size_t first = r.out.find('\n');
  ASSERT_NE(first, std::string::npos);
  // 13/1: ρ·9.81·H/100000 = −0.981 bar, a pressure gain.
  EXPECT_NE(r.out.substr(0, first).find("\"PressureLoss\":-0.981,"), std::string::npos) << r.out;
  // 9/1 at Re ≈ 4000 shows the range note and still has a result.
  EXPECT_NE(r.out.find("\"id\":\"b\""), std::string::npos);
  EXPECT_NE(r.out.find("\"RangeNote\":true"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"Error\":\"not a JSON object\""), std::string::npos);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
}

TEST(CommandLine, RefusedElementExitsWithOneAndSaysWhy) {
  const Outcome r = Calc("element " + kWideBend);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("\"PressureLoss\":null"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(",\"Error\":null,\"refused\":\""), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("unchecked"), std::string::npos);
  EXPECT_NE(r.err.find("180"), std::string::npos) << r.err;
}

TEST(CommandLine, NoChecksCalculatesBeyondTheLimitsAndSaysSo) {
  const Outcome r = Calc("element --no-checks " + kWideBend);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.find("\"PressureLoss\":null"), std::string::npos) << r.out;
  EXPECT_TRUE(r.out.ends_with(",\"Error\":null,\"unchecked\":true}\n")) << r.out;
  // In a batch every answer carries the mark, an unusable line's too.
  const std::string input = ::testing::TempDir() + "velmora_cli_unusable.jsonl";
  std::ofstream(input) << "x\n";
  const Outcome batch = Calc("batch --no-checks < '" + input + "'");
  std::remove(input.c_str());
  EXPECT_EQ(batch.status, 0);
  EXPECT_TRUE(batch.out.ends_with(",\"Error\":\"not a JSON object\",\"unchecked\":true}\n")) << batch.out;
  EXPECT_EQ(Calc("element " + kWideBend + " --no-checks").status, 2);  // only before the inputs
}

TEST(CommandLine, TableOfAProjectFile) {
  const std::string file = std::string(VELMORA_SOURCE_DIR) + "/tests/cli/projects/version4.vlm";
  const Outcome csv = Calc("table --format csv '" + file + "'");
  EXPECT_EQ(csv.status, 0) << csv.err;
  EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 27);
  EXPECT_EQ(Calc("table").status, 2);
  const Outcome missing = Calc("table /nonexistent/velmora.vlm");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  const Outcome help = Calc("--help");
  for (const char* word : {"TABLE", "--format csv", "--format json", "--recalculate", "--decimals", "RFC 4180"}) {
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
  }
}

TEST(CommandLine, WithoutItsTextsOnlyNoChecksRuns) {
  const std::filesystem::path folder = ::testing::TempDir() + "velmora_cli_without_texts";
  std::filesystem::create_directories(folder);
  const std::filesystem::path program = folder / "velmora-calc";
  std::filesystem::copy_file(VELMORA_CALC_PATH, program, std::filesystem::copy_options::overwrite_existing);
  for (const char* command : {"element ", "batch </dev/null"}) {
    const Outcome r = Calc(command + (command[0] == 'e' ? kWideBend : ""), program);
    EXPECT_EQ(r.status, 1) << command;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, std::string(velmora::gui::kMissingTextFiles) + "\n");
  }
  EXPECT_EQ(Calc("element --no-checks " + kWideBend, program).status, 0);
  std::filesystem::remove_all(folder);
}

}  // namespace

namespace {

TEST(CommandLine, PartsReadTheTablesOfTheProgramFolder) {
  const Outcome pipe = Calc("parts pipe --standard 9 --size 'DN 25 (1)'");
  EXPECT_EQ(pipe.status, 0) << pipe.err;
  EXPECT_NE(pipe.out.find("\"inner_diameter_mm\":27.3,"), std::string::npos) << pipe.out;
  const Outcome help = Calc("parts --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("velmora-calc parts - ", 0), 0u);
  const Outcome none = Calc("parts");
  EXPECT_EQ(none.status, 2);
  EXPECT_NE(none.err.find("parts needs a subcommand"), std::string::npos);
}

}  // namespace
