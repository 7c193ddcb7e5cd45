#include "text/TEncryption.h"

#include <array>
#include <chrono>
#include <random>

namespace velmora::text {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The key is used k1, k2, ..., km, k1, ...; an empty key cycles over its first byte only.
class KeyCycle {
 public:
  explicit KeyCycle(std::string_view key) : bytes_(key.empty() ? kDefaultKey : key), length_(key.size()) {}
  unsigned char Next() {
    position_ = position_ < length_ ? position_ + 1 : 1;
    return static_cast<unsigned char>(bytes_[position_ - 1]);
  }

 private:
  std::string_view bytes_;
  std::size_t length_;
  std::size_t position_ = 0;
};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

int ByteAt(std::string_view hex, std::size_t index) {
  if (index + 1 >= hex.size()) throw ScrambleError("scrambled line ends inside a byte");
  const int high = HexValue(hex[index]);
  const int low = HexValue(hex[index + 1]);
  if (high < 0 || low < 0) throw ScrambleError("scrambled line holds a character that is no hex digit");
  return high * 16 + low;
}

void AppendHex(std::string& out, unsigned value) {
  out.push_back(kHexDigits[(value >> 4) & 0xF]);
  out.push_back(kHexDigits[value & 0xF]);
}

unsigned char ClockSeed() {
  static std::mt19937 generator(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
  return static_cast<unsigned char>(std::uniform_int_distribution<int>(0, 255)(generator));
}

}  // namespace

std::string ScrambleWithSeed(std::string_view plain, std::string_view key, unsigned char seed) {
  std::string out;
  out.reserve(2 * (plain.size() + 1));
  AppendHex(out, seed);
  KeyCycle cycle(key);
  unsigned previous = seed;
  for (const char ch : plain) {
    const unsigned byte = static_cast<unsigned char>(ch);
    const unsigned cipher = ((previous + byte) % 255u) ^ cycle.Next();
    AppendHex(out, cipher);
    previous = cipher;
  }
  return out;
}

std::string UnscrambleText(std::string_view hex, std::string_view key) {
  if (hex.empty()) return {};
  std::string out;
  out.reserve(hex.size() / 2);
  KeyCycle cycle(key);
  int previous = ByteAt(hex, 0);
  std::size_t q = 2;  // 0-based position of the next byte's first digit
  do {
    const int cipher = ByteAt(hex, q);
    const int d = cipher ^ cycle.Next();
    const int plain = previous < d ? d - previous : d - previous + 255;
    out.push_back(static_cast<char>(plain));
    previous = cipher;
    q += 2;
  } while (q + 1 < hex.size());  // the body runs at least once
  return out;
}

void TEncryption::Execute() {
  if (input_.empty()) {
    output_.clear();
    return;
  }
  if (action_ == atEncryption) {
    output_ = ScrambleWithSeed(input_, key_, fixedSeed_ ? *fixedSeed_ : ClockSeed());
  } else {
    output_ = UnscrambleText(input_, key_);
  }
}

std::string_view KeyOfSlot(int slot) {
  // Slots 2, 4 and 5 are held for files this program does not read.
  static constexpr std::array<std::string_view, 5> kKeys = {"qorT57", "", "&4ke=W", "", ""};
  if (slot < 1 || slot > 5) return {};
  return kKeys[static_cast<std::size_t>(slot - 1)];
}

namespace {

std::string Run(std::string_view input, int slot, TEncryption::Action action) {
  TEncryption encryption;
  encryption.SetInput(input);
  encryption.SetKey(KeyOfSlot(slot));
  encryption.SetAction(action);
  encryption.Execute();
  return encryption.Output();
}

}  // namespace

std::string Scramble(std::string_view text, int slot) { return Run(text, slot, TEncryption::atEncryption); }

std::string Unscramble(std::string_view line, int slot) { return Run(line, slot, TEncryption::atDecryption); }

}  // namespace velmora::text
