#pragma once

#include <optional>

#include "JsonWriter.h"
#include "PropertyDatabases.h"
#include "PropertyRequest.h"
#include "text/Message.h"
#include "text/TextStore.h"

// velmora-calc property brine, oil, aqueous, estimate and user: the calculations of the brine,
// heat-transfer oil, aqueous-solution, estimation and user-database dialogs. Each answers into
// `json` or returns the message of its dialog's refusal; a request the tables cannot serve (an
// unknown name, a malformed list) fails with its error.
namespace velmora::cli {

std::optional<text::Message> BrineProperty(const text::TextStore& texts, PropertyRequest& r, JsonWriter& json);
std::optional<text::Message> OilProperty(const text::TextStore& texts, PropertyRequest& r, PropertyDatabases& tables,
                                         JsonWriter& json);
std::optional<text::Message> AqueousProperty(const text::TextStore& texts, PropertyRequest& r,
                                             PropertyDatabases& tables, JsonWriter& json);
std::optional<text::Message> EstimateProperty(const text::TextStore& texts, PropertyRequest& r,
                                              PropertyDatabases& tables, JsonWriter& json);
std::optional<text::Message> UserProperty(const text::TextStore& texts, PropertyRequest& r, PropertyDatabases& tables,
                                          JsonWriter& json);

// A list NAME=value,NAME=value… (a name may hold commas; a value ends at the next comma), or one
// NAME without a value. Nothing when a value is no number or a name is empty.
struct NamedValue {
  std::string name;
  std::optional<long double> value;
};
std::optional<std::vector<NamedValue>> ParseNamedValues(std::string_view list);

}  // namespace velmora::cli
