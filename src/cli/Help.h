#pragma once

namespace velmora::cli {

// The text of velmora-calc --help.
extern const char* const HelpText;

// The one-line usage shown with an unusable command line.
extern const char* const UsageText;

}  // namespace velmora::cli
