#include "PropertyRequest.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <utility>

namespace velmora::cli {
namespace {

struct Named {
  std::string_view name;
  PropertyKind kind;
};
constexpr Named kKinds[] = {{"water", PropertyKind::Water},
                            {"saturation", PropertyKind::Saturation},
                            {"air", PropertyKind::Air},
                            {"humid-air", PropertyKind::HumidAir},
                            {"air-saturation", PropertyKind::AirSaturation},
                            {"gas", PropertyKind::Gas},
                            {"liquid", PropertyKind::Liquid},
                            {"vapour-pressure", PropertyKind::VapourPressure},
                            {"brine", PropertyKind::Brine},
                            {"oil", PropertyKind::Oil},
                            {"aqueous", PropertyKind::Aqueous},
                            {"estimate", PropertyKind::Estimate},
                            {"user", PropertyKind::User}};

constexpr std::size_t kMaxNumberText = 100;

// printf-style, so that the compiler checks every message against its arguments.
[[gnu::format(printf, 2, 3)]] void Fail(PropertyRequest& request, const char* format, ...) {
  if (request.Failed()) return;  // the first problem counts
  std::va_list args;
  va_start(args, format);
  std::vsnprintf(request.error, sizeof request.error, format, args);
  va_end(args);
}

std::optional<long double>* ValueSlot(PropertyRequest& request, std::string_view key) {
  if (key == "P") return &request.P;
  if (key == "T") return &request.T;
  if (key == "RH") return &request.RH;
  if (key == "X") return &request.X;
  if (key == "N") return &request.N;
  if (key == "C") return &request.C;
  return nullptr;
}

void SetNumber(PropertyRequest& request, std::string_view key, std::string_view text) {
  std::optional<long double>* slot = ValueSlot(request, key);
  const int keyLength = static_cast<int>(key.size() > 40 ? 40 : key.size());
  if (slot == nullptr) return Fail(request, "unknown key \"%.*s\"", keyLength, key.data());
  if (slot->has_value()) return Fail(request, "duplicate key \"%.*s\"", keyLength, key.data());
  if (!IsJsonNumber(text) || text.size() > kMaxNumberText)
    return Fail(request, "%.*s: not a number", keyLength, key.data());
  char buffer[kMaxNumberText + 1];
  std::memcpy(buffer, text.data(), text.size());
  buffer[text.size()] = '\0';
  const long double value = std::strtold(buffer, nullptr);
  if (!std::isfinite(value)) return Fail(request, "%.*s: number out of range", keyLength, key.data());
  *slot = value;
}

void SetId(PropertyRequest& request, JsonType type, std::string_view text) {
  RequestId& id = request.id;
  switch (type) {
    case JsonType::String: id.kind = RequestId::Kind::String; break;
    case JsonType::Number: id.kind = RequestId::Kind::Number; break;
    case JsonType::Null: id.kind = RequestId::Kind::Null; return;
    default: return Fail(request, "id: must be a string or a number");
  }
  const std::size_t n = text.size() < JsonMember::MaxString ? text.size() : JsonMember::MaxString;
  std::memcpy(id.text, text.data(), n);
  id.length = n;
}

void SetName(PropertyRequest& request, std::string_view name) {
  if (request.HasName()) return Fail(request, "duplicate key \"name\"");
  if (name.empty()) return Fail(request, "name: empty");
  const std::size_t n = name.size() < JsonMember::MaxString ? name.size() : JsonMember::MaxString;
  std::memcpy(request.name, name.data(), n);
  request.nameLength = n;
}

// The state values each property needs: required, and one of two alternatives.
void Finish(PropertyRequest& request) {
  if (request.Failed()) return;
  const auto need = [&](const std::optional<long double>& value, const char* key) {
    if (!value) Fail(request, "missing %s", key);
  };
  const auto refuse = [&](const std::optional<long double>& value, const char* key) {
    if (value) Fail(request, "%s: not a value of this property", key);
  };
  if (request.kind == PropertyKind::None) return Fail(request, "unknown property");
  const bool database = NamesEntry(request.kind);
  if (database && !request.HasName()) return Fail(request, "missing name");
  if (!database && request.HasName()) return Fail(request, "name: not a value of this property");
  const auto only = [&](std::initializer_list<const char*> keys) {
    const std::pair<const char*, const std::optional<long double>*> all[] = {{"P", &request.P},   {"T", &request.T},
                                                                             {"RH", &request.RH}, {"X", &request.X},
                                                                             {"N", &request.N},   {"C", &request.C}};
    for (const auto& [key, value] : all) {
      bool wanted = false;
      for (const char* k : keys) wanted = wanted || std::strcmp(k, key) == 0;
      if (wanted) {
        need(*value, key);
      } else {
        refuse(*value, key);
      }
    }
  };
  switch (request.kind) {
    case PropertyKind::None: return Fail(request, "unknown property");
    case PropertyKind::Brine: return only({"N", "C", "T"});
    case PropertyKind::Oil:
    case PropertyKind::Aqueous: return only({"T"});
    case PropertyKind::Estimate: return only({"P", "T"});
    case PropertyKind::User: return only({});
    case PropertyKind::Gas:
    case PropertyKind::Water:
    case PropertyKind::Air: return only({"P", "T"});
    case PropertyKind::Saturation:
      if (request.P.has_value() == request.T.has_value()) Fail(request, "give either T or P");
      refuse(request.RH, "RH");
      refuse(request.X, "X");
      refuse(request.N, "N");
      refuse(request.C, "C");
      return;
    case PropertyKind::HumidAir:
      need(request.P, "P");
      need(request.T, "T");
      if (request.RH.has_value() == request.X.has_value()) Fail(request, "give either RH or X");
      refuse(request.N, "N");
      refuse(request.C, "C");
      return;
    case PropertyKind::AirSaturation:
    case PropertyKind::Liquid:
    case PropertyKind::VapourPressure: return only({"T"});
  }
}

}  // namespace

bool NamesEntry(PropertyKind kind) {
  switch (kind) {
    case PropertyKind::Gas:
    case PropertyKind::Liquid:
    case PropertyKind::VapourPressure:
    case PropertyKind::Oil:
    case PropertyKind::Aqueous:
    case PropertyKind::Estimate:
    case PropertyKind::User: return true;
    default: return false;
  }
}

PropertyKind PropertyKindNamed(std::string_view name) {
  for (const Named& named : kKinds) {
    if (named.name == name) return named.kind;
  }
  return PropertyKind::None;
}

void PropertyRequestFromLine(std::string_view line, FlatObject& scratch, PropertyRequest& request) {
  request = PropertyRequest{};
  const char* error = ParseFlatObject(line, scratch);
  bool kindSeen = false;
  for (std::size_t i = 0; i < scratch.count; ++i) {
    const JsonMember& m = scratch.members[i];
    if (m.Key() == "id") {
      SetId(request, m.type, m.type == JsonType::String ? m.Text() : m.number);
    } else if (error != nullptr) {
      continue;  // only the id of a malformed line is read, so that its error line can be matched
    } else if (m.Key() == "name") {
      if (m.type != JsonType::String) {
        Fail(request, "name: must be a string");
      } else {
        SetName(request, m.Text());
      }
    } else if (m.Key() == "property") {
      if (kindSeen) Fail(request, "duplicate key \"property\"");
      kindSeen = true;
      if (m.type != JsonType::String) {
        Fail(request, "property: must be a string");
      } else if ((request.kind = PropertyKindNamed(m.Text())) == PropertyKind::None) {
        Fail(request, "unknown property \"%.*s\"", static_cast<int>(m.Text().size() > 40 ? 40 : m.Text().size()),
             m.Text().data());
      }
    } else if (m.type != JsonType::Number && ValueSlot(request, m.Key()) != nullptr) {
      Fail(request, "%.*s: not a number", static_cast<int>(m.Key().size()), m.Key().data());
    } else {
      SetNumber(request, m.Key(), m.number);
    }
  }
  if (error != nullptr) {
    std::snprintf(request.error, sizeof request.error, "%s", error);
    return;
  }
  if (!kindSeen) Fail(request, "missing property");
  Finish(request);
}

void PropertyRequestFromArguments(std::string_view property, std::span<const char* const> arguments,
                                  PropertyRequest& request) {
  request = PropertyRequest{};
  request.kind = PropertyKindNamed(property);
  for (const char* argument : arguments) {
    const std::string_view text(argument);
    const std::size_t equals = text.find('=');
    const bool database = NamesEntry(request.kind);
    if (equals == std::string_view::npos && database && !request.HasName()) {
      SetName(request, text);
      continue;
    }
    // The list NAME=value,… of a solution or a mixture: its first key is no key of the request.
    const bool list = request.kind == PropertyKind::Aqueous || request.kind == PropertyKind::Estimate;
    if (list && equals != std::string_view::npos && !request.HasName() && text.substr(0, equals) != "id" &&
        text.substr(0, equals) != "name" && ValueSlot(request, text.substr(0, equals)) == nullptr) {
      SetName(request, text);
      continue;
    }
    if (equals == std::string_view::npos) {
      Fail(request, "\"%.*s\" is not KEY=VALUE", static_cast<int>(text.size() > 40 ? 40 : text.size()), text.data());
      continue;
    }
    const std::string_view key = text.substr(0, equals);
    const std::string_view value = text.substr(equals + 1);
    if (key == "id") {
      SetId(request, IsJsonNumber(value) ? JsonType::Number : JsonType::String, value);
    } else if (key == "name") {
      SetName(request, value);
    } else {
      SetNumber(request, key, value);
    }
  }
  Finish(request);
}

}  // namespace velmora::cli
