#pragma once

#include <span>
#include <string_view>

#include "FlatJson.h"
#include "hydraulics/MainInput.h"

// One calculation request of the command line: the MainInput fields by name plus an id.
namespace velmora::cli {

// The optional id of a request, echoed back as given.
struct RequestId {
  enum class Kind { None, String, Number, Null } kind = Kind::None;
  char text[JsonMember::MaxString + 4] = {};  // the decoded string, or the number's text
  std::size_t length = 0;
  std::string_view Text() const { return {text, length}; }
};

struct Request {
  hydraulics::MainInput input;
  RequestId id;
  char error[160] = {};  // why the request is unusable; empty when fine

  bool Failed() const { return error[0] != '\0'; }
};

// Reads one JSON line. A problem (malformed JSON, unknown key, a value of the wrong kind, a
// duplicate key, no or an unknown element) goes into request.error; the id is kept whenever it
// could be read, so that the error line still carries it. `scratch` is reused between lines.
void RequestFromLine(std::string_view line, FlatObject& scratch, Request& request);

// Reads KEY=VALUE arguments: values as in JSON (numbers, true, false, null), the id unquoted.
void RequestFromArguments(std::span<const char* const> arguments, Request& request);

}  // namespace velmora::cli
