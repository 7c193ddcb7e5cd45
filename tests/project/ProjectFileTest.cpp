#include <gtest/gtest.h>

#include "SampleTables.h"
#include "TemporaryFolder.h"
#include "TestTexts.h"
#include "project/Cp1252.h"
#include "project/ProjectFile.h"
#include "project/ProjectMessages.h"
#include "project/ProjectWriter.h"

namespace velmora::project {
namespace {

namespace fs = std::filesystem;

const text::TextStore& Texts(text::Edition edition) { return testing_support::Texts(edition); }

struct CodePageCase {
  const char* name;
  const char* utf8;
  const char* cp1252;
};

// Bytes from the code page 1252 table of the Unicode Consortium (MAPPINGS/VENDORS/MICSFT/WINDOWS).
const CodePageCase kCodePage[] = {
    {"uUmlaut", "\xC3\xBC", "\xFC"},            // ü
    {"euro", "\xE2\x82\xAC", "\x80"},           // €
    {"squared", "\xC2\xB2", "\xB2"},            // ²
    {"cubed", "\xC2\xB3", "\xB3"},              // ³
    {"degree", "\xC2\xB0", "\xB0"},             // °
    {"sharpS", "\xC3\x9F", "\xDF"},             // ß
    {"eAcute", "\xC3\xA9", "\xE9"},             // é
    {"enDash", "\xE2\x80\x93", "\x96"},         // –
    {"trademark", "\xE2\x84\xA2", "\x99"},      // ™
    {"capitalYDiaeresis", "\xC5\xB8", "\x9F"},  // Ÿ
    {"undefinedByteKeepsItsNumber", "\xC2\x81", "\x81"},
    {"ascii", "Kreisrohr/1", "Kreisrohr/1"},
};

class CodePageTest : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(CodePageTest, BothWays) {
  EXPECT_EQ(Utf8ToCp1252(GetParam().utf8), GetParam().cp1252);
  EXPECT_EQ(Cp1252ToUtf8(GetParam().cp1252), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Characters, CodePageTest, ::testing::ValuesIn(kCodePage),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CodePageTest, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
  EXPECT_EQ(Utf8ToCp1252("\xCE\xB6-Wert"), "?-Wert");  // ζ
  EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80!"), "?!");  // an emoji
  EXPECT_EQ(Utf8ToCp1252("a\xC3(b"), "a?(b");          // a broken sequence
  EXPECT_EQ(Utf8ToCp1252("\xC2\x80"), "?");            // U+0080 has no byte
}

TEST(CodePageTest, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

struct DecodeCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

const DecodeCase kDecodes[] = {
    {"windows1252", "Wasser/fl\xFC.\r\n0,5\r\n", {"Wasser/flü.", "0,5"}},
    {"utf8", "Wasser/fl\xC3\xBC.\r\n", {"Wasser/flü."}},
    {"utf8WithByteOrderMark",
     "\xEF\xBB\xBF"
     "Wasser/fl\xC3\xBC.\n",
     {"Wasser/flü."}},
    {"utf8LooksAreNotEnough", "fl\xC3\xBC und fl\xFC", {"flÃ¼ und flü"}},
    {"plainLineFeeds", "a\nb\n", {"a", "b"}},
    {"finalLineWithoutBreak", "a\r\nb", {"a", "b"}},
    {"emptyLastLineStays", "a\r\n\r\n", {"a", ""}},
    {"loneCarriageReturns", "6.0\rK\xFChlung\r\r", {"6.0", "Kühlung", ""}},
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, Lines) { EXPECT_EQ(DecodeProjectBytes(GetParam().bytes), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(Bytes, DecodeTest, ::testing::ValuesIn(kDecodes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EncodeTest, WindowsLinesWithCrLf) {
  EXPECT_EQ(EncodeProjectLines({"6.0", "Kühlung €"}), "6.0\r\nK\xFChlung \x80\r\n");
  EXPECT_EQ(EncodeProjectLines({}), "");
}

using ProjectFileTest = testing::TemporaryFolderTest;

TEST_F(ProjectFileTest, SaveAndOpenInEveryEdition) {
  for (const text::Edition edition : text::kEditions) {
    SCOPED_TRACE(std::string(1, edition));
    const fs::path path = folder_ / "Kühlwasser.vlm";
    const results::ResultsTable table = testing::SampleTable(edition);
    ProjectAppearance appearance;
    appearance.footerLine = "Seite 1 – Prüfung";
    ASSERT_TRUE(SaveProject(path, table, appearance, Texts(edition)).ok());
    const ProjectReadResult read = OpenProject(path, Texts(edition), {});
    EXPECT_EQ(read.status, ProjectReadStatus::Loaded) << read.detail;
    EXPECT_EQ(testing::Columns(read.table), testing::Columns(table));
    EXPECT_EQ(read.appearance.footerLine, appearance.footerLine);
    EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file left
  }
}

TEST_F(ProjectFileTest, FileIsWindows1252WithCrLf) {
  const fs::path path = folder_ / "p.vlm";
  results::ResultsTable table;
  table.SetProjectTitle("Kühlung");
  ASSERT_TRUE(SaveProject(path, table, {}, Texts('D')).ok());
  const std::string bytes = Bytes(path);
  EXPECT_TRUE(bytes.starts_with("6.0\r\nK\xFChlung\r\nM\r\n0\r\n"));
  EXPECT_TRUE(bytes.ends_with("\r\n0\r\n0\r\n0\r\n0\r\n"));
}

TEST_F(ProjectFileTest, Utf8FileIsReadToo) {
  const fs::path path = folder_ / "utf8.vlm";
  Put(path, EncodeProjectLines(WriteProjectLines(testing::SampleTable('D'), {}, Texts('D'))));
  const std::string cp1252 = Bytes(path);
  Put(path, Cp1252ToUtf8(cp1252));
  const ProjectReadResult read = OpenProject(path, Texts('D'), {});
  EXPECT_EQ(read.status, ProjectReadStatus::Loaded);
  EXPECT_EQ(read.table.ProjectTitle(), "Kühlwasser Halle 3");
}

TEST_F(ProjectFileTest, FileWithLoneCarriageReturnsOpens) {
  const fs::path path = folder_ / "old-editor.vlm";
  std::string bytes = EncodeProjectLines(WriteProjectLines(testing::SampleTable('D'), {}, Texts('D')));
  std::erase(bytes, '\n');
  Put(path, bytes);
  const ProjectReadResult read = OpenProject(path, Texts('D'), {});
  EXPECT_EQ(read.status, ProjectReadStatus::Loaded);
  EXPECT_EQ(read.table.ElementCount(), testing::SampleTable('D').ElementCount());
}

TEST_F(ProjectFileTest, MissingFileIsAnErrorValue) {
  const ProjectFileLines file = ReadProjectFile(folder_ / "fehlt.vlm");
  EXPECT_EQ(file.error, FileError::CannotOpen);
  const ProjectReadResult read = OpenProject(folder_ / "fehlt.vlm", Texts('D'), {});
  EXPECT_EQ(read.status, ProjectReadStatus::CannotOpen);
  const text::Messages messages = ProjectReadMessages(read, Texts('D'));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, Texts('D').FormText("MyWindow", "msgProjectOpenFailed"));
  EXPECT_EQ(messages[0].caption, "Dateifehler");
}

TEST_F(ProjectFileTest, FolderIsNotAProject) { EXPECT_EQ(ReadProjectFile(folder_).error, FileError::CannotOpen); }

TEST_F(ProjectFileTest, TooLargeFileIsRefusedUnread) {
  const fs::path path = folder_ / "gross.vlm";
  Put(path, "6.0\r\n");
  fs::resize_file(path, kMaxProjectFileSize + 1);  // sparse: takes no disk space
  EXPECT_EQ(ReadProjectFile(path).error, FileError::TooLarge);
}

TEST_F(ProjectFileTest, FailedWriteKeepsThePreviousFile) {
  const fs::path path = folder_ / "alt.vlm";
  Put(path, "previous");
  // The target is a folder: the rename fails, the temporary file goes away.
  const fs::path blocked = folder_ / "ordner.vlm";
  fs::create_directories(blocked / "inhalt");
  const ProjectFileWrite replace = WriteProjectFile(blocked, {"6.0"});
  EXPECT_EQ(replace.error, FileError::CannotReplace);
  EXPECT_FALSE(replace.detail.empty());
  // The folder is missing: nothing can be created.
  EXPECT_EQ(WriteProjectFile(folder_ / "fehlt" / "neu.vlm", {"6.0"}).error, FileError::CannotWrite);
  EXPECT_EQ(Bytes(path), "previous");
  EXPECT_EQ(FilesInFolder(), 2u);  // alt.vlm and the folder, no temporary file
}

TEST_F(ProjectFileTest, SaveReplacesTheFileWhole) {
  const fs::path path = folder_ / "p.vlm";
  Put(path, std::string(10000, 'x'));
  ASSERT_TRUE(WriteProjectFile(path, {"6.0"}).ok());
  EXPECT_EQ(Bytes(path), "6.0\r\n");
}

struct MessageCase {
  const char* name;
  ProjectReadStatus status;
  bool converted;
  bool branchNotice;
  std::vector<const char*> keys;  // form texts of the main window, "branch" for the fixed notice
};

const MessageCase kMessages[] = {
    {"loaded", ProjectReadStatus::Loaded, false, false, {}},
    {"invalid", ProjectReadStatus::InvalidFile, true, true, {"msgInvalidProject"}},
    {"converted", ProjectReadStatus::Loaded, true, false, {"msgConvertedProject"}},
    {"emptyRow25", ProjectReadStatus::EmptyRow25, false, false, {"msgInvalidProject"}},
    {"convertedWithEmptyRow25",
     ProjectReadStatus::EmptyRow25,
     true,
     false,
     {"msgConvertedProject", "msgInvalidProject"}},
    {"oldestWithBranches", ProjectReadStatus::Loaded, true, true, {"branch", "msgConvertedProject"}},
};

class MessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(MessageTest, InOrder) {
  const MessageCase& c = GetParam();
  ProjectReadResult result;
  result.status = c.status;
  result.converted = c.converted;
  result.branchNotice = c.branchNotice;
  const text::Messages messages = ProjectReadMessages(result, Texts('E'));
  ASSERT_EQ(messages.size(), c.keys.size());
  for (std::size_t i = 0; i < messages.size(); ++i) {
    if (std::string(c.keys[i]) == "branch") {
      EXPECT_EQ(messages[i].caption, "Error");
      continue;
    }
    EXPECT_EQ(messages[i].text, Texts('E').FormText("MyWindow", c.keys[i]));
    EXPECT_EQ(messages[i].caption, "File error");
    EXPECT_FALSE(messages[i].text.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Results, MessageTest, ::testing::ValuesIn(kMessages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::project
