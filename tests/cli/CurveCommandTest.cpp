// velmora-calc curve on saved project files: the numbers of the curve window, CSV and JSON, the
// pump's operating point, damaged files and unusable options.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "Curve.h"
#include "TestTexts.h"
#include "curve/CurveText.h"
#include "curve/Pipelines.h"
#include "curve/SystemCurve.h"
#include "project/ProjectFile.h"

namespace velmora::cli {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

struct Outcome {
  std::string out;
  int status;
  std::string err;
};

// Runs the built velmora-calc with `arguments` (shell words).
Outcome Calc(const std::string& arguments) {
  const std::string errPath = ::testing::TempDir() + "velmora_curve_test_stderr.txt";
  FILE* pipe = ::popen(("'" VELMORA_CALC_PATH "' " + arguments + " 2>'" + errPath + "'").c_str(), "r");
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

class CurveCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / ("velmora-curve-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(folder);
    // A pipe (DN 100, 50 m, two of them), a fitting of ζ = 2 and 10 m uphill.
    table = curve::testing::Pipeline({{1, 1, {"100", "50"}, "2"}, {12, 1, {"100", "2"}}, {13, 1, {"10"}}}, German());
    ASSERT_TRUE(project::SaveProject(Path("anlage.vlm"), table, {}, German()).ok());
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::string Path(const char* name) const { return (folder / name).string(); }

  // RunCurve in this process, for the options.
  Outcome Run(std::vector<const char*> arguments) {
    Outcome run{{}, 0, {}};
    run.status = RunCurve(arguments, German(), run.out, run.err);
    return run;
  }

  std::filesystem::path folder;
  results::ResultsTable table;
};

TEST_F(CurveCommand, CsvHoldsTheNumbersOfTheCurveWindow) {
  const Outcome r = Calc("curve '" + Path("anlage.vlm") + "' --from 0 --to 36 --points 5");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  // The window computes from the table it read from the same file, with water of the main window.
  const project::ProjectReadResult read = project::OpenProject(Path("anlage.vlm"), German(), {});
  hydraulics::MainInput water;
  water.Density = 998.2L;
  water.Viscosity = 1002;
  curve::CurveRequest request;
  request.from = 0;
  request.to = 36;
  request.points = 5;
  const curve::SystemCurve window = curve::ComputeSystemCurve(read.table, water, request, German());
  std::string expected = "flow (m³/h),loss (bar)\n";
  for (const curve::CurvePoint& p : window.points) {
    expected += curve::FullPrecision(p.flow) + "," + curve::FullPrecision(p.loss) + "\n";
  }
  EXPECT_EQ(r.out, expected);
  // From 0: the static head alone, 998.2 · 9.81 · 10 / 10⁵ bar.
  EXPECT_NEAR(std::stold(r.out.substr(r.out.find("\n0,") + 3)), 0.9792342L, 1e-15L);
}

TEST_F(CurveCommand, JsonWithTheOperatingPoint) {
  const Outcome r = Calc("curve '" + Path("anlage.vlm") + "' --from=0 --to=60 --points=7 --unit m3/h --format json " +
                         "--pump 0:30,30:25,60:10");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("{\"points\":[[0,0.9792342],[10,", 0), 0u) << r.out;
  const auto number = [&](const std::string& key) { return std::stold(r.out.substr(r.out.find(key) + key.size())); };
  const long double flow = number("\"operating_point\":{\"flow\":");
  const long double loss = number(",\"loss\":");
  const long double head = number(",\"head\":");
  EXPECT_TRUE(r.out.ends_with("}}\n"));
  // The points lie on H = 30 − Q²/180 m; the system curve is straight between its points at 50 and
  // 60 m³/h, and the pump's pressure ρ·g·H equals the loss there.
  EXPECT_NEAR(head, 30 - flow * flow / 180, 1e-12L);
  const long double at50 = number("[50,");
  const long double at60 = number("[60,");
  EXPECT_GT(flow, 50);
  EXPECT_NEAR(loss, at50 + (flow - 50) / 10 * (at60 - at50), 1e-15L);
  EXPECT_NEAR(loss, 998.2L * 9.80665L * head / 1e5L, 1e-15L);

  // A pump of 5 m does not reach the 10 m uphill: no operating point.
  const Outcome weak = Calc("curve '" + Path("anlage.vlm") + "' --from 0 --to 60 --format json --pump 0:5,30:4,60:2");
  EXPECT_EQ(weak.status, 0);
  EXPECT_TRUE(weak.out.ends_with(",\"operating_point\":null}\n")) << weak.out;
  const Outcome csv = Calc("curve '" + Path("anlage.vlm") + "' --from 0 --to 60 --us --pump 0:5,30:4,60:2");
  EXPECT_TRUE(csv.out.starts_with("flow (m³/h),loss (psi)\n"));
  EXPECT_TRUE(csv.out.ends_with("\n\noperating flow (m³/h),operating loss (psi),operating head (m)\n,,\n")) << csv.out;
}

TEST_F(CurveCommand, FilesWithoutACurve) {
  std::ofstream(Path("kaputt.vlm")) << "das ist kein Projekt\n";
  ASSERT_TRUE(project::SaveProject(Path("leer.vlm"), results::ResultsTable(), {}, German()).ok());
  const struct {
    const char* file;
    const char* key;
  } cases[] = {
      {"kaputt.vlm", "msgInvalidProject"}, {"fehlt.vlm", "msgProjectOpenFailed"}, {"leer.vlm", "msgCalculateFirst"}};
  for (const auto& c : cases) {
    const Outcome r = Calc("curve '" + Path(c.file) + "' --from 1 --to 10");
    EXPECT_EQ(r.status, 1) << c.file;
    EXPECT_EQ(r.out, "") << c.file;
    EXPECT_EQ(r.err, German().FormText("MyWindow", c.key) + "\n") << c.file;
  }
  // A gas whose loss exceeds half its inlet pressure: the curve window's message with the element.
  const Outcome gas =
      Run({Path("anlage.vlm").c_str(), "--from", "100", "--to", "20000", "--gas", "--density", "1.2", "--viscosity",
           "18", "--inlet-pressure", "1", "--inlet-temperature", "293", "--outlet-temperature", "293"});
  EXPECT_EQ(gas.status, 1);
  EXPECT_EQ(gas.out, "");
  EXPECT_NE(gas.err.find("(Element-Nr. 1, "), std::string::npos) << gas.err;
}

TEST_F(CurveCommand, UnusableOptionsExitWithTwo) {
  const std::string file = Path("anlage.vlm");
  const struct {
    std::vector<const char*> arguments;
    const char* says;
  } cases[] = {
      {{"--from", "1", "--to", "10"}, "no project file given"},
      {{file.c_str(), "--from", "1"}, "--to is missing"},
      {{file.c_str(), "--from", "eins", "--to", "10"}, "--from: not a number"},
      {{file.c_str(), "--from", "10", "--to", "10"}, "--to must be greater than --from"},
      {{file.c_str(), "--from", "-1", "--to", "10"}, "--from must not be negative"},
      {{file.c_str(), "--from", "1", "--to", "10", "--points", "10000"}, "--points must not exceed 9999"},
      {{file.c_str(), "--from", "1", "--to", "10", "--unit", "Nm³/h"}, "unknown flow unit"},
      {{file.c_str(), "--from", "1", "--to", "10", "--format", "xml"}, "unknown format"},
      {{file.c_str(), "--from", "1", "--to", "10", "--density", "0"}, "--density must be greater than 0"},
      {{file.c_str(), "--from", "1", "--to", "10", "--inlet-pressure", "2"}, "--inlet-pressure needs --gas"},
      {{file.c_str(), "--from", "1", "--to", "10", "--gas"}, "--gas needs --inlet-pressure"},
      {{file.c_str(), "--from", "1", "--to", "10", "--from", "2"}, "--from given twice"},
      {{file.c_str(), "--from", "1", "--to"}, "--to needs a value"},
      {{file.c_str(), "--frm", "1", "--to", "10"}, "unknown option --frm"},
      {{file.c_str(), "--from", "1", "--to", "10", "--pump", "0:30,20"},
       German().FormText("Kurve", "msgPumpNotNumber").c_str()},
      {{file.c_str(), "--from", "1", "--to", "10", "--pump", "0:30,20:25"},
       German().FormText("Kurve", "msgPumpTooFew").c_str()},
      {{file.c_str(), "--from", "1", "--to", "10", "--pump", "0:10,20:20,40:30"},
       German().FormText("Kurve", "msgPumpRising").c_str()},
  };
  for (const auto& c : cases) {
    const Outcome r = Run(c.arguments);
    EXPECT_EQ(r.status, 2) << c.says;
    EXPECT_EQ(r.out, "") << c.says;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
  }
  // A point count below 2 is 10, as in the range dialog.
  const Outcome ten = Run({file.c_str(), "--from", "1", "--to", "10", "--points", "1"});
  EXPECT_EQ(ten.status, 0);
  EXPECT_EQ(std::count(ten.out.begin(), ten.out.end(), '\n'), 11);
}

TEST_F(CurveCommand, HelpNamesEveryOption) {
  const Outcome r = Calc("--help");
  for (const char* option : {"curve FILE", "--from", "--to", "--points", "--unit", "--us", "--format", "--pump",
                             "--density", "--viscosity", "--gas", "--inlet-pressure", "--inlet-temperature",
                             "--outlet-temperature", "operating_point", "operating flow"}) {
    EXPECT_NE(r.out.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace velmora::cli
