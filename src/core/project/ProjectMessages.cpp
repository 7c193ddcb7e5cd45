#include "project/ProjectMessages.h"

#include "project/LegacyConversion.h"
#include "text/GlobalTexts.h"

namespace velmora::project {
namespace {

text::Message FileMessage(const text::TextStore& texts, std::string_view key, text::MessageIcon icon) {
  return {texts.FormText(kMainWindowBlock, key), texts.GlobalText(text::global::kFileCaption), icon, {}};
}

}  // namespace

text::Messages ProjectReadMessages(const ProjectReadResult& result, const text::TextStore& texts) {
  using text::MessageIcon;
  switch (result.status) {
    case ProjectReadStatus::CannotOpen: return {FileMessage(texts, "msgProjectOpenFailed", MessageIcon::Error)};
    case ProjectReadStatus::InvalidFile: return {FileMessage(texts, "msgInvalidProject", MessageIcon::Error)};
    case ProjectReadStatus::Loaded:
    case ProjectReadStatus::EmptyRow25: break;
  }
  text::Messages messages;
  if (result.branchNotice) {
    messages.push_back(
        {std::string(legacy::kBranchNotice), texts.GlobalText(text::global::kErrorCaption), MessageIcon::Error, {}});
  }
  if (result.converted) messages.push_back(FileMessage(texts, "msgConvertedProject", MessageIcon::Information));
  if (result.status == ProjectReadStatus::EmptyRow25) {
    messages.push_back(FileMessage(texts, "msgInvalidProject", MessageIcon::Error));
  }
  return messages;
}

}  // namespace velmora::project
