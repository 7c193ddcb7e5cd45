#include "FlatJson.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "text/Utf8.h"

namespace velmora::cli {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class Reader {
 public:
  explicit Reader(std::string_view line) : s_(line) {}

  // `nesting`: how many levels of objects and arrays inside the line are read, each flattened
  // into the members' keys ("a": {"b": 1} gives "a.b"; "a": [x, y] gives "a.1", "a.2").
  const char* Object(FlatObject& object, int nesting) {
    object.count = 0;
    nesting_ = nesting;
    SkipSpace();
    if (AtEnd()) return "empty line";
    if (s_[pos_] != '{') return "not a JSON object";
    if (const char* error = Members(object, {}, 0)) return error;
    return Rest();
  }

 private:
  // The members of the object at pos_ ('{'), their keys after `prefix`.
  const char* Members(FlatObject& object, std::string_view prefix, int depth) {
    ++pos_;  // '{'
    SkipSpace();
    if (Peek('}')) {
      ++pos_;
      return nullptr;
    }
    for (;;) {
      SkipSpace();
      if (!Peek('"')) return "expected a key in double quotes";
      char key[JsonMember::MaxKey + 4];
      std::size_t keyLength = 0;
      if (const char* error = String(key, JsonMember::MaxKey, keyLength, "key too long")) return error;
      SkipSpace();
      if (!Peek(':')) return "expected ':' after a key";
      ++pos_;
      SkipSpace();
      if (const char* error = Member(object, prefix, {key, keyLength}, depth)) return error;
      SkipSpace();
      if (Peek(',')) {
        ++pos_;
        continue;
      }
      if (Peek('}')) {
        ++pos_;
        return nullptr;
      }
      return AtEnd() ? "unterminated object" : "expected ',' or '}'";
    }
  }

  // The value at pos_ under the key `prefix` + `name`: a member, or the members inside it.
  const char* Member(FlatObject& object, std::string_view prefix, std::string_view name, int depth) {
    if (prefix.size() + name.size() > JsonMember::MaxKey) return "key too long";
    char key[JsonMember::MaxKey + 4];
    // The top level has no prefix, and an empty view may point nowhere: copy only what is there.
    std::copy(prefix.begin(), prefix.end(), key);
    std::copy(name.begin(), name.end(), key + prefix.size());
    const std::size_t keyLength = prefix.size() + name.size();
    const bool container = Peek('{') || Peek('[');
    if (container && depth < nesting_) {
      if (keyLength + 1 > JsonMember::MaxKey) return "key too long";
      key[keyLength] = '.';
      const std::string_view inner(key, keyLength + 1);
      return Peek('{') ? Members(object, inner, depth + 1) : Elements(object, inner, depth + 1);
    }
    if (container) return "nested values are not supported";
    if (object.count == FlatObject::MaxMembers) return "too many members";
    JsonMember& m = object.members[object.count];
    std::memcpy(m.key, key, keyLength);
    m.key[keyLength] = '\0';
    m.keyLength = keyLength;
    if (const char* error = Value(m)) return error;
    ++object.count;
    return nullptr;
  }

  // The elements of the array at pos_ ('['), numbered from 1 after `prefix`.
  const char* Elements(FlatObject& object, std::string_view prefix, int depth) {
    ++pos_;  // '['
    SkipSpace();
    if (Peek(']')) {
      ++pos_;
      return nullptr;
    }
    for (int index = 1;; ++index) {
      SkipSpace();
      char number[12];
      const int length = std::snprintf(number, sizeof number, "%d", index);
      if (const char* error = Member(object, prefix, {number, static_cast<std::size_t>(length)}, depth)) return error;
      SkipSpace();
      if (Peek(',')) {
        ++pos_;
        continue;
      }
      if (Peek(']')) {
        ++pos_;
        return nullptr;
      }
      return AtEnd() ? "unterminated array" : "expected ',' or ']'";
    }
  }

 private:
  bool AtEnd() const { return pos_ >= s_.size(); }
  bool Peek(char c) const { return !AtEnd() && s_[pos_] == c; }

  void SkipSpace() {
    while (!AtEnd() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\r' || s_[pos_] == '\n')) ++pos_;
  }

  const char* Rest() {
    SkipSpace();
    return AtEnd() ? nullptr : "unexpected text after the object";
  }

  bool Literal(std::string_view word) {
    if (s_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  const char* Value(JsonMember& m) {
    if (AtEnd()) return "missing value";
    const char c = s_[pos_];
    if (c == '"') {
      m.type = JsonType::String;
      m.number = {};
      return String(m.text, JsonMember::MaxString, m.textLength, "string too long");
    }
    // Every value but a string leaves its text in `number`, never the view of an earlier line.
    const std::size_t start = pos_;
    m.number = {};
    for (const auto& [word, type] :
         {std::pair{"true", JsonType::True}, std::pair{"false", JsonType::False}, std::pair{"null", JsonType::Null}}) {
      if (!Literal(word)) continue;
      m.type = type;
      m.number = s_.substr(start, pos_ - start);
      return nullptr;
    }
    while (!AtEnd() && (IsDigit(s_[pos_]) || s_[pos_] == '-' || s_[pos_] == '+' || s_[pos_] == '.' || s_[pos_] == 'e' ||
                        s_[pos_] == 'E')) {
      ++pos_;
    }
    m.type = JsonType::Number;
    m.number = s_.substr(start, pos_ - start);
    if (m.number.empty() || !IsJsonNumber(m.number)) return "not a number";
    return nullptr;
  }

  static void Put(char* out, std::size_t& length, unsigned code) {
    if (code < 0x80) {
      out[length++] = static_cast<char>(code);
    } else if (code < 0x800) {
      out[length++] = static_cast<char>(0xC0 | (code >> 6));
      out[length++] = static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out[length++] = static_cast<char>(0xE0 | (code >> 12));
      out[length++] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out[length++] = static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out[length++] = static_cast<char>(0xF0 | (code >> 18));
      out[length++] = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out[length++] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out[length++] = static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  bool Hex4(unsigned& code) {
    if (s_.size() - pos_ < 4) return false;
    code = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = s_[pos_++];
      unsigned digit = 0;
      if (IsDigit(c)) {
        digit = static_cast<unsigned>(c - '0');
      } else if (c >= 'a' && c <= 'f') {
        digit = static_cast<unsigned>(c - 'a' + 10);
      } else if (c >= 'A' && c <= 'F') {
        digit = static_cast<unsigned>(c - 'A' + 10);
      } else {
        return false;
      }
      code = code * 16 + digit;
    }
    return true;
  }

  std::size_t Utf8Sequence() const { return text::Utf8SequenceLength(s_, pos_); }

  // A string in double quotes, decoded into out (at most max bytes).
  const char* String(char* out, std::size_t max, std::size_t& length, const char* tooLong) {
    ++pos_;  // the opening quote
    length = 0;
    for (;;) {
      if (AtEnd()) return "unterminated string";
      const char c = s_[pos_];
      if (c == '"') {
        ++pos_;
        out[length] = '\0';
        return nullptr;
      }
      if (static_cast<unsigned char>(c) < 0x20) return "control character in a string";
      if (length >= max) return tooLong;
      if (c != '\\') {
        if (static_cast<unsigned char>(c) < 0x80) {
          out[length++] = c;
          ++pos_;
          continue;
        }
        const std::size_t n = Utf8Sequence();
        if (n == 0) return "invalid UTF-8 in a string";
        for (std::size_t i = 0; i < n; ++i) out[length++] = s_[pos_++];
        continue;
      }
      ++pos_;
      if (AtEnd()) return "bad escape";
      const char e = s_[pos_++];
      switch (e) {
        case '"': out[length++] = '"'; break;
        case '\\': out[length++] = '\\'; break;
        case '/': out[length++] = '/'; break;
        case 'b': out[length++] = '\b'; break;
        case 'f': out[length++] = '\f'; break;
        case 'n': out[length++] = '\n'; break;
        case 'r': out[length++] = '\r'; break;
        case 't': out[length++] = '\t'; break;
        case 'u': {
          unsigned code = 0;
          if (!Hex4(code)) return "bad escape";
          if (code >= 0xDC00 && code <= 0xDFFF) return "bad escape";
          if (code >= 0xD800 && code <= 0xDBFF) {
            unsigned low = 0;
            if (!Literal("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) return "bad escape";
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          }
          if (code == 0) return "control character in a string";
          Put(out, length, code);
          break;
        }
        default: return "bad escape";
      }
    }
  }

  std::string_view s_;
  std::size_t pos_ = 0;
  int nesting_ = 0;
};

}  // namespace

bool IsJsonNumber(std::string_view t) {
  std::size_t i = 0;
  const auto digits = [&] {
    const std::size_t start = i;
    while (i < t.size() && IsDigit(t[i])) ++i;
    return i > start;
  };
  if (i < t.size() && t[i] == '-') ++i;
  if (i >= t.size()) return false;
  if (t[i] == '0') {
    ++i;
  } else if (!digits()) {
    return false;
  }
  if (i < t.size() && t[i] == '.') {
    ++i;
    if (!digits()) return false;
  }
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (!digits()) return false;
  }
  return i == t.size();
}

const char* ParseFlatObject(std::string_view line, FlatObject& object, int nesting) {
  return Reader(line).Object(object, nesting);
}

}  // namespace velmora::cli
