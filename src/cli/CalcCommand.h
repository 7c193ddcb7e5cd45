#pragma once

#include <functional>
#include <span>
#include <string>

#include "CalcRequest.h"
#include "text/TextStore.h"

// velmora-calc calc: the calculator dialogs' calculations with their checks, messages and texts.
namespace velmora::cli {

// The texts of an edition; nullptr when they cannot be read.
using TextsOf = std::function<const text::TextStore*(text::Edition)>;

// Answers a request (already read) with one JSON line appended to `out`. Returns false when the
// calculator refused an input (its messages are then in `refused`).
bool AnswerCalc(const CalcRequest& request, const TextsOf& texts, std::string& out, std::string& refused);

// velmora-calc calc ARGUMENTS (the words after "calc"): one calculation or --batch. Returns the exit
// status.
int RunCalcCommand(std::span<const char* const> arguments, const TextsOf& texts, text::Edition edition);

// The text of velmora-calc calc --help.
std::string CalcHelpText();

}  // namespace velmora::cli
