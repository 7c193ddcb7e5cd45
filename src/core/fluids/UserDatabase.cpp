#include "fluids/UserDatabase.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

#include "project/Cp1252.h"
#include "project/ProjectFile.h"
#include "units/Numbers.h"

namespace velmora::fluids {
namespace {

constexpr std::size_t kStringSize = 256;  // a length byte and 255 characters
constexpr std::size_t kNameOffset = 0;
constexpr std::size_t kPhaseOffset = 256;
constexpr std::size_t kTemperatureOffset = 257;
constexpr std::size_t kPressureOffset = 513;
constexpr std::size_t kDensityOffset = 769;
constexpr std::size_t kViscosityOffset = 1025;
constexpr std::size_t kRemarksOffset = 1281;
static_assert(kRemarksOffset + kStringSize == kUserRecordSize);

void PutString(std::string& record, std::size_t offset, const std::string& text) {
  std::string bytes = project::Utf8ToCp1252(text);
  if (bytes.size() > kStringSize - 1) bytes.resize(kStringSize - 1);
  record[offset] = static_cast<char>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(offset + 1));
}

std::string GetString(std::string_view record, std::size_t offset) {
  const std::size_t length = static_cast<unsigned char>(record[offset]);  // at most 255: always inside
  return project::Cp1252ToUtf8(record.substr(offset + 1, length));
}

// A typed value the main window can read: empty (read as 0) or a number.
bool Readable(const std::string& text) {
  return text.find_first_not_of(' ') == std::string::npos || units::ParseNumber(text).has_value();
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& path) {
  std::random_device device;
  std::uniform_int_distribution<unsigned> digit(0, 15);
  std::string suffix;
  for (int i = 0; i < 8; ++i) suffix += "0123456789abcdef"[digit(device)];
  std::filesystem::path name = path.filename();
  name += "." + suffix + ".tmp";
  return path.parent_path() / name;
}

UserFileWrite Failed(const std::filesystem::path& temporary) {
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return UserFileWrite::CannotWrite;
}

// Letters compared without case; the bytes of other characters unsigned, so that they sort after ASCII.
int Lower(char c) {
  const int byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte;
}

}  // namespace

std::string EncodeUserRecord(const UserRecord& record) {
  std::string bytes(kUserRecordSize, '\0');
  PutString(bytes, kNameOffset, record.name);
  bytes[kPhaseOffset] = static_cast<char>(record.phase);
  PutString(bytes, kTemperatureOffset, record.temperature);
  PutString(bytes, kPressureOffset, record.pressure);
  PutString(bytes, kDensityOffset, record.density);
  PutString(bytes, kViscosityOffset, record.viscosity);
  PutString(bytes, kRemarksOffset, record.remarks);
  return bytes;
}

UserRecord DecodeUserRecord(std::string_view bytes) {
  UserRecord record;
  record.name = GetString(bytes, kNameOffset);
  record.phase = static_cast<std::uint8_t>(bytes[kPhaseOffset]);
  record.temperature = GetString(bytes, kTemperatureOffset);
  record.pressure = GetString(bytes, kPressureOffset);
  record.density = GetString(bytes, kDensityOffset);
  record.viscosity = GetString(bytes, kViscosityOffset);
  record.remarks = GetString(bytes, kRemarksOffset);
  return record;
}

UserFileRead ReadUserRecords(std::string_view bytes) {
  UserFileRead read;
  const std::size_t count = bytes.size() / kUserRecordSize;
  read.droppedBytes = bytes.size() % kUserRecordSize;
  if (read.droppedBytes != 0) read.problem = UserFileProblem::CutOff;
  for (std::size_t i = 0; i < count; ++i) {
    UserRecord record = DecodeUserRecord(bytes.substr(i * kUserRecordSize, kUserRecordSize));
    const bool gasDataRead = record.Liquid() || (Readable(record.temperature) && Readable(record.pressure));
    if (!Readable(record.density) || !Readable(record.viscosity) || !gasDataRead) {
      read.nonNumeric.push_back(static_cast<int>(i) + 1);
    }
    read.records.push_back(std::move(record));
  }
  return read;
}

UserFileRead ReadUserFile(const std::filesystem::path& path) {
  UserFileRead read;
  std::error_code error;
  if (!std::filesystem::exists(path, error) && !error) {
    read.problem = UserFileProblem::Missing;
    return read;
  }
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  std::ifstream in(path, std::ios::binary);
  if (error || !in || size > kUserFileLimit) {
    read.problem = UserFileProblem::Unreadable;
    return read;
  }
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(size));
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad() || bytes.size() > kUserFileLimit) {
    read.problem = UserFileProblem::Unreadable;
    return read;
  }
  return ReadUserRecords(bytes);
}

UserFileWrite WriteUserFile(const std::filesystem::path& path, const std::vector<UserRecord>& records) {
  std::error_code error;
  if (!path.parent_path().empty()) std::filesystem::create_directories(path.parent_path(), error);
  if (!project::MayReplace(path)) return UserFileWrite::ReadOnly;
  const std::filesystem::path temporary = TemporaryBeside(path);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return Failed(temporary);
    for (const UserRecord& record : records) {
      const std::string bytes = EncodeUserRecord(record);
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    out.flush();
    if (!out) return Failed(temporary);
    out.close();
    if (out.fail()) return Failed(temporary);
  }
  const std::filesystem::file_status target = std::filesystem::status(path, error);
  if (!error && std::filesystem::is_regular_file(target)) {
    std::filesystem::permissions(temporary, target.permissions(), error);  // best effort
  }
  std::filesystem::rename(temporary, path, error);
  if (error) return Failed(temporary);
  return UserFileWrite::Written;
}

std::string ShownRemarks(std::string_view stored) {
  std::string shown;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n') continue;
    shown += stored[i];
  }
  return shown;
}

std::string StoredRemarks(std::string_view shown) {
  std::string stored;
  for (const char c : shown) {
    if (c == '\n') stored += '\r';
    stored += c;
  }
  return stored;
}

void UserDatabase::Replace(std::vector<UserRecord> records) {
  records_ = std::move(records);
  position_ = records_.empty() ? 0 : 1;
}

const UserRecord* UserDatabase::Current() const {
  if (position_ < 1 || position_ > Count()) return nullptr;
  return &records_[static_cast<std::size_t>(position_ - 1)];
}

void UserDatabase::WriteBack(const UserRecord& shown) {
  if (Current() == nullptr) return;
  records_[static_cast<std::size_t>(position_ - 1)] = shown;
}

void UserDatabase::MoveTo(int position) { position_ = records_.empty() ? 0 : std::clamp(position, 1, Count()); }

void UserDatabase::Back(int steps) { MoveTo(position_ < steps + 1 ? 1 : position_ - steps); }

void UserDatabase::Forward(int steps) { MoveTo(position_ + steps > Count() ? Count() : position_ + steps); }

void UserDatabase::Append() {
  records_.push_back(UserRecord{});
  position_ = Count();
}

void UserDatabase::DeleteCurrent() {
  if (Current() == nullptr) return;
  records_.erase(records_.begin() + (position_ - 1));
  MoveTo(position_ - 1);
}

void UserDatabase::SortByName() {
  std::stable_sort(records_.begin(), records_.end(), [](const UserRecord& a, const UserRecord& b) {
    return std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
  });
  MoveTo(1);
}

}  // namespace velmora::fluids
