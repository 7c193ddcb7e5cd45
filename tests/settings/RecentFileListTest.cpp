#include "settings/RecentFileList.h"

#include <gtest/gtest.h>

#include <set>

#include "settings/MemorySettingsStore.h"

namespace velmora::settings {
namespace {

class RecentFiles : public testing::Test {
 protected:
  RecentFileList list{[this](const std::string& path) { return existing.count(path) > 0; }};
  std::set<std::string> existing;
  MemorySettingsStore store;
};

TEST_F(RecentFiles, OpeningTheSameFileTwiceKeepsOneEntryAtTheFront) {
  existing = {"/p/a.vlm", "/p/b.vlm"};
  list.Add("/p/a.vlm");
  list.Add("/p/b.vlm");
  list.Add("/p/a.vlm");
  EXPECT_EQ(list.Paths(), (std::vector<std::string>{"/p/a.vlm", "/p/b.vlm"}));
}

TEST_F(RecentFiles, TwentyAreKeptAndMaxEntriesShown) {
  for (int n = 0; n < 25; ++n) {
    existing.insert("/p/f" + std::to_string(n) + ".vlm");
    list.Add("/p/f" + std::to_string(n) + ".vlm");
  }
  list.maxEntries = 6;
  EXPECT_EQ(list.Paths().size(), 20u);
  EXPECT_EQ(list.Paths().front(), "/p/f24.vlm");
  EXPECT_EQ(list.MenuCaptions("/elsewhere").size(), 6u);
}

TEST_F(RecentFiles, AFileThatDoesNotExistIsNotAdded) {
  list.Add("/p/gone.vlm");
  EXPECT_TRUE(list.Paths().empty());
}

TEST_F(RecentFiles, CaptionsByPathFormat) {
  existing = {"/work/here.vlm", "/other/there.vlm"};
  list.Add("/other/there.vlm");
  list.Add("/work/here.vlm");
  EXPECT_EQ(list.MenuCaptions("/work/"), (std::vector<std::string>{"&0 here.vlm", "&1 /other/there.vlm"}));
  list.pathFormat = PathFormat::FullPath;
  EXPECT_EQ(list.MenuCaptions("/work")[0], "&0 /work/here.vlm");
  list.pathFormat = PathFormat::NoPath;
  EXPECT_EQ(list.MenuCaptions("/work")[1], "&1 there.vlm");
  EXPECT_EQ(list.FileFor("&1 there.vlm", "/work"), "/other/there.vlm");
  EXPECT_EQ(list.FileFor("&7 nothing", "/work"), "");
}

TEST_F(RecentFiles, SavedAndLoadedInOrderWithoutMissingFiles) {
  existing = {"/p/a.vlm", "/p/b.vlm", "/p/c.vlm"};
  list.maxEntries = 6;
  list.Add("/p/a.vlm");
  list.Add("/p/b.vlm");
  list.Add("/p/c.vlm");
  ASSERT_TRUE(list.Save(store, "RecentFiles"));
  EXPECT_EQ(*store.Read("RecentFiles", "fRecentFile0"), "/p/c.vlm");
  EXPECT_EQ(*store.Read("RecentFiles", "fMaxEntries"), "6");

  existing.erase("/p/b.vlm");  // deleted since
  RecentFileList next([this](const std::string& path) { return existing.count(path) > 0; });
  next.Load(store, "RecentFiles");
  EXPECT_EQ(next.Paths(), (std::vector<std::string>{"/p/c.vlm", "/p/a.vlm"}));
  EXPECT_EQ(next.maxEntries, 6);

  // A shorter list clears the slots it no longer uses.
  ASSERT_TRUE(next.Save(store, "RecentFiles"));
  EXPECT_EQ(*store.Read("RecentFiles", "fRecentFile2"), "");
}

TEST_F(RecentFiles, MaxEntriesBelowOneBecomesFour) {
  store.Write("RecentFiles", "fMaxEntries", "0");
  list.Load(store, "RecentFiles");
  EXPECT_EQ(list.maxEntries, 4);
}

}  // namespace
}  // namespace velmora::settings
