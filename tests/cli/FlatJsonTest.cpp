#include <gtest/gtest.h>

#include <string>

#include "FlatJson.h"

namespace velmora::cli {
namespace {

struct LineCase {
  const char* name;
  std::string line;
  const char* error;  // nullptr: the line is a flat object
};

class FlatJsonLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(FlatJsonLines, AcceptsOrRefusesWithReason) {
  static FlatObject object;
  const char* error = ParseFlatObject(GetParam().line, object);
  if (GetParam().error == nullptr) {
    EXPECT_EQ(error, nullptr) << error;
  } else {
    ASSERT_NE(error, nullptr);
    EXPECT_STREQ(error, GetParam().error);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FlatJsonLines,
    ::testing::Values(
        LineCase{"empty object", "{}", nullptr}, LineCase{"spaces and crlf", " { \"a\" : 1 , \"b\":true }\r", nullptr},
        LineCase{"all value kinds", R"({"n":-1.5e-3,"t":true,"f":false,"z":null,"s":"x"})", nullptr},
        LineCase{"blank", "   ", "empty line"}, LineCase{"array", "[1]", "not a JSON object"},
        LineCase{"nested object", R"({"a":{"b":1}})", "nested values are not supported"},
        LineCase{"nested array", R"({"a":[1]})", "nested values are not supported"},
        LineCase{"deep nesting", std::string(100000, '[') + std::string(100000, ']'), "not a JSON object"},
        LineCase{"deep object nesting", "{\"a\":" + std::string(100000, '{'), "nested values are not supported"},
        LineCase{"unquoted key", "{a:1}", "expected a key in double quotes"},
        LineCase{"missing colon", R"({"a" 1})", "expected ':' after a key"},
        LineCase{"trailing comma", R"({"a":1,})", "expected a key in double quotes"},
        LineCase{"unterminated", R"({"a":1)", "unterminated object"},
        LineCase{"text after", R"({"a":1} x)", "unexpected text after the object"},
        LineCase{"leading zero", R"({"a":01})", "not a number"}, LineCase{"plus sign", R"({"a":+1})", "not a number"},
        LineCase{"bare point", R"({"a":1.})", "not a number"}, LineCase{"nan", R"({"a":NaN})", "not a number"},
        LineCase{"bad escape", R"({"a":"\q"})", "bad escape"},
        LineCase{"short unicode escape", R"({"a":"\u12"})", "bad escape"},
        LineCase{"lone low surrogate", R"({"a":"\udc00"})", "bad escape"},
        LineCase{"lone high surrogate", R"({"a":"\ud800x"})", "bad escape"},
        LineCase{"escaped nul", R"({"a":"\u0000"})", "control character in a string"},
        LineCase{"raw control", "{\"a\":\"\x01\"}", "control character in a string"},
        LineCase{"invalid utf8", "{\"a\":\"\xff\"}", "invalid UTF-8 in a string"},
        LineCase{"overlong utf8", "{\"a\":\"\xc0\xaf\"}", "invalid UTF-8 in a string"},
        LineCase{"unterminated string", R"({"a":"abc)", "unterminated string"},
        LineCase{"long key", "{\"" + std::string(65, 'k') + "\":1}", "key too long"},
        LineCase{"long string", "{\"a\":\"" + std::string(300, 's') + "\"}", "string too long"},
        LineCase{"too many members",
                 [] {
                   std::string s = "{";
                   for (int i = 0; i < static_cast<int>(FlatObject::MaxMembers) + 1; ++i)
                     s += "\"k" + std::to_string(i) + "\":1,";
                   s.back() = '}';
                   return s;
                 }(),
                 "too many members"}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

// A literal's text is its own, not the number of the line read before into the same members
// (that view pointed into a freed line: found by fuzzing).
TEST(FlatJsonLiterals, CarryTheirOwnText) {
  static FlatObject object;
  const std::string first = R"({"a":12345,"b":"x"})";
  ASSERT_EQ(ParseFlatObject(first, object), nullptr);
  ASSERT_EQ(ParseFlatObject(R"({"a":null,"b":true})", object), nullptr);
  EXPECT_EQ(object.members[0].number, "null");
  EXPECT_EQ(object.members[1].number, "true");
  ASSERT_EQ(ParseFlatObject(R"({"a":"s"})", object), nullptr);
  EXPECT_TRUE(object.members[0].number.empty());
}

// Objects and arrays inside the line, where asked for, become dotted keys; beyond the levels
// asked for they are refused as in a flat line.
TEST(FlatJsonNesting, FlattensTheLevelsAskedForIntoDottedKeys) {
  static FlatObject object;
  ASSERT_EQ(ParseFlatObject(R"({"id":1,"a":{"b":2,"c":[3,{"d":"x"}],"e":{}},"f":[]})", object, 3), nullptr);
  std::string keys;
  for (std::size_t i = 0; i < object.count; ++i) keys += std::string(object.members[i].Key()) + " ";
  EXPECT_EQ(keys, "id a.b a.c.1 a.c.2.d ");
  EXPECT_EQ(object.members[3].Text(), "x");
  EXPECT_STREQ(ParseFlatObject(R"({"a":{"b":{"c":1}}})", object, 1), "nested values are not supported");
  EXPECT_STREQ(ParseFlatObject(R"({"a":[1,2)", object, 1), "unterminated array");
  EXPECT_STREQ(ParseFlatObject(R"({"a":[1 2]})", object, 1), "expected ',' or ']'");
  EXPECT_STREQ(ParseFlatObject("{\"" + std::string(40, 'k') + "\":{\"" + std::string(30, 'k') + "\":1}}", object, 1),
               "key too long");
  EXPECT_STREQ(ParseFlatObject("{\"a\":" + std::string(100000, '['), object, 4), "nested values are not supported");
}

TEST(FlatJson, DecodesMembers) {
  FlatObject object;
  ASSERT_EQ(ParseFlatObject(R"({"id":"a\"b\u00e9\ud83d\ude00","Input1":12.5e1})", object), nullptr);
  ASSERT_EQ(object.count, 2u);
  EXPECT_EQ(object.members[0].Key(), "id");
  EXPECT_EQ(object.members[0].Text(), "a\"b\xc3\xa9\xf0\x9f\x98\x80");
  EXPECT_EQ(object.members[1].type, JsonType::Number);
  EXPECT_EQ(object.members[1].number, "12.5e1");
}

TEST(FlatJson, NumberGrammar) {
  for (const char* good : {"0", "-0", "1", "-12.5", "1e3", "1E+3", "2.5e-300"}) EXPECT_TRUE(IsJsonNumber(good)) << good;
  for (const char* bad : {"", "-", "01", ".5", "1.", "1e", "1e+", "0x10", "inf", "1,5"}) {
    EXPECT_FALSE(IsJsonNumber(bad)) << bad;
  }
}

}  // namespace
}  // namespace velmora::cli
