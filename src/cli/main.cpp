// velmora-calc: the command-line calculator on the hydraulic core.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "Answer.h"
#include "Batch.h"
#include "CalcCommand.h"
#include "Curve.h"
#include "Help.h"
#include "ListCommand.h"
#include "PartsCommand.h"
#include "PartsDatabases.h"
#include "PropertyCommand.h"
#include "Request.h"
#include "TableCommand.h"
#include "text/TextFiles.h"
#include "text/TextStore.h"

namespace {

using namespace velmora::cli;

constexpr int kUsageError = 2;
constexpr int kFailure = 1;  // refused, no texts, or input/output failed

// The message when the language texts cannot be read: fixed, since it cannot come from them.
constexpr const char* kMissingTextFiles =
    "The files elemente.gru/varsonst.gru/varglob.gru are not available. It is not possible to start the program.";

int Usage(const char* problem) {
  std::fprintf(stderr, "velmora-calc: %s\n%s", problem, UsageText);
  return kUsageError;
}

// The folder of this program, where its language texts lie.
std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
  return std::filesystem::absolute(argv0, error).parent_path();
}

// The texts of this build's edition from the program folder; nothing (after saying so on
// standard error) when they cannot be read.
std::unique_ptr<velmora::text::TextStore> LoadTexts(const char* argv0) {
  auto texts = std::make_unique<velmora::text::TextStore>(VELMORA_EDITION_LETTER);
  try {
    texts->LoadTexts(ProgramFolder(argv0));
    return texts;
  } catch (const velmora::text::TextFileError&) {
    std::fprintf(stderr, "%s\n", kMissingTextFiles);
    return nullptr;
  }
}

// Takes a leading --no-checks off the arguments.
bool TakeNoChecks(std::span<const char* const>& arguments) {
  if (arguments.empty() || std::string_view(arguments.front()) != "--no-checks") return false;
  arguments = arguments.subspan(1);
  return true;
}

bool WriteAll(const std::string& out) {
  return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && std::fflush(stdout) == 0;
}

int Element(std::span<const char* const> arguments, const Checks& checks) {
  const auto scratch = std::make_unique<Scratch>();
  RequestFromArguments(arguments, scratch->request);
  std::string out;
  const bool calculated = Answer(checks, *scratch, out);
  if (!WriteAll(out)) return kFailure;
  if (scratch->request.Failed()) return kUsageError;
  if (!calculated) {
    std::fprintf(stderr, "%s\n", scratch->refused.c_str());
    return kFailure;
  }
  return 0;
}

// velmora-calc property: the property dialogs' calculations, with their texts.
int Property(std::span<const char* const> arguments, const char* argv0) {
  if (!arguments.empty() && std::string_view(arguments.front()) == "--help") {
    std::fputs(PropertyHelpText, stdout);
    return 0;
  }
  const std::unique_ptr<velmora::text::TextStore> texts = LoadTexts(argv0);
  if (!texts) return kFailure;
  return RunPropertyCommand(arguments, *texts, ProgramFolder(argv0));
}

// velmora-calc list: the names of a property table.
int List(std::span<const char* const> arguments, const char* argv0) {
  const std::unique_ptr<velmora::text::TextStore> texts = LoadTexts(argv0);
  if (!texts) return kFailure;
  return RunListCommand(arguments, *texts, ProgramFolder(argv0));
}

// velmora-calc curve: the texts first, for its messages.
int Curve(std::span<const char* const> arguments, const char* argv0) {
  const std::unique_ptr<velmora::text::TextStore> texts = LoadTexts(argv0);
  if (!texts) return kFailure;
  std::string out;
  std::string err;
  const int status = RunCurve(arguments, *texts, out, err);
  std::fputs(err.c_str(), stderr);
  if (!WriteAll(out)) return kFailure;
  return status;
}

// velmora-calc calc: the calculator dialogs, in the edition each request asks for.
int Calc(std::span<const char* const> arguments, const char* argv0) {
  std::unique_ptr<velmora::text::TextStore> stores[4];
  const TextsOf texts = [&](velmora::text::Edition edition) -> const velmora::text::TextStore* {
    auto& store = stores[velmora::text::EditionIndex(edition)];
    if (store) return store.get();
    store = std::make_unique<velmora::text::TextStore>(edition);
    try {
      store->LoadTexts(ProgramFolder(argv0));
    } catch (const velmora::text::TextFileError&) {
      std::fprintf(stderr, "%s\n", kMissingTextFiles);
      store.reset();
    }
    return store.get();
  };
  return RunCalcCommand(arguments, texts, VELMORA_EDITION_LETTER);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage("no command given");
  const std::string_view command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(HelpText, stdout);
    std::fputs(TableHelpText, stdout);
    std::fputs(PartsDatabasesHelpText, stdout);
    return 0;
  }
  if (command == "--version") {
    std::printf("velmora-calc %s\n", VELMORA_VERSION);
    return 0;
  }
  if (command == "property")
    return Property(std::span<const char* const>(argv + 2, static_cast<std::size_t>(argc - 2)), argv[0]);
  if (command == "curve")
    return Curve(std::span<const char* const>(argv + 2, static_cast<std::size_t>(argc - 2)), argv[0]);
  if (command == "parts") {
    const std::span<const char* const> rest(argv + 2, static_cast<std::size_t>(argc - 2));
    if (!rest.empty() && std::string_view(rest.front()) == "--help") {
      return std::fputs(PartsHelpText, stdout) < 0 || std::fputs(PartsDatabasesHelpText, stdout) < 0;
    }
    const std::unique_ptr<velmora::text::TextStore> texts = LoadTexts(argv[0]);
    if (!texts) return kFailure;
    std::string out;
    std::string err;
    const int status = RunParts(rest, *texts, ProgramFolder(argv[0]), out, err);
    std::fputs(err.c_str(), stderr);
    if (!WriteAll(out)) return kFailure;
    return status;
  }
  if (command == "table") {
    const std::unique_ptr<velmora::text::TextStore> texts = LoadTexts(argv[0]);
    if (!texts) return kFailure;
    return RunTable({argv + 2, static_cast<std::size_t>(argc - 2)}, *texts, stdout, stderr);
  }
  if (command == "calc")
    return Calc(std::span<const char* const>(argv + 2, static_cast<std::size_t>(argc - 2)), argv[0]);
  if (command == "list")
    return List(std::span<const char* const>(argv + 2, static_cast<std::size_t>(argc - 2)), argv[0]);
  if (command != "element" && command != "batch") return Usage("unknown command");
  std::span<const char* const> rest(argv + 2, static_cast<std::size_t>(argc - 2));
  const bool noChecks = TakeNoChecks(rest);
  if (command == "batch" && !rest.empty()) {
    return Usage("batch takes no arguments but --no-checks; it reads JSON lines from standard input");
  }
  std::unique_ptr<velmora::text::TextStore> texts;
  if (!noChecks) {
    texts = LoadTexts(argv[0]);
    if (!texts) return kFailure;
  }
  const Checks checks = noChecks ? Checks::None() : Checks(*texts);
  if (command == "element") return Element(rest, checks);
  return RunBatch(STDIN_FILENO, STDOUT_FILENO, checks) ? 0 : kFailure;
}
