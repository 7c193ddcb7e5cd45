#include "Batch.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "Request.h"

namespace velmora::cli {

namespace {

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

void TooLong(const Checks& checks, Scratch& scratch, std::string& out) {
  scratch.request = Request{};
  std::strcpy(scratch.request.error, "line too long");
  Answer(checks, scratch, out);
}

}  // namespace

void ProcessLine(std::string_view line, const Checks& checks, Scratch& scratch, std::string& out) {
  RequestFromLine(line, scratch.object, scratch.request);
  Answer(checks, scratch, out);
}

bool RunBatch(int in, int outFd, const Checks& checks) {
  // About 80 KiB of work space, allocated once per run.
  const auto scratch = std::make_unique<Scratch>();
  return RunLines(in, outFd, [&](std::string_view line, bool tooLong, std::string& out) {
    if (tooLong) {
      TooLong(checks, *scratch, out);
    } else {
      ProcessLine(line, checks, *scratch, out);
    }
  });
}

bool RunLines(int in, int outFd, const LineAnswerer& answer) {
  constexpr std::size_t kChunk = 1 << 16;
  constexpr std::size_t kFlushAt = 1 << 16;
  const auto chunk = std::make_unique<char[]>(kChunk);
  std::string line;
  line.reserve(MaxLineLength);
  std::string out;
  out.reserve(kFlushAt + 4096);
  bool overlong = false;
  bool pending = false;  // a line has begun since the last newline
  for (;;) {
    if (!WriteAll(outFd, out)) return false;  // before waiting for more input
    const ssize_t got = ::read(in, chunk.get(), kChunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (got == 0) break;
    const char* p = chunk.get();
    const char* const end = p + got;
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
      answer(overlong ? std::string_view() : std::string_view(line), overlong, out);
      line.clear();
      overlong = false;
      pending = false;
      p = newline + 1;
      if (out.size() >= kFlushAt && !WriteAll(outFd, out)) return false;
    }
  }
  if (pending) answer(overlong ? std::string_view() : std::string_view(line), overlong, out);  // no newline
  return WriteAll(outFd, out);
}

}  // namespace velmora::cli
