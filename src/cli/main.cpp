// velmora-calc: the command-line calculator on the hydraulic core.
#include <unistd.h>

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "Batch.h"
#include "Help.h"
#include "Request.h"
#include "ResultLine.h"
#include "hydraulics/ElementCalculation.h"

namespace {

using namespace velmora::cli;

constexpr int kUsageError = 2;
constexpr int kIoError = 1;

int Usage(const char* problem) {
  std::fprintf(stderr, "velmora-calc: %s\n%s", problem, UsageText);
  return kUsageError;
}

int Element(std::span<const char* const> arguments) {
  static Request request;
  RequestFromArguments(arguments, request);
  velmora::hydraulics::ElementOutcome outcome;
  if (!request.Failed()) outcome = velmora::hydraulics::CalculateElement(request.input);
  std::string out;
  AppendResultLine(out, request, outcome);
  if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) return kIoError;
  return request.Failed() ? kUsageError : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage("no command given");
  const std::string_view command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(HelpText, stdout);
    return 0;
  }
  if (command == "--version") {
    std::printf("velmora-calc %s\n", VELMORA_VERSION);
    return 0;
  }
  const std::span<const char* const> rest(argv + 2, static_cast<std::size_t>(argc - 2));
  if (command == "element") return Element(rest);
  if (command == "batch") {
    if (!rest.empty()) return Usage("batch takes no arguments; it reads JSON lines from standard input");
    return RunBatch(STDIN_FILENO, STDOUT_FILENO) ? 0 : kIoError;
  }
  return Usage("unknown command");
}
