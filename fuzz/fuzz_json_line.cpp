// One line of velmora-calc's batch input, as a script or a hostile file may send it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FlatJson.h"
#include "Request.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  velmora::cli::FlatObject scratch;
  velmora::cli::Request request;
  velmora::cli::RequestFromLine(line, scratch, request);
  return 0;
}
