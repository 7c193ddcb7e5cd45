#include "ResultLine.h"

#include "text/Utf8.h"

#include <charconv>

namespace velmora::cli {

namespace {

void AppendKey(std::string& out, const char* key) {
  out += ",\"";
  out += key;
  out += "\":";
}

void AppendBool(std::string& out, const char* key, bool value) {
  AppendKey(out, key);
  out += value ? "true" : "false";
}

}  // namespace

// Full precision of the extended type for readers in double: 18 significant digits.
void AppendJsonNumber(std::string& out, long double value) {
  // 18 significant digits, as printf's %.18Lg, but independent of the process locale.
  char buffer[48];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 18);
  out.append(buffer, result.ptr);
}

void AppendJsonString(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
      ++i;
    } else if (c == '\n' || c == '\t' || c == '\r') {
      // The short escapes, so that a message's line breaks stay readable in the raw output.
      out += c == '\n' ? "\\n" : c == '\t' ? "\\t" : "\\r";
      ++i;
    } else if (c < 0x20) {
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 15];
      ++i;
    } else if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
    } else if (const std::size_t n = text::Utf8SequenceLength(text, i); n != 0) {
      out.append(text.substr(i, n));
      i += n;
    } else {
      out += "\\ufffd";
      ++i;
    }
  }
  out += '"';
}

void AppendResultLine(std::string& out, const Request& request, const hydraulics::ElementOutcome& outcome,
                      const AnswerNotes& notes) {
  out += '{';
  bool first = true;
  switch (request.id.kind) {
    case RequestId::Kind::None: break;
    case RequestId::Kind::String:
      out += "\"id\":";
      AppendJsonString(out, request.id.Text());
      first = false;
      break;
    case RequestId::Kind::Number:
      out += "\"id\":";
      out.append(request.id.Text());
      first = false;
      break;
    case RequestId::Kind::Null:
      out += "\"id\":null";
      first = false;
      break;
  }
  // A refused input is not calculated: it reads like an unusable one without an Error.
  const bool failed = request.Failed() || !notes.refused.empty();
  const bool hasResult = !failed && !outcome.Error && !outcome.GasLimit;
  const hydraulics::ElementResult& r = outcome.result;
  const std::pair<const char*, long double> values[] = {{"Velocity", r.Velocity},
                                                        {"Velocity2", r.Velocity2},
                                                        {"HydraulicDiameter", r.HydraulicDiameter},
                                                        {"Reynolds", r.Reynolds},
                                                        {"Reynolds2", r.Reynolds2},
                                                        {"Lambda", r.Lambda},
                                                        {"Zeta", r.Zeta},
                                                        {"Zeta2", r.Zeta2},
                                                        {"PressureLoss", r.PressureLoss},
                                                        {"BranchPressureLoss", r.BranchPressureLoss}};
  for (const auto& [key, value] : values) {
    if (first) {
      out += '"';
      out += key;
      out += "\":";
      first = false;
    } else {
      AppendKey(out, key);
    }
    if (hasResult) {
      AppendJsonNumber(out, value);
    } else {
      out += "null";
    }
  }
  AppendBool(out, "Laminar", !failed && !outcome.Error && outcome.Laminar);
  AppendBool(out, "LaminarWarning", !failed && outcome.LaminarWarning);
  AppendBool(out, "RangeNote", !failed && outcome.RangeNote);
  AppendBool(out, "GasLimit", !failed && outcome.GasLimit);
  AppendKey(out, "Error");
  if (request.Failed()) {
    AppendJsonString(out, request.error);
  } else if (!failed && outcome.Error) {
    AppendJsonString(out, outcome.ErrorReason != nullptr ? outcome.ErrorReason : "calculation error");
  } else {
    out += "null";
  }
  if (!notes.refused.empty()) {
    AppendKey(out, "refused");
    AppendJsonString(out, notes.refused);
  }
  if (notes.unchecked) AppendBool(out, "unchecked", true);
  out += "}\n";
}

}  // namespace velmora::cli
