#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Request.h"
#include "ResultLine.h"

namespace velmora::cli {
namespace {

Request FromLine(const std::string& line) {
  static FlatObject scratch;
  Request request;
  RequestFromLine(line, scratch, request);
  return request;
}

TEST(Request, ReadsEveryKey) {
  const Request r =
      FromLine(R"({"ElementGroup":5,"ElementKind":5,"Input1":100,"Input2":50,"Input3":1,"Input4":45,"Input5":2,)"
               R"("Input6":0.1,"Count":3,"VolumeFlow":36,"BranchFlow":12,"Density":998.2,"Viscosity":1002,"Gas":true,)"
               R"("InletPressure":2,"InletTemperature":300,"OutletTemperature":310,"Option":1,"id":"tee"})");
  ASSERT_FALSE(r.Failed()) << r.error;
  const auto& in = r.input;
  EXPECT_EQ(in.ElementGroup, 5);
  EXPECT_EQ(in.ElementKind, 5);
  EXPECT_EQ(in.Input1, 100.0L);
  EXPECT_EQ(in.Input4, 45.0L);
  EXPECT_EQ(in.Input5, 2.0L);
  EXPECT_EQ(in.Input6, 0.1L);  // read at the full width of the extended type
  EXPECT_EQ(in.Count, 3);
  EXPECT_EQ(in.BranchFlow, 12.0L);
  EXPECT_EQ(in.Density, 998.2L);
  EXPECT_TRUE(in.Gas);
  EXPECT_EQ(in.OutletTemperature, 310.0L);
  EXPECT_EQ(in.Option, 1);
  EXPECT_EQ(r.id.kind, RequestId::Kind::String);
  EXPECT_EQ(r.id.Text(), "tee");
}

struct ProblemCase {
  const char* name;
  const char* line;
  const char* error;
};

class RequestProblems : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(RequestProblems, NameTheProblem) {
  const Request r = FromLine(GetParam().line);
  ASSERT_TRUE(r.Failed());
  EXPECT_STREQ(r.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RequestProblems,
    ::testing::Values(
        ProblemCase{"unknownKey", R"({"ElementGroup":1,"ElementKind":1,"Diameter":100})", "unknown key \"Diameter\""},
        ProblemCase{"caseMatters", R"({"elementgroup":1})", "unknown key \"elementgroup\""},
        ProblemCase{"stringNumber", R"({"ElementGroup":1,"ElementKind":1,"Density":"1000"})", "Density: not a number"},
        ProblemCase{"nullNumber", R"({"ElementGroup":1,"ElementKind":1,"Density":null})", "Density: not a number"},
        ProblemCase{"hugeNumber", R"({"ElementGroup":1,"ElementKind":1,"Density":1e99999})",
                    "Density: number out of range"},
        ProblemCase{"fractionalKind", R"({"ElementGroup":1,"ElementKind":1.5})", "ElementKind: not a whole number"},
        ProblemCase{"hugeCount", R"({"ElementGroup":1,"ElementKind":1,"Count":1e10})", "Count: not a whole number"},
        ProblemCase{"optionTwo", R"({"ElementGroup":2,"ElementKind":1,"Option":2})", "Option: must be 0 or 1"},
        ProblemCase{"gasNumber", R"({"ElementGroup":1,"ElementKind":1,"Gas":1})", "Gas: must be true or false"},
        ProblemCase{"duplicate", R"({"ElementGroup":1,"ElementKind":1,"Input1":1,"Input1":2})",
                    "duplicate key \"Input1\""},
        ProblemCase{"noGroup", R"({"ElementKind":1})", "missing ElementGroup"},
        ProblemCase{"noKind", R"({"ElementGroup":1})", "missing ElementKind"},
        ProblemCase{"unknownElement", R"({"ElementGroup":13,"ElementKind":4})", "unknown element 13/4"},
        ProblemCase{"idObject", R"({"id":true,"ElementGroup":1,"ElementKind":1})", "id: must be a string or a number"},
        ProblemCase{"malformed", R"({"ElementGroup":1,)", "expected a key in double quotes"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Request, WholeNumbersMayBeWrittenWithAFraction) {
  const Request r = FromLine(R"({"ElementGroup":1.0,"ElementKind":1e0,"Count":2.000})");
  ASSERT_FALSE(r.Failed()) << r.error;
  EXPECT_EQ(r.input.Count, 2);
}

TEST(Request, KeepsTheIdOfAMalformedLine) {
  const Request r = FromLine(R"({"id":42,"ElementGroup":{}})");
  EXPECT_TRUE(r.Failed());
  EXPECT_EQ(r.id.kind, RequestId::Kind::Number);
  EXPECT_EQ(r.id.Text(), "42");
}

TEST(Request, FromArguments) {
  const std::vector<const char*> args = {"ElementGroup=1", "ElementKind=1", "Input1=100", "Gas=false", "id=run 7"};
  Request r;
  RequestFromArguments(args, r);
  ASSERT_FALSE(r.Failed()) << r.error;
  EXPECT_EQ(r.input.Input1, 100.0L);
  EXPECT_EQ(r.id.Text(), "run 7");
  const std::vector<const char*> bad = {"ElementGroup=1", "ElementKind=1", "Input1"};
  RequestFromArguments(bad, r);
  EXPECT_STREQ(r.error, "\"Input1\" is not KEY=VALUE");
  const std::vector<const char*> word = {"ElementGroup=1", "ElementKind=1", "Density=water"};
  RequestFromArguments(word, r);
  EXPECT_STREQ(r.error, "Density: not a number");
}

TEST(ResultLine, EscapesStrings) {
  std::string out;
  AppendJsonString(out, "a\"b\\c\nd\x01\xff\xc3\xa9");
  EXPECT_EQ(out, "\"a\\\"b\\\\c\\nd\\u0001\\ufffd\xc3\xa9\"");
}

TEST(ResultLine, ErrorLineHasNullNumbers) {
  const Request r = FromLine(R"({"id":"x\"y","Foo":1})");
  std::string out;
  AppendResultLine(out, r, {});
  EXPECT_EQ(out,
            "{\"id\":\"x\\\"y\",\"Velocity\":null,\"Velocity2\":null,\"HydraulicDiameter\":null,\"Reynolds\":null,"
            "\"Reynolds2\":null,\"Lambda\":null,\"Zeta\":null,\"Zeta2\":null,\"PressureLoss\":null,"
            "\"BranchPressureLoss\":null,\"Laminar\":false,\"LaminarWarning\":false,\"RangeNote\":false,"
            "\"GasLimit\":false,\"Error\":\"unknown key \\\"Foo\\\"\"}\n");
}

TEST(ResultLine, FullPrecisionNumbers) {
  Request r;
  hydraulics::ElementOutcome outcome;
  outcome.result.Velocity = 1.0L / 3.0L;
  outcome.Laminar = true;
  std::string out;
  AppendResultLine(out, r, outcome);
  EXPECT_NE(out.find("\"Velocity\":0.333333333333333333,"), std::string::npos) << out;
  EXPECT_NE(out.find("\"Laminar\":true"), std::string::npos);
  EXPECT_NE(out.find("\"Error\":null}"), std::string::npos);
}

}  // namespace
}  // namespace velmora::cli
