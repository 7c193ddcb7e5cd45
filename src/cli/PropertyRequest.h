#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "FlatJson.h"
#include "Request.h"

// One property request of the command line: which property, of which substance of a database,
// the state (°C, bar absolute, % or g/kg) and an id.
namespace velmora::cli {

enum class PropertyKind {
  None,
  Water,
  Saturation,
  Air,
  HumidAir,
  AirSaturation,
  Gas,
  Liquid,
  VapourPressure,
  Brine,
  Oil,
  Aqueous,
  Estimate,
  User
};

// Whether a property names an entry of a table (its name, or for "aqueous" and "estimate" the list
// NAME=value,NAME=value…).
bool NamesEntry(PropertyKind kind);

// The property named by a command word ("water", "saturation", "air", "humid-air",
// "air-saturation", "gas", "liquid", "vapour-pressure"); None for any other word.
PropertyKind PropertyKindNamed(std::string_view name);

struct PropertyRequest {
  PropertyKind kind = PropertyKind::None;
  std::optional<long double> P;   // bar absolute
  std::optional<long double> T;   // °C
  std::optional<long double> RH;  // relative humidity, %
  std::optional<long double> X;   // moisture content, g water/kg dry air
  std::optional<long double> N;   // brine: 1…10, the list order
  std::optional<long double> C;   // brine: concentration, mass-%
  RequestId id;
  char name[JsonMember::MaxString + 1] = {};  // gas, liquid, vapour-pressure: the database entry
  std::size_t nameLength = 0;
  char error[160] = {};  // why the request is unusable; empty when fine

  bool Failed() const { return error[0] != '\0'; }
  bool HasName() const { return nameLength > 0; }
  std::string_view Name() const { return {name, nameLength}; }
};

// Reads one JSON line {"id": …, "property": "water", "P": …, "T": …} (a database entry with
// "name": {"property": "gas", "name": "Nitrogen", "P": …, "T": …}; a brine with "N" and "C"). A problem (malformed
// JSON, an unknown or duplicate key, a value of the wrong kind, an unknown property, a missing or superfluous state
// value) goes into request.error; the id is kept whenever it could be read.
void PropertyRequestFromLine(std::string_view line, FlatObject& scratch, PropertyRequest& request);

// Reads the property word and KEY=VALUE arguments (P, T, RH, X, N, C as JSON numbers, id unquoted);
// the database properties take the entry's name as the first argument without "=" (or name=...);
// "aqueous" and "estimate" take the first argument whose key is none of theirs as the list
// NAME=value,NAME=value….
void PropertyRequestFromArguments(std::string_view property, std::span<const char* const> arguments,
                                  PropertyRequest& request);

}  // namespace velmora::cli
