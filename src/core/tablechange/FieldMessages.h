#pragma once

#include <string>

#include "text/Message.h"
#include "text/TextStore.h"

namespace velmora::tablechange {

// The invalid-input message of every window: global text 183, a line break and the caption of the
// field's label in double quotes with "!"; error caption and icon, the focus on the field.
text::Message InvalidField(const text::TextStore& texts, const std::string& caption, const std::string& field);

}  // namespace velmora::tablechange
