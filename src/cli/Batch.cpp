#include "Batch.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "FlatJson.h"
#include "Request.h"
#include "ResultLine.h"
#include "hydraulics/ElementCalculation.h"

namespace velmora::cli {

namespace {

// Scratch space of the batch loop, allocated once: a FlatObject holds 32 decoded members.
struct Scratch {
  FlatObject object;
  Request request;
};

Scratch& SharedScratch() {
  static Scratch scratch;
  return scratch;
}

bool WriteAll(int fd, std::string& out) {
  std::size_t done = 0;
  while (done < out.size()) {
    const ssize_t n = ::write(fd, out.data() + done, out.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  out.clear();
  return true;
}

void TooLong(std::string& out) {
  Request& request = SharedScratch().request;
  request = Request{};
  std::strcpy(request.error, "line too long");
  AppendResultLine(out, request, {});
}

}  // namespace

void ProcessLine(std::string_view line, std::string& out) {
  Scratch& s = SharedScratch();
  RequestFromLine(line, s.object, s.request);
  hydraulics::ElementOutcome outcome;
  if (!s.request.Failed()) outcome = hydraulics::CalculateElement(s.request.input);
  AppendResultLine(out, s.request, outcome);
}

bool RunBatch(int in, int outFd) {
  constexpr std::size_t kChunk = 1 << 16;
  constexpr std::size_t kFlushAt = 1 << 16;
  static char chunk[kChunk];
  std::string line;
  line.reserve(MaxLineLength);
  std::string out;
  out.reserve(kFlushAt + 4096);
  bool overlong = false;
  bool pending = false;  // a line has begun since the last newline
  for (;;) {
    if (!WriteAll(outFd, out)) return false;  // before waiting for more input
    const ssize_t got = ::read(in, chunk, kChunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (got == 0) break;
    const char* p = chunk;
    const char* const end = chunk + got;
    while (p < end) {
      const char* newline = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
      const char* stop = newline != nullptr ? newline : end;
      const auto length = static_cast<std::size_t>(stop - p);
      pending = true;
      if (!overlong) {
        if (line.size() + length > MaxLineLength) {
          overlong = true;
          line.clear();
        } else {
          line.append(p, length);
        }
      }
      if (newline == nullptr) break;
      if (overlong) {
        TooLong(out);
      } else {
        ProcessLine(line, out);
      }
      line.clear();
      overlong = false;
      pending = false;
      p = newline + 1;
      if (out.size() >= kFlushAt && !WriteAll(outFd, out)) return false;
    }
  }
  if (pending) {  // a last line without its newline
    if (overlong) {
      TooLong(out);
    } else {
      ProcessLine(line, out);
    }
  }
  return WriteAll(outFd, out);
}

}  // namespace velmora::cli
