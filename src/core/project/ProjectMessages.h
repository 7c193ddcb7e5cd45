#pragma once

#include "project/ProjectReader.h"
#include "text/GlobalTexts.h"
#include "text/Message.h"
#include "text/TextStore.h"

namespace velmora::project {

using text::kMainWindowBlock;  // the block that holds the project messages

// The messages reading a project shows, in order: the file that cannot be opened, or the invalid
// file; otherwise the branch-piece notice of format "1" (caption: the error caption), the notice
// that an older format was converted, and the invalid-file message for an empty row 25. File
// messages carry global text 149 as caption.
text::Messages ProjectReadMessages(const ProjectReadResult& result, const text::TextStore& texts);

}  // namespace velmora::project
