#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "TestTexts.h"
#include "fluids/UserDatabase.h"
#include "fluids/UserDatabaseDialog.h"

namespace velmora::fluids {
namespace {

namespace fs = std::filesystem;

// A record laid out by hand: a string at `offset` is its length byte and its Windows-1252 bytes.
std::string HandRecord(std::string_view name, char phase, std::string_view density) {
  std::string record(kUserRecordSize, '\0');
  record[0] = static_cast<char>(name.size());
  record.replace(1, name.size(), name);
  record[256] = phase;
  record[257] = 2;
  record.replace(258, 2, "20");
  record[513] = 4;
  record.replace(514, 4, "1013");
  record[769] = static_cast<char>(density.size());
  record.replace(770, density.size(), density);
  record[1025] = 4;
  record.replace(1026, 4, "18,2");
  record[1281] = 7;
  record.replace(1282, 7,
                 "a\r\nb \xB0"
                 "C");
  return record;
}

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct UserFiles : testing::Test {
  void SetUp() override {
    folder = fs::temp_directory_path() / ("velmora_user_" + std::to_string(::getpid()));
    fs::create_directories(folder);
  }
  void TearDown() override {
    fs::permissions(folder, fs::perms::owner_all);
    fs::remove_all(folder);
  }
  fs::path folder;
};

// The layout: the texts at their offsets, Windows-1252 characters, the phase byte; a file written
// by the program is read back byte for byte, and written again the same.
TEST_F(UserFiles, RoundTripByteForByte) {
  const std::string bytes = HandRecord("\xD6l", 1, "870") + HandRecord("Luft", 7, "1,2") + HandRecord("", 0, "");
  const UserFileRead read = ReadUserRecords(bytes);
  ASSERT_EQ(read.records.size(), 3u);
  EXPECT_EQ(read.problem, UserFileProblem::None);
  EXPECT_EQ(read.records[0].name, "Öl");
  EXPECT_TRUE(read.records[0].Liquid());
  EXPECT_EQ(read.records[0].temperature, "20");
  EXPECT_EQ(read.records[0].pressure, "1013");
  EXPECT_EQ(read.records[0].density, "870");
  EXPECT_EQ(read.records[0].viscosity, "18,2");
  EXPECT_EQ(read.records[0].remarks, "a\r\nb °C");
  EXPECT_EQ(ShownRemarks(read.records[0].remarks), "a\nb °C");
  EXPECT_EQ(StoredRemarks("a\nb °C"), read.records[0].remarks);
  EXPECT_FALSE(read.records[1].Liquid());  // any value but 1 is a gas
  const fs::path path = folder / kUserFileName;
  ASSERT_EQ(WriteUserFile(path, read.records), UserFileWrite::Written);
  EXPECT_EQ(FileBytes(path), bytes);
  EXPECT_EQ(ReadUserFile(path).records, read.records);
  EXPECT_EQ(ReadUserRecords("").records.size(), 0u);  // an empty file: no record
}

// A name of 255 characters round-trips; a longer one is cut to 255.
TEST_F(UserFiles, NamesUpTo255Characters) {
  UserRecord record;
  record.name = std::string(255, 'x');
  EXPECT_EQ(DecodeUserRecord(EncodeUserRecord(record)).name, record.name);
  record.name = std::string(300, 'y');
  EXPECT_EQ(DecodeUserRecord(EncodeUserRecord(record)).name, std::string(255, 'y'));
  record.name = std::string(254, 'z') + "é";  // 255 characters of the code page
  EXPECT_EQ(DecodeUserRecord(EncodeUserRecord(record)).name, record.name);
}

// A cut-off file keeps its whole records; a record whose values are no numbers is kept and named;
// both are damaged (reported, never overwritten without asking).
TEST_F(UserFiles, DamagedFiles) {
  const std::string records = HandRecord("A", 1, "870") + HandRecord("B", 1, "viel") + HandRecord("C", 1, "");
  UserFileRead read = ReadUserRecords(records + std::string(100, 'x'));
  EXPECT_EQ(read.records.size(), 3u);
  EXPECT_EQ(read.problem, UserFileProblem::CutOff);
  EXPECT_EQ(read.droppedBytes, 100u);
  EXPECT_EQ(read.nonNumeric, std::vector<int>{2});  // an empty value reads 0 in the main window
  EXPECT_TRUE(read.Damaged());
  read = ReadUserRecords(HandRecord("A", 1, "870"));
  EXPECT_FALSE(read.Damaged());
  EXPECT_EQ(ReadUserFile(folder / "none").problem, UserFileProblem::Missing);
  EXPECT_EQ(ReadUserFile(folder).problem, UserFileProblem::Unreadable);  // a folder
}

// A save that may not or cannot replace the file leaves the previous file as it was (the tests run
// as root: the write-protection bits are honoured all the same).
TEST_F(UserFiles, FailedSaveKeepsThePreviousFile) {
  const fs::path path = folder / kUserFileName;
  const std::string before = HandRecord("Alt", 1, "1");
  std::ofstream(path, std::ios::binary) << before;
  std::vector<UserRecord> records(2);
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(WriteUserFile(path, records), UserFileWrite::ReadOnly);
  EXPECT_EQ(FileBytes(path), before);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(WriteUserFile(path, records), UserFileWrite::ReadOnly);
  EXPECT_EQ(FileBytes(path), before);
  fs::permissions(folder, fs::perms::owner_all);
  EXPECT_EQ(WriteUserFile(folder / "new" / kUserFileName, records), UserFileWrite::Written);  // folder made
  EXPECT_EQ(fs::file_size(folder / "new" / kUserFileName), 2 * kUserRecordSize);
  EXPECT_EQ(WriteUserFile(folder, records), UserFileWrite::CannotWrite);  // a folder cannot be replaced
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    EXPECT_EQ(entry.path().extension(), entry.is_directory() ? "" : ".DAT") << entry.path();  // no temporary left
  }
}

// Navigation, new, delete and sort of the list; nothing is written back while it is empty.
TEST(UserList, EditingRules) {
  UserDatabase list;
  UserRecord shown;
  shown.name = "lost";
  list.WriteBack(shown);  // no record: nothing happens
  list.Back(1);
  list.DeleteCurrent();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Position(), 0);
  EXPECT_EQ(list.Current(), nullptr);
  list.Append();
  EXPECT_EQ(list.Position(), 1);
  EXPECT_TRUE(list.Current()->Liquid());
  list.DeleteCurrent();  // the only record: an empty list
  EXPECT_EQ(list.Count(), 0);
  std::vector<UserRecord> six(6);
  const char* names[] = {"delta", "Alpha", "charlie", "Bravo", "alpha", "echo"};
  for (int i = 0; i < 6; ++i) six[static_cast<std::size_t>(i)].name = names[i];
  list.Replace(six);
  list.MoveTo(3);
  list.Forward(5);
  EXPECT_EQ(list.Position(), 6);  // five forward from 3 of 6
  list.MoveTo(5);
  list.Back(5);
  EXPECT_EQ(list.Position(), 1);  // five back from 5
  list.MoveTo(6);
  list.Back(5);
  EXPECT_EQ(list.Position(), 1);
  list.MoveTo(2);
  list.DeleteCurrent();
  EXPECT_EQ(list.Position(), 1);
  EXPECT_EQ(list.Current()->name, "delta");
  list.SortByName();
  std::vector<std::string> sorted;
  for (const UserRecord& record : list.Records()) sorted.push_back(record.name);
  EXPECT_EQ(sorted, (std::vector<std::string>{"alpha", "Bravo", "charlie", "delta", "echo"}));
}

}  // namespace
}  // namespace velmora::fluids

namespace velmora::fluids {
namespace {

// The hand-over as stored: metric into kg/m³, dynamic 10⁻⁶ kg/(m·s), mbar and °C; US into
// lb./cu.ft., dynamic cP, psia and °F; a liquid leaves the gas fields.
TEST(UserTakeOver, UnitsAgreeWithTheStoredValues) {
  UserRecord gas;
  gas.name = "Prozessgas";
  gas.phase = 0;
  gas.temperature = "20";
  gas.pressure = "1013";
  gas.density = "1,2";
  gas.viscosity = "18";
  MediumTakeOver metric = UserTakeOver(gas, false);
  EXPECT_EQ(metric.description, "Prozessgas");
  EXPECT_TRUE(metric.gas);
  EXPECT_EQ(metric.densityUnit, 0);
  EXPECT_EQ(metric.viscosityKind, 0);
  EXPECT_EQ(metric.viscosityUnit, 0);
  EXPECT_EQ(metric.gasData->pressureUnit, 1);  // mbar
  EXPECT_EQ(metric.gasData->temperatureUnit, 0);
  const MediumTakeOver us = UserTakeOver(gas, true);
  EXPECT_EQ(us.densityUnit, 8);
  EXPECT_EQ(us.viscosityKind, 0);  // cP is a dynamic viscosity
  EXPECT_EQ(us.viscosityUnit, 5);
  EXPECT_EQ(us.gasData->pressureUnit, 11);  // psia
  EXPECT_EQ(us.gasData->temperatureUnit, 2);
  gas.phase = 1;
  EXPECT_FALSE(UserTakeOver(gas, false).gasData);
}

// What reading reports: the missing file with its warning, a damaged one with what was kept.
TEST(UserTakeOver, LoadMessages) {
  const text::TextStore& texts = testing_support::Texts('D');
  UserFileRead read;
  read.problem = UserFileProblem::Missing;
  std::optional<text::Message> message = UserLoadMessage(texts, read, "/x/USER.DAT");
  EXPECT_EQ(message->text,
            "Die Datei der benutzerdefinierten Medien ist nicht vorhanden oder kann nicht gelesen werden; die "
            "Datenbank ist leer: USER.DAT");
  EXPECT_EQ(message->icon, text::MessageIcon::Exclamation);
  read.problem = UserFileProblem::CutOff;
  read.droppedBytes = 12;
  read.nonNumeric = {2, 5};
  message = UserLoadMessage(texts, read, "/x/USER.DAT");
  EXPECT_NE(message->text.find(": 12\n"), std::string::npos) << message->text;
  EXPECT_NE(message->text.find("2, 5"), std::string::npos) << message->text;
  EXPECT_EQ(message->icon, text::MessageIcon::Information);
  EXPECT_FALSE(UserLoadMessage(texts, UserFileRead{}, "/x/USER.DAT"));
  EXPECT_EQ(PositionText(texts, 1, 3), "Datensatz 1 von 3");
  EXPECT_EQ(UserFieldCaptions(texts, kUserEditBlock, true).pressure, "Druck psi:");
}

}  // namespace
}  // namespace velmora::fluids
