#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "FlatJson.h"
#include "Request.h"
#include "text/Edition.h"

// One request of velmora-calc calc: a calculator by name, its inputs as the texts its dialog's
// fields would hold (numbers in the base units), the display settings and an id.
namespace velmora::cli {

// One key of a calculator: its name and what it means (for --help).
struct CalcKey {
  std::string_view name;
  std::string_view meaning;
};

struct Calculator {
  std::string_view name;
  std::string_view about;
  std::span<const CalcKey> keys;
};

// Every calculator of velmora-calc calc.
std::span<const Calculator> Calculators();
const Calculator* CalculatorNamed(std::string_view name);
// The keys of a calculator (the pump design's are built from its two lines).
std::span<const CalcKey> KeysOf(const Calculator& calculator);

struct CalcRequest {
  const Calculator* calculator = nullptr;
  std::vector<std::pair<std::string, std::string>> inputs;  // key, field text
  bool us = false;
  int decimals = 3;
  text::Edition edition = 'D';
  RequestId id;
  std::string error;  // why the request is unusable; empty when fine

  bool Failed() const { return !error.empty(); }
  // The text of an input; "" (an empty field) when not given.
  std::string Input(std::string_view key) const;
  bool Has(std::string_view key) const;
};

// Reads one JSON line {"id": …, "calculator": NAME, KEY: value, …}: the inputs are members of the
// line itself. Numbers are taken as typed; a string is taken as the field's text.
void CalcRequestFromLine(std::string_view line, FlatObject& scratch, CalcRequest& request, text::Edition edition);

// Reads the calculator's name and KEY=VALUE arguments.
void CalcRequestFromArguments(std::string_view name, std::span<const char* const> arguments, CalcRequest& request,
                              text::Edition edition);

}  // namespace velmora::cli
