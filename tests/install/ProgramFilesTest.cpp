// Where the program writes and reads the files it changes: its own folder while it may write
// there, the user's data folder otherwise.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>

#include "install/ProgramFiles.h"

namespace velmora::install {
namespace {

namespace fs = std::filesystem;

class ProgramFiles : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("velmora-install-" + std::to_string(std::random_device()()));
    folders_ = {root_ / "program", root_ / "user" / "velmora"};
    fs::create_directories(folders_.program);
  }
  void TearDown() override { fs::remove_all(root_); }
  static void Put(const fs::path& path) { std::ofstream(path) << "x"; }

  fs::path root_;
  ProgramFolders folders_;
};

TEST_F(ProgramFiles, AWritableProgramFolderKeepsTheFiles) {
  EXPECT_TRUE(CanWriteIn(folders_.program, "USER.DAT"));
  EXPECT_EQ(WritePath(folders_, "USER.DAT"), folders_.program / "USER.DAT");
  EXPECT_FALSE(fs::exists(folders_.userData)) << "no user folder is made while it is not needed";
  EXPECT_EQ(ReadPath(folders_, "USER.DAT"), folders_.program / "USER.DAT");
}

TEST_F(ProgramFiles, AnInstalledProgramWritesIntoTheUsersFolderAndReadsItsCopyFirst) {
  // An installed program folder belongs to the system (the tests may run as root, who could write).
  const fs::path target = WritePath(folders_, "USER.DAT", false);
  EXPECT_EQ(target, folders_.userData / "USER.DAT");
  EXPECT_TRUE(fs::is_directory(folders_.userData));
  Put(folders_.program / "USER.DAT");  // the shipped file
  EXPECT_EQ(ReadPath(folders_, "USER.DAT"), folders_.program / "USER.DAT");
  Put(target);  // the user's own copy
  EXPECT_EQ(ReadPath(folders_, "USER.DAT"), target);
}

TEST_F(ProgramFiles, AMissingFolderIsNotWritable) { EXPECT_FALSE(CanWriteIn(root_ / "nowhere", "USER.DAT")); }

// Where a file goes and is read from, decided by the files and permissions on disk (permission
// bits, so that it holds for root too): the program folder while it and its copy may be written,
// the user's folder otherwise, and the user's folder from then on once the user's copy exists.
TEST_F(ProgramFiles, WhereEachFileGoesAndIsRead) {
  enum Place { kProgram, kUser };
  struct Case {
    const char* name;
    bool programFolderWritable, programCopy, programCopyWritable, userCopy;
    Place write, read;
  };
  const Case cases[] = {
      {"a fresh build folder", true, false, true, false, kProgram, kProgram},
      {"the program's own copy", true, true, true, false, kProgram, kProgram},
      {"an installed program folder", false, true, true, false, kUser, kProgram},
      {"an installed program without a copy", false, false, true, false, kUser, kProgram},
      {"the user's copy of an installed program", false, true, true, true, kUser, kUser},
      {"a write-protected copy in a writable folder", true, true, false, false, kUser, kProgram},
      {"the user's copy stays after the folder became writable", true, true, true, true, kUser, kUser},
  };
  const std::string name = "Pumpe.psa";
  for (const Case& c : cases) {
    fs::remove_all(root_);
    fs::create_directories(folders_.program);
    if (c.programCopy) Put(folders_.program / name);
    if (c.userCopy) {
      fs::create_directories(folders_.userData);
      Put(folders_.userData / name);
    }
    if (!c.programCopyWritable) fs::permissions(folders_.program / name, fs::perms::owner_read);
    if (!c.programFolderWritable) fs::permissions(folders_.program, fs::perms::owner_read | fs::perms::owner_exec);
    const fs::path folder = c.write == kProgram ? folders_.program : folders_.userData;
    EXPECT_EQ(CanWriteIn(folders_.program, name), c.programFolderWritable && c.programCopyWritable) << c.name;
    EXPECT_EQ(WriteFolder(folders_, name), folder) << c.name;
    EXPECT_EQ(WritePath(folders_, name), folder / name) << c.name;
    EXPECT_TRUE(fs::is_directory(folder)) << c.name << ": the folder written to exists";
    EXPECT_EQ(ReadPath(folders_, name), (c.read == kProgram ? folders_.program : folders_.userData) / name) << c.name;
    fs::permissions(folders_.program, fs::perms::owner_all);
  }
}

TEST(UserDataFolder, FollowsXdgDataHomeThenHome) {
  const char* savedData = std::getenv("XDG_DATA_HOME");
  const char* savedHome = std::getenv("HOME");
  const std::string data = savedData ? savedData : "";
  const std::string home = savedHome ? savedHome : "";
  setenv("XDG_DATA_HOME", "/data/home", 1);
  setenv("HOME", "/home/user", 1);
  EXPECT_EQ(UserDataFolder(), fs::path("/data/home/velmora"));
  setenv("XDG_DATA_HOME", "relative", 1);  // not absolute: ignored, as the XDG rules say
  EXPECT_EQ(UserDataFolder(), fs::path("/home/user/.local/share/velmora"));
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(UserDataFolder(), fs::path("/home/user/.local/share/velmora"));
  savedData ? setenv("XDG_DATA_HOME", data.c_str(), 1) : unsetenv("XDG_DATA_HOME");
  savedHome ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
}

}  // namespace
}  // namespace velmora::install
