#pragma once

#include <cstddef>
#include <string_view>

// A strict reader of one flat JSON object per line: {"key": value, ...} with values that are
// numbers, true, false, null or strings; objects and arrays inside only where the caller asks for
// them. It allocates nothing: keys and strings are decoded into fixed buffers, and anything
// outside these limits is refused with a reason.
namespace velmora::cli {

enum class JsonType { Number, True, False, Null, String };

struct JsonMember {
  static constexpr std::size_t MaxKey = 64;
  static constexpr std::size_t MaxString = 256;
  char key[MaxKey + 4];  // a multi-byte character may end just past MaxKey
  std::size_t keyLength;
  JsonType type;
  std::string_view number;   // the value's text within the line (a number, true, false or null)
  char text[MaxString + 4];  // the decoded UTF-8 string (type String)
  std::size_t textLength;

  std::string_view Key() const { return {key, keyLength}; }
  std::string_view Text() const { return {text, textLength}; }
};

struct FlatObject {
  // 64: the pump design's two lines (flat, prefixed members) with the common inputs and settings.
  static constexpr std::size_t MaxMembers = 64;
  JsonMember members[MaxMembers];
  std::size_t count = 0;
};

// Reads `line` into `object`. Returns nullptr, or a short reason why the line is not a flat object.
// With `nesting` > 0, that many levels of objects and arrays inside it are read as well, flattened
// into dotted keys: {"a": {"b": 1, "c": [2, {"d": 3}]}} gives "a.b", "a.c.1" and "a.c.2.d".
const char* ParseFlatObject(std::string_view line, FlatObject& object, int nesting = 0);

// Whether `text` is a number in the strict JSON grammar: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
bool IsJsonNumber(std::string_view text);

}  // namespace velmora::cli
