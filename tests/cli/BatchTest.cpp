#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "Batch.h"
#include "TestTexts.h"

namespace velmora::cli {
namespace {

const std::string kPipe =
    R"({"id":1,"ElementGroup":1,"ElementKind":1,"Input1":100,"Input2":50,"VolumeFlow":36,"Density":998.2,"Viscosity":1002})";

// The main window's checks with the German texts.
const Checks& WindowChecks() {
  static const Checks checks(testing_support::Texts('D'));
  return checks;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// Runs the batch over `input` through real files, as the program does with its standard streams.
std::string RunOver(const std::string& input) {
  char inName[] = "/tmp/velmora_batch_inXXXXXX";
  char outName[] = "/tmp/velmora_batch_outXXXXXX";
  const int in = ::mkstemp(inName);
  const int out = ::mkstemp(outName);
  EXPECT_EQ(::write(in, input.data(), input.size()), static_cast<ssize_t>(input.size()));
  ::lseek(in, 0, SEEK_SET);
  EXPECT_TRUE(RunBatch(in, out, WindowChecks()));
  ::close(in);
  ::close(out);
  std::ifstream file(outName, std::ios::binary);
  std::string result((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ::unlink(inName);
  ::unlink(outName);
  return result;
}

TEST(Batch, OneLineOutPerLineInAndInOrder) {
  const std::string input = kPipe + "\n\n{\"id\":2,\"x\":1}\r\n" + kPipe + "\n[]";
  const auto lines = Lines(RunOver(input));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_NE(lines[0].find("\"id\":1,\"Velocity\":1.27323954473516269"), std::string::npos) << lines[0];
  EXPECT_NE(lines[1].find("\"Error\":\"empty line\""), std::string::npos);
  EXPECT_NE(lines[2].find("{\"id\":2,"), std::string::npos);
  EXPECT_NE(lines[2].find("unknown key"), std::string::npos);
  EXPECT_EQ(lines[3], lines[0]);                                     // a CRLF line reads like any other
  EXPECT_NE(lines[4].find("not a JSON object"), std::string::npos);  // the last line had no newline
}

TEST(Batch, OverlongLineIsAnsweredAndSkipped) {
  const std::string huge = "{\"id\":\"" + std::string(3 * MaxLineLength, 'x') + "\"}";
  const auto lines = Lines(RunOver(huge + "\n" + kPipe + "\n" + huge));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[0].find("\"Error\":\"line too long\""), std::string::npos);
  EXPECT_NE(lines[1].find("\"Error\":null"), std::string::npos);
  EXPECT_NE(lines[2].find("\"Error\":\"line too long\""), std::string::npos);
}

TEST(Batch, LinesExactlyAtTheLimitAreRead) {
  std::string padded = kPipe;
  padded.insert(1, MaxLineLength - padded.size(), ' ');
  ASSERT_EQ(padded.size(), MaxLineLength);
  const auto lines = Lines(RunOver(padded + "\n"));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("\"Error\":null"), std::string::npos);
}

TEST(Batch, RandomBytesNeverBreakTheLineCount) {
  std::mt19937 engine(12345);
  const std::string alphabet = "{}[]\":,\\u0123456789.eE+-truefalsnl \t\x01\xff\xc3\xa9\r";
  std::string input;
  constexpr int kLines = 20000;
  for (int i = 0; i < kLines; ++i) {
    std::string line = i % 3 == 0 ? kPipe : "";
    const int edits = static_cast<int>(engine() % 8);
    for (int e = 0; e < edits; ++e) {
      const char c = alphabet[engine() % alphabet.size()];
      const std::size_t at = line.empty() ? 0 : engine() % line.size();
      if (engine() % 2 == 0 && !line.empty()) {
        line[at] = c;
      } else {
        line.insert(at, 1, c);
      }
    }
    input += line + "\n";
  }
  std::string out;
  Scratch scratch;
  for (const std::string& line : Lines(input)) ProcessLine(line, WindowChecks(), scratch, out);
  const auto lines = Lines(out);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kLines));
  for (const std::string& line : lines) {
    ASSERT_EQ(line.front(), '{');
    ASSERT_EQ(line.back(), '}');
    for (const char* bad : {":nan", ":-nan", ":inf", ":-inf"}) ASSERT_EQ(line.find(bad), std::string::npos) << line;
  }
}

TEST(Batch, CallersWithScratchesOfTheirOwnDoNotDisturbEachOther) {
  const std::vector<std::string> lines = {
      kPipe,
      R"({"id":"refused twice","ElementGroup":9,"ElementKind":1,"Input1":100,"Input2":100,"VolumeFlow":1,"Density":1,"Viscosity":1})",
      R"({"id":"gas","ElementGroup":4,"ElementKind":1,"Input1":100,"Input2":150,"Input3":90,"VolumeFlow":36,"Density":1.2,"Viscosity":18,"Gas":true,"InletPressure":5,"InletTemperature":293,"OutletTemperature":293})",
      R"({"id":7,"Input1":1})",
      R"({"id":"count","ElementGroup":1,"ElementKind":1,"Input1":100,"Input2":50,"VolumeFlow":36,"Density":998.2,"Viscosity":1002,"Count":0})",
  };
  const std::vector<std::string> reversed(lines.rbegin(), lines.rend());
  const auto alone = [](const std::vector<std::string>& in) {
    std::string out;
    Scratch scratch;
    for (const std::string& line : in) ProcessLine(line, WindowChecks(), scratch, out);
    return out;
  };
  // Two threads with a scratch each, one starting forward and one backward through the lines.
  const auto sequence = [&](int start) {
    std::string out;
    for (int i = start; i < start + 1000; ++i) out += alone(i % 2 == 0 ? lines : reversed);
    return out;
  };
  std::string first, second;
  const auto run = [&](std::string& out, int start) {
    Scratch scratch;
    for (int i = start; i < start + 1000; ++i) {
      for (const std::string& line : i % 2 == 0 ? lines : reversed) ProcessLine(line, WindowChecks(), scratch, out);
    }
  };
  std::thread a(run, std::ref(first), 0);
  std::thread b(run, std::ref(second), 1);
  a.join();
  b.join();
  EXPECT_EQ(first, sequence(0));
  EXPECT_EQ(second, sequence(1));
  EXPECT_NE(first.find("\\n\\n"), std::string::npos);  // the 9/1 bore is refused twice over
}

}  // namespace
}  // namespace velmora::cli
