// USER.DAT as it may arrive: any bytes read into records (whole records kept, a cut-off rest and
// values that are no numbers noted), then written back and read again: the records must survive
// their own round trip unchanged. Nothing may crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fluids/UserDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora::fluids;
  const UserFileRead read = ReadUserRecords(std::string_view(reinterpret_cast<const char*>(data), size));
  std::string written;
  for (const UserRecord& record : read.records) written += EncodeUserRecord(record);
  if (written.size() != read.records.size() * kUserRecordSize) std::abort();
  if (ReadUserRecords(written).records != read.records) std::abort();
  UserDatabase list;
  list.Replace(read.records);
  list.Forward(5);
  list.SortByName();
  list.DeleteCurrent();
  list.Back(5);
  return 0;
}
