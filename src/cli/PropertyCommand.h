#pragma once

#include <span>
#include <string>

#include "FlatJson.h"
#include "PropertyRequest.h"
#include "text/TextStore.h"

// velmora-calc property: the property dialogs' calculations with their range checks and messages.
namespace velmora::cli {

// The work space of one caller, reused from request to request (as the element batch's Scratch).
struct PropertyScratch {
  FlatObject object;
  PropertyRequest request;
  std::string refused;
};

// Answers scratch.request (already read) with one JSON line appended to `out`: the error of an
// unusable request, "refused" with the dialog's message for a state its checks refuse, else the
// properties. Returns false when the state was refused (scratch.refused holds the message).
bool AnswerProperty(const text::TextStore& texts, PropertyScratch& scratch, std::string& out);

// velmora-calc property ARGUMENTS (the words after "property"): one state or --batch. Returns the
// exit status.
int RunPropertyCommand(std::span<const char* const> arguments, const text::TextStore& texts);

// The text of velmora-calc property --help.
extern const char* const PropertyHelpText;

}  // namespace velmora::cli
