#include "text/TextStore.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>

#include "text/TEncryption.h"
#include "text/TextFiles.h"

namespace velmora::text {
namespace {

namespace fs = std::filesystem;

// A program folder with text files whose every field names its own position, so that the tests
// see exactly which line and field the store reads.
class TextFolder {
 public:
  TextFolder()
      : path_(fs::temp_directory_path() /
              ("velmora-texts-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++))) {
    fs::create_directories(path_);
  }
  ~TextFolder() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

  void Write(const std::string& name, const std::vector<std::string>& lines, bool scramble) const {
    std::ofstream out(path_ / name, std::ios::binary);
    for (const std::string& line : lines) out << (scramble ? Scramble(line, 3) : line) << "\r\n";
  }

  void WriteAll(int globalLines = 192, int catalogueLines = 141) const {
    std::vector<std::string> global;
    for (int n = 0; n < globalLines; ++n) {
      const std::string id = std::to_string(n);
      global.push_back(id + "\tid\t\tD" + id + "\tE" + id + "\tF" + id + "\tH" + id);
    }
    if (globalLines > TextStore::kLastGlobalText) {
      global.push_back("x\tvocab\t\tDurchmesser\tdiameter\tdiamètre\tdiameter");
    }
    Write("varglob.gru", global, true);
    Write("varsonst.gru",
          {"First\ta\t\tD-a\tE-a\tF-a\tH-a", "\tb\t\tD-b\tE-b\tF-b\tH-b",
           "MyWindow\tDatei1\t\t&Datei\t&File\t&Fichier\t&Bestand", "\tNeu1\t\t&Neu\t&New\t&Nouveau\t&Nieuw",
           "\tEmpty\t\t\t\t\t", "Last\tz\t\tD-z\tE-z\tF-z\tH-z"},
          true);
    std::vector<std::string> catalogue;
    for (int n = 0; n < catalogueLines; ++n) {
      const std::string id = std::to_string(n);
      catalogue.push_back(id + "\t-\tD" + id + "\tE" + id + "\tF" + id + "\tH" + id);
    }
    Write("elemente.gru", catalogue, false);
  }

 private:
  static inline int counter_ = 0;
  fs::path path_;
};

TEST(TextStore, ReadsGlobalTextsFromTheirLinesAndSkipsTheGap) {
  TextFolder folder;
  folder.WriteAll();
  TextStore store('D');
  store.LoadTexts(folder.path());
  EXPECT_EQ(store.GlobalText(6), "D6");
  EXPECT_EQ(store.GlobalText(154), "D154");
  EXPECT_EQ(store.GlobalText(165), "D165");
  EXPECT_EQ(store.GlobalText(191), "D191");
  for (const int unread : {0, 5, 155, 160, 164, 192, -1}) EXPECT_EQ(store.GlobalText(unread), "") << unread;
  EXPECT_EQ(store.VocabularyLines().size(), 1u);
}

TEST(TextStore, EachEditionReadsItsOwnColumn) {
  TextFolder folder;
  folder.WriteAll();
  const struct {
    Edition edition;
    const char* global;
    const char* group;
    const char* kind;
  } cases[] = {
      {'D', "D100", "D2", "D24"}, {'E', "E100", "E2", "E24"}, {'F', "F100", "F2", "F24"}, {'H', "H100", "H2", "H24"}};
  for (const auto& c : cases) {
    TextStore store(c.edition);
    store.LoadTexts(folder.path());
    EXPECT_EQ(store.GlobalText(100), c.global) << c.edition;
    EXPECT_EQ(store.GroupName(1), c.group) << c.edition;
    EXPECT_EQ(store.KindName(1, 1), c.kind) << c.edition;
  }
}

TEST(TextStore, KindNamesLieAtNineGroupPlusKindPlusFourteen) {
  TextFolder folder;
  folder.WriteAll();
  TextStore store('E');
  store.LoadTexts(folder.path());
  EXPECT_EQ(store.GroupName(13), "E14");
  EXPECT_EQ(store.KindName(13, 9), "E140");
  EXPECT_EQ(store.KindName(5, 6), "E65");
  EXPECT_EQ(store.KindNameIn('D', 5, 6), "D65");
  EXPECT_EQ(store.KindNameIn('F', 5, 6), "F65");
  EXPECT_EQ(store.KindName(14, 1), "");
  EXPECT_EQ(store.KindName(1, 10), "");
}

TEST(TextStore, FormBlocksAreFoundByWindowNameAndReadInOrder) {
  TextFolder folder;
  folder.WriteAll();
  TextStore store('F');
  store.LoadTexts(folder.path());
  FormTextReader reader = store.FormText("MyWindow");
  EXPECT_EQ(reader.Next(), "&Fichier");
  EXPECT_EQ(reader.Next(), "&Nouveau");
  EXPECT_EQ(store.FormText("MyWindow", "Neu1"), "&Nouveau");
  EXPECT_EQ(store.FormText("First", "b"), "F-b");
  EXPECT_THROW(store.FormText("Mywindow"), TextFileError);  // the comparison is case-sensitive
}

TEST(TextStore, ReadingPastTheLastLineIsADataError) {
  TextFolder folder;
  folder.WriteAll();
  TextStore store('D');
  store.LoadTexts(folder.path());
  FormTextReader reader = store.FormText("Last");
  EXPECT_EQ(reader.Next(), "D-z");
  EXPECT_THROW(reader.Next(), TextFileError);
}

TEST(TextStore, RecordsTextsAskedForButMissing) {
  TextFolder folder;
  folder.WriteAll();
  TextStore store('D');
  store.LoadTexts(folder.path());
  EXPECT_EQ(store.FormText("MyWindow", "Empty"), "");
  EXPECT_EQ(store.FormText("MyWindow", "NoSuchKey"), "");
  EXPECT_EQ(store.FormText("First", "Neu1"), "");  // the key belongs to another block
  (void)store.GlobalText(160);
  EXPECT_EQ(store.MissingTexts(),
            (std::set<std::string>{"MyWindow/Empty", "MyWindow/NoSuchKey", "First/Neu1", "global 160"}));
}

TEST(TextStore, MissingOrShortFilesStopTheLoadAndKeepThePreviousTexts) {
  TextFolder good;
  good.WriteAll();
  TextStore store('D');
  store.LoadTexts(good.path());

  const struct {
    const char* name;
    int globalLines;
    int catalogueLines;
    const char* remove;
  } cases[] = {{"shortGlobal", 191, 141, nullptr},
               {"shortCatalogue", 192, 140, nullptr},
               {"noVarsonst", 192, 141, "varsonst.gru"},
               {"noVarglob", 192, 141, "varglob.gru"},
               {"noElemente", 192, 141, "elemente.gru"}};
  for (const auto& c : cases) {
    TextFolder bad;
    bad.WriteAll(c.globalLines, c.catalogueLines);
    if (c.remove) fs::remove(bad.path() / c.remove);
    EXPECT_THROW(store.LoadTexts(bad.path()), TextFileError) << c.name;
    EXPECT_EQ(store.GlobalText(191), "D191") << c.name;
  }
}

TEST(TextStore, DamagedScrambledLineIsATextFileError) {
  TextFolder folder;
  folder.WriteAll();
  std::ofstream(folder.path() / "varsonst.gru", std::ios::app) << "A0\r\n";
  TextStore store('D');
  EXPECT_THROW(store.LoadTexts(folder.path()), TextFileError);
}

TEST(TextStore, RandomlyDamagedFilesGiveAnErrorOrTextsButNeverACrash) {
  TextFolder folder;
  folder.WriteAll();
  std::string original;
  {
    std::ifstream in(folder.path() / "varglob.gru", std::ios::binary);
    original.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::uint32_t state = 12345;
  auto next = [&state] { return state = state * 1664525u + 1013904223u; };
  for (int round = 0; round < 200; ++round) {
    std::string damaged = original;
    for (int hit = 0; hit < 1 + round % 7; ++hit) {
      damaged[next() % damaged.size()] = static_cast<char>(next() % 256);
    }
    if (round % 5 == 0) damaged.resize(next() % damaged.size());
    std::ofstream(folder.path() / "varglob.gru", std::ios::binary | std::ios::trunc) << damaged;
    TextStore store('H');
    try {
      store.LoadTexts(folder.path());
      (void)store.GlobalText(100);
    } catch (const TextFileError&) {}
  }
}

TEST(TextFiles, SplitsLinesLikeATextFile) {
  EXPECT_EQ(SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
  EXPECT_EQ(SplitLines("\n\n"), (std::vector<std::string>{"", ""}));
  EXPECT_TRUE(SplitLines("").empty());
  // Lone CR line ends, as old editors write them, alone and mixed with the others.
  EXPECT_EQ(SplitLines("a\rb\rc\r"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("a\r\rb\r\n\nc"), (std::vector<std::string>{"a", "", "b", "", "c"}));
}

}  // namespace
}  // namespace velmora::text
