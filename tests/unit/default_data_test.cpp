// The shipped default data set: it loads, every menu holds what its
// category runs, and the files are in the form the programs write.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "platform/text_codec.h"
#include "shared/item_record.h"
#include "shared/key_spec.h"
#include "shared/menu_files.h"
#include "shared/settings_file.h"
#include "tests/support/memory_file_system.h"
#include "tests/support/sjis.h"

namespace qpad {
namespace {

using testing::Sjis;

std::string ReadDisk(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class DefaultData : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LoadSettings(shipped, settings, names, table).complete());
    ASSERT_TRUE(LoadMenus(shipped, BlankLines::KeepInText, table).ok);
  }

  // The bodies of menu k's items, each of which must run as `kind`.
  std::vector<std::string> BodiesOf(int k, ItemKind kind) {
    std::vector<std::string> bodies;
    for (int i = 1; i < table[k].Count(); ++i) {
      const std::string& record = table[k].elements[i];
      EXPECT_FALSE(ExtractDisplayName(record).empty()) << record;
      std::optional<ParsedItem> item = ParseItemForRun(record);
      EXPECT_TRUE(item && item->kind == kind) << "menu " << k << ": " << record;
      if (item) bodies.push_back(item->body);
    }
    return bodies;
  }

  DataFolder shipped{QPAD_DEFAULT_DATA_DIR};
  SettingsRecord settings;
  MenuNames names;
  MenuTable table;
};

TEST_F(DefaultData, NamesSevenMenusInCategoryOrder) {
  EXPECT_TRUE(settings.Hook_ON);
  EXPECT_EQ(names, (MenuNames{"History", "Phrases", "Shortcuts", "Programs", "WindowOps",
                              "WebPages", "Phrases3"}));
  ASSERT_EQ(table.size(), 8u);
  for (const Menu& menu : table) EXPECT_TRUE(menu.loaded) << menu.Name();
}

TEST_F(DefaultData, EveryMenuHoldsItsKind) {
  BodiesOf(1, ItemKind::FixedText);

  std::vector<std::string> phrases = BodiesOf(2, ItemKind::FixedText);
  auto has = [&](auto test) { return std::any_of(phrases.begin(), phrases.end(), test); };
  EXPECT_TRUE(has([](const std::string& p) { return p.find("\r\n") != p.npos; })) << "two lines";
  EXPECT_TRUE(has([](const std::string& p) { return static_cast<unsigned char>(p[0]) >= 0x80; }));
  EXPECT_TRUE(has([](const std::string& p) { return p.rfind("Thank you", 0) == 0; }));

  bool chord = false;
  for (const std::string& body : BodiesOf(3, ItemKind::ShortcutKey)) {
    std::optional<KeySpec> keys = ReadKeySpec(body);
    ASSERT_TRUE(keys && keys->key1 != 0) << body;
    chord = chord || keys->key2 != 0;
  }
  EXPECT_TRUE(chord);

  std::vector<std::string> programs = BodiesOf(4, ItemKind::ProgramLaunch);
  for (const char* program :
       {"C:\\Windows\\System32\\notepad.exe", "C:\\Windows\\System32\\calc.exe"})
    EXPECT_NE(std::find(programs.begin(), programs.end(), program), programs.end()) << program;

  const char* operations[] = {"Windowの最小化", "Windowの最大化", "Windowの大きさを元に戻す",
                              "アプリケーションの終了", "タイトルバーをつかんで移動",
                              "左下をつかんでサイズ変更", "右下をつかんでサイズ変更"};
  ASSERT_EQ(BodiesOf(5, ItemKind::WindowOperation).size(), 7u);
  for (int code = 1; code <= 7; ++code)
    EXPECT_EQ(table[5].elements[code],
              MakeItemRecord(Sjis(operations[code - 1]), ItemKind::WindowOperation,
                             std::to_string(code)));

  for (const std::string& address : BodiesOf(6, ItemKind::WebPage))
    EXPECT_EQ(address.rfind("https://", 0), 0u) << address;
  BodiesOf(7, ItemKind::FixedText);
}

// Saving what was loaded gives the shipped files back byte for byte.
TEST_F(DefaultData, FilesAreInTheFormTheProgramsWrite) {
  testing::MemoryFileSystem files;
  DataFolder copy{shipped.folder, &files};
  ASSERT_TRUE(SaveAllMenus(copy, table).ok());
  ASSERT_EQ(files.files.size(), table.size());
  for (const auto& [path, bytes] : files.files)
    EXPECT_EQ(bytes, ReadDisk(path)) << platform::PathToUtf8(path);
}

}  // namespace
}  // namespace qpad
