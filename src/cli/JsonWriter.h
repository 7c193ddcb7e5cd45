#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Request.h"
#include "ResultLine.h"

namespace velmora::cli {

// One JSON object written member by member; Close() ends it.
class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : out_(out) { out_ += '{'; }
  void Key(std::string_view key) {
    if (!first_) out_ += ',';
    first_ = false;
    AppendJsonString(out_, key);
    out_ += ':';
  }
  void Number(std::string_view key, long double value) {
    Key(key);
    AppendJsonNumber(out_, value);
  }
  void NumberOrNull(std::string_view key, const std::optional<long double>& value) {
    Key(key);
    if (value) {
      AppendJsonNumber(out_, *value);
    } else {
      out_ += "null";
    }
  }
  void String(std::string_view key, std::string_view value) {
    Key(key);
    AppendJsonString(out_, value);
  }
  void Id(const RequestId& id) {
    switch (id.kind) {
      case RequestId::Kind::None: return;
      case RequestId::Kind::String: return String("id", id.Text());
      case RequestId::Kind::Number:
        Key("id");
        out_.append(id.Text());
        return;
      case RequestId::Kind::Null:
        Key("id");
        out_ += "null";
        return;
    }
  }
  // A member holding an object; the caller closes it.
  JsonWriter Object(std::string_view key) {
    Key(key);
    return JsonWriter(out_);
  }
  // Density, specific volume and viscosity (nulls without properties).
  template <typename Values>
  void Properties(const Values* properties) {
    NumberOrNull("density", properties ? std::optional(properties->density) : std::nullopt);
    NumberOrNull("specific_volume", properties ? std::optional(properties->specificVolume) : std::nullopt);
    NumberOrNull("dynamic_viscosity", properties ? std::optional(properties->viscosity) : std::nullopt);
  }
  template <typename Values>
  void Phase(std::string_view key, const Values& properties) {
    JsonWriter phase = Object(key);
    phase.Properties(&properties);
    phase.Close();
  }
  // A member holding an array of texts.
  void Strings(std::string_view key, const auto& texts) {
    Key(key);
    out_ += '[';
    bool first = true;
    for (const auto& text : texts) {
      if (!first) out_ += ',';
      first = false;
      AppendJsonString(out_, text);
    }
    out_ += ']';
  }
  void Bool(std::string_view key, bool value) {
    Key(key);
    out_ += value ? "true" : "false";
  }
  void Null(std::string_view key) {
    Key(key);
    out_ += "null";
  }
  void Close() { out_ += '}'; }

 private:
  std::string& out_;
  bool first_ = true;
};

}  // namespace velmora::cli
