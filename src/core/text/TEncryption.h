#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora::text {

// A scrambled line that cannot be read back (odd digits, a seed without bytes, no hex digit).
class ScrambleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Used in place of an empty key; the cycle length stays that of the empty key, so every byte
// is combined with its first character.
inline constexpr std::string_view kDefaultKey = "RT Almanac";

// The line cipher of the text and data files: a seed byte, then each byte added to the previous
// cipher byte modulo 255 and combined with the cycling key. Output is upper-case hex, two digits a byte.
std::string ScrambleWithSeed(std::string_view plain, std::string_view key, unsigned char seed);
std::string UnscrambleText(std::string_view hex, std::string_view key);

// The scrambling component with its four properties. Setting a property to its value is a no-op;
// Execute() with an empty Input yields an empty Output.
class TEncryption {
 public:
  enum Action { atEncryption = 0, atDecryption = 1 };

  void SetInput(std::string_view input) { input_ = input; }
  void SetKey(std::string_view key) { key_ = key; }
  void SetAction(Action action) { action_ = action; }
  // A fixed seed makes scrambling reproducible (build tools); otherwise a clock-seeded random one.
  void SetFixedSeed(std::optional<unsigned char> seed) { fixedSeed_ = seed; }

  const std::string& Input() const { return input_; }
  const std::string& Output() const { return output_; }
  const std::string& Key() const { return key_; }
  Action CurrentAction() const { return action_; }

  // Throws ScrambleError when unscrambling text that is not a scrambled line.
  void Execute();

 private:
  std::string input_;
  std::string output_;
  std::string key_;
  Action action_ = atEncryption;
  std::optional<unsigned char> fixedSeed_;
};

// The key slots 1..5 of the main window; slot 1 serves the property tables, slot 3 the text files
// and the standard-part tables.
std::string_view KeyOfSlot(int slot);

std::string Scramble(std::string_view text, int slot);
std::string Unscramble(std::string_view line, int slot);

}  // namespace velmora::text
