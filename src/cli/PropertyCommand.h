#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "FlatJson.h"
#include "PropertyDatabases.h"
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
// properties. The gas, liquid and vapour-pressure tables come from `tables`; a name they do not
// hold is an error. Returns false when the state was refused (scratch.refused holds the message).
bool AnswerProperty(const text::TextStore& texts, PropertyDatabases& tables, PropertyScratch& scratch,
                    std::string& out);

// velmora-calc property ARGUMENTS (the words after "property"): one state or --batch, with the
// property tables of the program folder. Returns the exit status.
int RunPropertyCommand(std::span<const char* const> arguments, const text::TextStore& texts,
                       const std::filesystem::path& programFolder);

// The text of velmora-calc property --help.
extern const char* const PropertyHelpText;

}  // namespace velmora::cli
