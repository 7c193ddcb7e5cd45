#include "Request.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "hydraulics/ElementKinds.h"

namespace velmora::cli {

namespace {

using hydraulics::MainInput;

enum class FieldKind { Real, Whole, Flag, Option, Id };

struct Field {
  std::string_view name;
  FieldKind kind;
  long double MainInput::*real;
  int MainInput::*whole;
};

constexpr Field kFields[] = {
    {"ElementGroup", FieldKind::Whole, nullptr, &MainInput::ElementGroup},
    {"ElementKind", FieldKind::Whole, nullptr, &MainInput::ElementKind},
    {"Input1", FieldKind::Real, &MainInput::Input1, nullptr},
    {"Input2", FieldKind::Real, &MainInput::Input2, nullptr},
    {"Input3", FieldKind::Real, &MainInput::Input3, nullptr},
    {"Input4", FieldKind::Real, &MainInput::Input4, nullptr},
    {"Input5", FieldKind::Real, &MainInput::Input5, nullptr},
    {"Input6", FieldKind::Real, &MainInput::Input6, nullptr},
    {"Count", FieldKind::Whole, nullptr, &MainInput::Count},
    {"VolumeFlow", FieldKind::Real, &MainInput::VolumeFlow, nullptr},
    {"BranchFlow", FieldKind::Real, &MainInput::BranchFlow, nullptr},
    {"Density", FieldKind::Real, &MainInput::Density, nullptr},
    {"Viscosity", FieldKind::Real, &MainInput::Viscosity, nullptr},
    {"Gas", FieldKind::Flag, nullptr, nullptr},
    {"InletPressure", FieldKind::Real, &MainInput::InletPressure, nullptr},
    {"InletTemperature", FieldKind::Real, &MainInput::InletTemperature, nullptr},
    {"OutletTemperature", FieldKind::Real, &MainInput::OutletTemperature, nullptr},
    {"Option", FieldKind::Option, nullptr, &MainInput::Option},
    {"id", FieldKind::Id, nullptr, nullptr},
};
static_assert(std::size(kFields) <= 32);

constexpr std::size_t kMaxNumberText = 100;

// A value as read from JSON or from a KEY=VALUE argument.
struct Value {
  JsonType type;
  std::string_view text;  // the number's text, or the decoded string
};

struct State {
  Request& request;
  unsigned seen = 0;
};

// Writes the reason, naming the key (shortened to 40 bytes).
template <class... Args>
void Fail(Request& request, std::string_view key, const char* format, Args... args) {
  if (request.Failed()) return;  // the first problem counts
  char name[48];
  std::snprintf(name, sizeof name, "%.*s%s", static_cast<int>(key.size() > 40 ? 40 : key.size()), key.data(),
                key.size() > 40 ? "..." : "");
  std::snprintf(request.error, sizeof request.error, format, name, args...);
}

bool ToNumber(std::string_view text, long double& value) {
  if (text.size() > kMaxNumberText) return false;
  char buffer[kMaxNumberText + 1];
  std::memcpy(buffer, text.data(), text.size());
  buffer[text.size()] = '\0';
  value = std::strtold(buffer, nullptr);
  return std::isfinite(value);
}

void SetId(Request& request, const Value& value) {
  RequestId& id = request.id;
  switch (value.type) {
    case JsonType::String: id.kind = RequestId::Kind::String; break;
    case JsonType::Number: id.kind = RequestId::Kind::Number; break;
    case JsonType::Null: id.kind = RequestId::Kind::Null; return;
    default: Fail(request, "id", "%s: must be a string or a number"); return;
  }
  const std::size_t n = value.text.size() < JsonMember::MaxString ? value.text.size() : JsonMember::MaxString;
  std::memcpy(id.text, value.text.data(), n);
  id.length = n;
}

void Apply(State& state, std::string_view key, const Value& value) {
  Request& request = state.request;
  std::size_t index = 0;
  while (index < std::size(kFields) && kFields[index].name != key) ++index;
  if (index == std::size(kFields)) return Fail(request, key, "unknown key \"%s\"");
  const unsigned bit = 1u << index;
  if ((state.seen & bit) != 0) return Fail(request, key, "duplicate key \"%s\"");
  state.seen |= bit;
  const Field& field = kFields[index];
  MainInput& in = request.input;
  switch (field.kind) {
    case FieldKind::Id: return SetId(request, value);
    case FieldKind::Flag:
      if (value.type != JsonType::True && value.type != JsonType::False) {
        return Fail(request, key, "%s: must be true or false");
      }
      in.Gas = value.type == JsonType::True;
      return;
    default: break;
  }
  long double number = 0;
  if (value.type != JsonType::Number) return Fail(request, key, "%s: not a number");
  if (!ToNumber(value.text, number)) return Fail(request, key, "%s: number out of range");
  if (field.kind == FieldKind::Real) {
    in.*field.real = number;
    return;
  }
  // 2147483647 = the largest int
  if (std::trunc(number) != number || std::fabs(number) > 2147483647.0L) {
    return Fail(request, key, "%s: not a whole number");
  }
  if (field.kind == FieldKind::Option && number != 0 && number != 1) return Fail(request, key, "%s: must be 0 or 1");
  in.*field.whole = static_cast<int>(number);
}

void Finish(State& state) {
  Request& request = state.request;
  if (request.Failed()) return;
  if ((state.seen & 1u) == 0) return Fail(request, "ElementGroup", "missing %s");
  if ((state.seen & 2u) == 0) return Fail(request, "ElementKind", "missing %s");
  const MainInput& in = request.input;
  if (hydraulics::FindElementKind(in.ElementGroup, in.ElementKind) == nullptr) {
    std::snprintf(request.error, sizeof request.error, "unknown element %d/%d", in.ElementGroup, in.ElementKind);
  }
}

}  // namespace

void RequestFromLine(std::string_view line, FlatObject& scratch, Request& request) {
  request = Request{};
  if (const char* error = ParseFlatObject(line, scratch)) {
    std::snprintf(request.error, sizeof request.error, "%s", error);
    // Keep an id that was read before the fault, so the error line can be matched.
    for (std::size_t i = 0; i < scratch.count; ++i) {
      const JsonMember& m = scratch.members[i];
      if (m.Key() == "id") {
        Request idOnly;
        SetId(idOnly, {m.type, m.type == JsonType::String ? m.Text() : m.number});
        if (!idOnly.Failed()) request.id = idOnly.id;
        break;
      }
    }
    return;
  }
  State state{request};
  for (std::size_t i = 0; i < scratch.count; ++i) {
    const JsonMember& m = scratch.members[i];
    Apply(state, m.Key(), {m.type, m.type == JsonType::String ? m.Text() : m.number});
  }
  Finish(state);
}

void RequestFromArguments(std::span<const char* const> arguments, Request& request) {
  request = Request{};
  State state{request};
  for (const char* argument : arguments) {
    const std::string_view text(argument);
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
      Fail(request, text, "\"%s\" is not KEY=VALUE");
      continue;
    }
    const std::string_view key = text.substr(0, equals);
    const std::string_view word = text.substr(equals + 1);
    JsonType type = JsonType::String;
    if (word == "true") {
      type = JsonType::True;
    } else if (word == "false") {
      type = JsonType::False;
    } else if (word == "null") {
      type = JsonType::Null;
    } else if (IsJsonNumber(word)) {
      type = JsonType::Number;
    }
    if (type == JsonType::String && word.size() > JsonMember::MaxString) {
      Fail(request, key, "%s: value too long");
      continue;
    }
    Apply(state, key, {type, word});
  }
  Finish(state);
}

}  // namespace velmora::cli
