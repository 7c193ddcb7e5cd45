#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The user-defined media USER.DAT: fixed records of 1537 bytes, no header. Each record: the name
// (offset 0), the phase byte (256: 1 liquid, any other value gas), then the temperature (257),
// pressure (513), density (769), dynamic viscosity (1025) and remarks (1281), each a string of one
// length byte and up to 255 Windows-1252 characters in 256 bytes. Values are the texts as typed, in
// the units of the database's unit setting. Unused bytes are written as zeros.
namespace velmora::fluids {

inline constexpr const char* kUserFileName = "USER.DAT";
inline constexpr std::size_t kUserRecordSize = 1537;
// A larger file is no database of media (some 43 000 records).
inline constexpr std::uintmax_t kUserFileLimit = 64u * 1024u * 1024u;

struct UserRecord {
  std::string name;  // UTF-8 in memory
  std::uint8_t phase = 1;
  std::string temperature;
  std::string pressure;
  std::string density;
  std::string viscosity;
  std::string remarks;  // line breaks as stored (CR LF)

  bool Liquid() const { return phase == 1; }
  bool operator==(const UserRecord&) const = default;
};

// One record's 1537 bytes; each text cut to 255 characters of the code page.
std::string EncodeUserRecord(const UserRecord& record);
// A record from exactly kUserRecordSize bytes; a length byte beyond the field reads 255.
UserRecord DecodeUserRecord(std::string_view bytes);

enum class UserFileProblem {
  None,
  Missing,     // no file: an empty database
  Unreadable,  // the file cannot be read or is too large: an empty database
  CutOff,      // the size is no multiple of a record: the whole records are read, the rest dropped
};

struct UserFileRead {
  std::vector<UserRecord> records;
  UserFileProblem problem = UserFileProblem::None;
  std::vector<int> nonNumeric;  // records (from 1) whose density, viscosity or gas data are no numbers
  std::size_t droppedBytes = 0;

  // Damaged: reported, and not overwritten without asking.
  bool Damaged() const {
    return problem == UserFileProblem::CutOff || problem == UserFileProblem::Unreadable || !nonNumeric.empty();
  }
};

UserFileRead ReadUserRecords(std::string_view bytes);
UserFileRead ReadUserFile(const std::filesystem::path& path);

enum class UserFileWrite { Written, ReadOnly, CannotWrite };

// All records in order, written so that a failure leaves the file already there untouched: to a
// temporary file beside it, then renamed over it. A write-protected file or folder is refused.
UserFileWrite WriteUserFile(const std::filesystem::path& path, const std::vector<UserRecord>& records);

// A remark as a text edit shows it (LF) and back (CR LF).
std::string ShownRemarks(std::string_view stored);
std::string StoredRemarks(std::string_view shown);

// The list the user edits, in its own order, and the current position (from 1; 0 while empty).
class UserDatabase {
 public:
  void Replace(std::vector<UserRecord> records);
  const std::vector<UserRecord>& Records() const { return records_; }
  int Count() const { return static_cast<int>(records_.size()); }
  int Position() const { return position_; }
  const UserRecord* Current() const;

  // The shown fields back into the current record; nothing while the list is empty.
  void WriteBack(const UserRecord& shown);
  void MoveTo(int position);  // kept within 1 … count
  void Back(int steps);       // 1: stops at the first; 5: below position 6 to the first
  void Forward(int steps);    // stops at the last
  void Append();              // an empty liquid record at the end, made current
  void DeleteCurrent();       // the position moves back by one (stays at 1)
  void SortByName();          // by name, case-insensitive, stable; position 1

 private:
  std::vector<UserRecord> records_;
  int position_ = 0;
};

}  // namespace velmora::fluids
