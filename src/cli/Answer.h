#pragma once

#include <optional>
#include <string>

#include "FlatJson.h"
#include "Request.h"
#include "mainform/InputChecks.h"
#include "text/TextStore.h"

// How velmora-calc answers one request: the main window's checks, then the calculation.
namespace velmora::cli {

// The checks run before a calculation: those of the main window with the messages of its
// language texts, or none at all (--no-checks), which evaluates the laws outside their limits
// and marks every answer "unchecked".
class Checks {
 public:
  static Checks None() { return Checks(); }
  explicit Checks(const text::TextStore& texts) : window_(std::in_place, texts) {}

  bool Enabled() const { return window_.has_value(); }

  // Writes the window's messages for the input into `refused`, joined by a blank line in the
  // window's order; leaves it empty when the input may be calculated (or nothing is checked).
  void Refusal(const hydraulics::MainInput& input, std::string& refused) const;

 private:
  Checks() = default;
  std::optional<mainform::MainInputChecks> window_;
};

// The work space of one caller, reused from request to request. Nothing else is kept between
// requests, so callers with a scratch each may answer their requests in any interleaving.
struct Scratch {
  FlatObject object;
  Request request;
  std::string refused;
};

// Answers scratch.request (already read): an unusable request gets its Error line; a usable one
// is checked, and calculated when the checks pass. Appends the line to `out`. Returns false when
// the checks refused the input (scratch.refused then holds the messages).
bool Answer(const Checks& checks, Scratch& scratch, std::string& out);

}  // namespace velmora::cli
