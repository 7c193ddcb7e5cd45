#pragma once

#include "text/TextStore.h"

namespace velmora::testing_support {

// The texts of the program folder of this build, loaded once per edition.
const text::TextStore& Texts(text::Edition edition);

}  // namespace velmora::testing_support
