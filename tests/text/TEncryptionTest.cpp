#include "text/TEncryption.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::text {
namespace {

std::string AllBytesFrom1To254() {
  std::string text;
  for (int b = 1; b <= 254; ++b) text.push_back(static_cast<char>(b));
  return text;
}

TEST(Scrambling, EveryByteFrom1To254RoundTripsForEverySeedAndKey) {
  const std::string plain = AllBytesFrom1To254();
  for (const std::string_view key : {std::string_view("qorT57"), std::string_view("&4ke=W"), std::string_view("")}) {
    for (int seed = 0; seed <= 255; ++seed) {
      const std::string hex = ScrambleWithSeed(plain, key, static_cast<unsigned char>(seed));
      ASSERT_EQ(UnscrambleText(hex, key), plain) << "key '" << key << "' seed " << seed;
    }
  }
}

TEST(Scrambling, OutputIsUpperCaseHexStartingWithTheSeed) {
  const std::string hex = ScrambleWithSeed("Wasser", "&4ke=W", 0xAB);
  EXPECT_EQ(hex.size(), 2u * (6 + 1));
  EXPECT_EQ(hex.substr(0, 2), "AB");
  EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos);
}

TEST(Scrambling, KnownCipherOfOneByte) {
  // Seed 0x10, byte 'A' (65), key 'R' (82): ((16 + 65) mod 255) xor 82 = 81 xor 82 = 3.
  EXPECT_EQ(ScrambleWithSeed("A", "R", 0x10), "1003");
}

TEST(Scrambling, EmptyKeyCombinesEveryByteWithTheFirstDefaultKeyCharacter) {
  const std::string plain = "abc";
  EXPECT_EQ(ScrambleWithSeed(plain, "", 7), ScrambleWithSeed(plain, "R", 7));
  EXPECT_NE(ScrambleWithSeed(plain, "", 7), ScrambleWithSeed(plain, kDefaultKey, 7));
}

TEST(Scrambling, LowerCaseDigitsUnscrambleAlike) {
  const std::string hex = ScrambleWithSeed("Dichte", "qorT57", 0xFE);
  std::string lower = hex;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(UnscrambleText(lower, "qorT57"), "Dichte");
}

TEST(Scrambling, TwoScramblingsNormallyDifferButUnscrambleAlike) {
  std::string first;
  bool differed = false;
  for (int attempt = 0; attempt < 8 && !differed; ++attempt) {
    const std::string a = Scramble("Volumenstrom", 3);
    const std::string b = Scramble("Volumenstrom", 3);
    EXPECT_EQ(Unscramble(a, 3), "Volumenstrom");
    EXPECT_EQ(Unscramble(b, 3), "Volumenstrom");
    differed = a != b;
  }
  EXPECT_TRUE(differed);
}

TEST(Scrambling, ComponentWithEmptyInputGivesEmptyOutput) {
  TEncryption encryption;
  encryption.SetAction(TEncryption::atDecryption);
  encryption.Execute();
  EXPECT_EQ(encryption.Output(), "");
  encryption.SetAction(TEncryption::atEncryption);
  encryption.Execute();
  EXPECT_EQ(encryption.Output(), "");
}

TEST(Scrambling, ComponentWithFixedSeedIsReproducible) {
  TEncryption encryption;
  encryption.SetInput("Rohr");
  encryption.SetKey("qorT57");
  encryption.SetFixedSeed(0x42);
  encryption.Execute();
  EXPECT_EQ(encryption.Output(), ScrambleWithSeed("Rohr", "qorT57", 0x42));
}

TEST(Scrambling, KeySlotsHoldTheDataFileKeys) {
  EXPECT_EQ(KeyOfSlot(1), "qorT57");
  EXPECT_EQ(KeyOfSlot(3), "&4ke=W");
  EXPECT_EQ(KeyOfSlot(0), "");
  EXPECT_EQ(KeyOfSlot(6), "");
}

struct BadLine {
  const char* name;
  const char* hex;
};

class DamagedScrambledLine : public testing::TestWithParam<BadLine> {};

TEST_P(DamagedScrambledLine, IsRefusedWithoutCrash) {
  EXPECT_THROW(UnscrambleText(GetParam().hex, "&4ke=W"), ScrambleError);
}

INSTANTIATE_TEST_SUITE_P(Lines, DamagedScrambledLine,
                         testing::Values(BadLine{"seedOnly", "A0"}, BadLine{"oneDigit", "A"},
                                         BadLine{"halfByte", "A0B"}, BadLine{"notHex", "A0ZZ"},
                                         BadLine{"blankInside", "A0 1"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Scrambling, OddTrailingDigitIsIgnored) {
  const std::string hex = ScrambleWithSeed("ab", "qorT57", 3) + "F";
  EXPECT_EQ(UnscrambleText(hex, "qorT57"), "ab");
}

}  // namespace
}  // namespace velmora::text
