#include "shared/menu_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/text_codec.h"
#include "tests/support/memory_file_system.h"
#include "tests/support/sjis.h"
#include "tests/support/temp_folder.h"

namespace qpad {
namespace {

using testing::MemoryFileSystem;
using testing::Sjis;
using Items = std::vector<std::string>;

// The table as LoadSettings leaves it: "Main", then the named menus.
MenuTable TableOf(const std::vector<std::string>& names) {
  MenuTable table{Menu{{"Main"}, false}};
  for (const std::string& name : names) table.push_back(Menu{{name}, false});
  return table;
}

Items ItemsOf(const Menu& menu) { return Items(menu.elements.begin() + 1, menu.elements.end()); }

std::string ReadDisk(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class MenuFilesTest : public ::testing::Test {
 protected:
  MemoryFileSystem files;
  DataFolder data{"/q", &files};

  std::filesystem::path PathOf(const std::string& name) {
    return platform::PathInFolder(data.folder, name + ".csv");
  }
  void Put(const std::string& name, const std::string& bytes) { files.files[PathOf(name)] = bytes; }
  std::string& FileOf(const std::string& name) { return files.files[PathOf(name)]; }
  // Menu 1 named "P" read from `bytes`.
  Items LoadOne(const std::string& bytes, BlankLines blankLines) {
    Put("Main", "Main\r\n");
    Put("P", bytes);
    MenuTable table = TableOf({"P"});
    EXPECT_TRUE(LoadMenus(data, blankLines, table).ok);
    EXPECT_EQ(table[1].Name(), "P");
    return ItemsOf(table[1]);
  }
};

struct LineCase {
  const char* what;
  std::string file;
  Items resident;  // Qpad: blank lines inside a text kept
  Items editor;    // Qpad_Set: blank lines dropped
};
void PrintTo(const LineCase& c, std::ostream* out) { *out << c.what; }


class MenuFileLines : public MenuFilesTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(MenuFileLines, ReadAsItems) {
  const LineCase& c = GetParam();
  EXPECT_EQ(LoadOne(c.file, BlankLines::KeepInText), c.resident) << c.what;
  EXPECT_EQ(LoadOne(c.file, BlankLines::Drop), c.editor) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MenuFileLines,
    ::testing::Values(
        LineCase{"blank line after a continuation line", "P\r\n[#a#][M:]item\r\ny\r\n\r\nz\r\n",
                 {"[#a#][M:]item\r\ny\r\n\r\nz"},
                 {"[#a#][M:]item\r\ny\r\nz"}},
        LineCase{"blank line right after an item line",
                 "P\r\n[#a#][M:]x\r\n\r\n[#b#][M:]y\r\n",
                 {"[#a#][M:]x", "[#b#][M:]y"},
                 {"[#a#][M:]x", "[#b#][M:]y"}},
        LineCase{"empty file", "", {}, {}},
        LineCase{"only the name line", "P\r\n", {}, {}},
        LineCase{"name line skipped wherever it stands", "[#a#][M:]x\r\nP\r\ny\r\nP",
                 {"[#a#][M:]x\r\ny"},
                 {"[#a#][M:]x\r\ny"}},
        LineCase{"Ctrl+Z ends the file", "P\r\n[#a#][M:]x\r\n\x1a[#b#][M:]y\r\n",
                 {"[#a#][M:]x"},
                 {"[#a#][M:]x"}},
        LineCase{"lone CR dropped, LF alone ends a line", "P\n[#a#][M:]x\ry\nz",
                 {"[#a#][M:]xy\r\nz"},
                 {"[#a#][M:]xy\r\nz"}},
        LineCase{"lines before the first item make an item of their own",
                 "stray\r\n\r\nlines\r\nP\r\n[#a#][M:]x\r\n",
                 {"stray\r\n\r\nlines", "[#a#][M:]x"},
                 {"stray\r\nlines", "[#a#][M:]x"}},
        LineCase{"long-vowel mark and # open a name (byte search)",
                 Sjis("P\r\n[#a#][M:]ラーメン\r\nー#b#]スープ\r\n"),
                 {Sjis("[#a#][M:]ラーメン"), Sjis("ー#b#]スープ")},
                 {Sjis("[#a#][M:]ラーメン"), Sjis("ー#b#]スープ")}},
        LineCase{"line with #] before [# continues", "P\r\n[#a#][M:]x\r\n#]y[#\r\n",
                 {"[#a#][M:]x\r\n#]y[#"},
                 {"[#a#][M:]x\r\n#]y[#"}}));

TEST_F(MenuFilesTest, RecordsRoundTripByteForByte) {
  const Items records = {
      "[#quote#][M:]He said \"yes\", then \"no\".",
      "[#signs#][M:]1 + 1 = 2, 100% sure, a,b,,c",
      Sjis("[#長音#][M:]コーヒー、ソーダ、表示"),  // 81 5B and 5C trail bytes
      Sjis("[#二行#][M:]一行目\r\n二行目\r\n三行目"),
      "[#blanks#][M:]  spaced out  ",
      "[#prog#][F:]C:\\Program Files\\App\\app.exe /x \"%1\"",
      "[#chord#][K:]Key=75: Ctrl  +Key2=67|Key=75: Ctrl ",
  };
  MenuTable table = TableOf({"P"});
  table[1].elements.insert(table[1].elements.end(), records.begin(), records.end());
  table[0].loaded = table[1].loaded = true;
  ASSERT_TRUE(SaveAllMenus(data, table).ok());

  EXPECT_EQ(FileOf("Main"), "Main\r\n");
  std::string expected = "P\r\n";
  for (const std::string& record : records)
    for (const std::string& line : SplitForSave(record)) expected += line + "\r\n";
  EXPECT_EQ(FileOf("P"), expected);
  EXPECT_NE(FileOf("P").find(Sjis("\r\n二行目\r\n三行目\r\n")), std::string::npos);

  for (BlankLines mode : {BlankLines::KeepInText, BlankLines::Drop}) {
    MenuTable loaded = TableOf({"P"});
    ASSERT_TRUE(LoadMenus(data, mode, loaded).ok);
    EXPECT_EQ(ItemsOf(loaded[1]), records);
    EXPECT_TRUE(loaded[0].loaded && loaded[1].loaded);
  }
}

TEST(SplitForSave, CutsAtLineBreaksWithoutEmptyPieces) {
  struct {
    std::string text;
    Items pieces;
  } cases[] = {
      {"", {}},
      {"\r\n\r\n", {}},
      {"one", {"one"}},
      {"\r\na\r\n\r\nb\n", {"a", "b"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {" \"x\", +1 % ", {" \"x\", +1 % "}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitForSave(c.text), c.pieces) << c.text;
}

TEST_F(MenuFilesTest, MissingFileStopsTheLoad) {
  // Missing Main: no menu at all.
  MenuTable table = TableOf({"P"});
  LoadMenusResult result = LoadMenus(data, BlankLines::KeepInText, table);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "データ（Main.csv）がありません");
  EXPECT_FALSE(table[0].loaded || table[1].loaded);

  // Missing menu 2: the menus before it are loaded, it and the later ones
  // hold only their names.
  Put("Main", "Main\r\n");
  Put("P", "P\r\n[#a#][M:]x\r\n");
  Put("Z", "Z\r\n[#z#][M:]z\r\n");
  table = TableOf({"P", Sjis("定型文"), "Z"});
  table[3].elements.push_back("[#left over#][M:]x");
  result = LoadMenus(data, BlankLines::Drop, table);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "データ（定型文.csv）がありません");
  EXPECT_TRUE(table[0].loaded && table[1].loaded);
  EXPECT_EQ(ItemsOf(table[1]), Items{"[#a#][M:]x"});
  EXPECT_FALSE(table[2].loaded || table[3].loaded);
  EXPECT_EQ(table[3].elements, Items{"Z"});
}

TEST_F(MenuFilesTest, UnreadableFileGivesTheSystemsText) {
  Put("Main", "Main\r\n");
  files.unreadable.insert(PathOf("Main"));
  MenuTable table = TableOf({});
  LoadMenusResult result = LoadMenus(data, BlankLines::KeepInText, table);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, platform::PathToUtf8(PathOf("Main")) + "\n" +
                                MemoryFileSystem::kReadError);
  EXPECT_FALSE(table[0].loaded);
}

TEST_F(MenuFilesTest, PumpsAfterEveryLine) {
  Put("Main", "Main\r\n[#a#][M:]x\r\n\r\ny");
  MenuTable table = TableOf({});
  int pumped = 0;
  ASSERT_TRUE(LoadMenus(data, BlankLines::KeepInText, table, [&] { ++pumped; }).ok);
  EXPECT_EQ(pumped, 4);
}

TEST_F(MenuFilesTest, HistoryMenuWrittenOnlyWhenLoaded) {
  MenuTable table = TableOf({"History", "P"});
  table[1].elements.push_back("[#a#][M:]x\r\ny");
  table[2].elements.push_back("[#b#][M:]z");

  ASSERT_TRUE(SaveHistoryMenu(data, table).ok());  // menu 1 never loaded
  ASSERT_TRUE(SaveHistoryMenu(data, TableOf({})).ok());  // no menu 1
  EXPECT_TRUE(files.files.empty());

  for (Menu& menu : table) menu.loaded = true;
  ASSERT_TRUE(SaveHistoryMenu(data, table).ok());
  EXPECT_EQ(files.files.size(), 1u);
  EXPECT_EQ(FileOf("History"), "History\r\n[#a#][M:]x\r\ny\r\n");
}

TEST_F(MenuFilesTest, SaveAllSkipsUnloadedMenusAndEmptyElements) {
  MenuTable table = TableOf({"A", "B"});
  table[1].elements.insert(table[1].elements.end(), {"", "\r\n\r\n", "[#a#][M:]x\r\n\r\ny\r\n"});
  table[0].loaded = table[1].loaded = true;  // B's load never happened
  Put("B", "B\r\n[#keep#][M:]me\r\n");
  ASSERT_TRUE(SaveAllMenus(data, table).ok());
  EXPECT_EQ(FileOf("A"), "A\r\n[#a#][M:]x\r\ny\r\n");
  EXPECT_EQ(FileOf("B"), "B\r\n[#keep#][M:]me\r\n");
}

TEST_F(MenuFilesTest, FailedSaveKeepsTheOldFileAndStops) {
  Put("Main", "Main\r\n");
  Put("A", "A\r\n[#old#][M:]a\r\n");
  Put("B", "B\r\n[#old#][M:]b\r\n");
  MenuTable table = TableOf({"A", "B"});
  ASSERT_TRUE(LoadMenus(data, BlankLines::Drop, table).ok);
  for (Menu& menu : table) menu.elements.push_back("[#new#][M:]n");

  files.replacesBeforeFailure = 1;
  Status status = SaveAllMenus(data, table);
  EXPECT_EQ(status.message,
            platform::PathToUtf8(PathOf("A")) + "\n" + MemoryFileSystem::kWriteError);
  EXPECT_EQ(FileOf("Main"), "Main\r\n[#new#][M:]n\r\n");
  EXPECT_EQ(FileOf("A"), "A\r\n[#old#][M:]a\r\n");
  EXPECT_EQ(FileOf("B"), "B\r\n[#old#][M:]b\r\n");
  EXPECT_EQ(files.replaceCount, 1);
}

TEST(MenuFilesOnDisk, ShiftJisNamesAndReadOnlyFiles) {
  testing::TempFolder folder;
  DataFolder data{folder.path()};
  const std::string name = Sjis("定型文");
  const std::filesystem::path path = platform::PathInFolder(folder.path(), name + ".csv");
  MenuTable table = TableOf({name});
  table[1].elements.push_back(Sjis("[#挨拶#][M:]こんにちは\r\nさようなら"));
  for (Menu& menu : table) menu.loaded = true;
  ASSERT_TRUE(SaveAllMenus(data, table).ok());
  EXPECT_EQ(ReadDisk(path), name + "\r\n" + Sjis("[#挨拶#][M:]こんにちは\r\nさようなら\r\n"));

  MenuTable loaded = TableOf({name});
  ASSERT_TRUE(LoadMenus(data, BlankLines::KeepInText, loaded).ok);
  EXPECT_EQ(loaded[1].elements, table[1].elements);

  const std::string before = ReadDisk(path);
  std::filesystem::permissions(path, std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                               std::filesystem::perm_options::remove);
  table[1].elements.push_back("[#more#][M:]x");
  Status status = SaveAllMenus(data, table);
  EXPECT_EQ(status.message.rfind(platform::PathToUtf8(path) + "\n", 0), 0u) << status.message;
  EXPECT_GT(status.message.size(), platform::PathToUtf8(path).size() + 1) << "system's text";
  EXPECT_EQ(ReadDisk(path), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2)
      << "no temporary file left behind";
}

}  // namespace
}  // namespace qpad
