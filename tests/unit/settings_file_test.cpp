#include "shared/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/memory_file_system.h"
#include "tests/support/sjis.h"
#include "tests/support/temp_folder.h"

namespace qpad {
namespace {

using testing::MemoryFileSystem;
using testing::Sjis;

// Every field away from its default, so that a test sees what a load set.
SettingsRecord OddRecord() {
  SettingsRecord r;
  r.Hook_ON = r.WaitTimeFlg = r.InetBrowserNS = true;
  r.WaitTime = r.SbTime = r.SbTime_ck = r.SbUnTime = r.SbDrawTime = r.SbDrawUnTime =
      r.SbDrawBakTime = r.iUnVis = r.iBast16 = r.MenuNo = r.MenuItem_Count = 99;
  return r;
}

std::string Describe(const SettingsRecord& r) {
  std::ostringstream out;
  out << "Hook_ON " << r.Hook_ON << " WaitTimeFlg " << r.WaitTimeFlg << " WaitTime " << r.WaitTime
      << " SbTime " << r.SbTime << " SbTime_ck " << r.SbTime_ck << " SbUnTime " << r.SbUnTime
      << " SbDrawTime " << r.SbDrawTime << " SbDrawUnTime " << r.SbDrawUnTime << " SbDrawBakTime "
      << r.SbDrawBakTime << " iUnVis " << r.iUnVis << " iBast16 " << r.iBast16
      << " InetBrowserNS " << r.InetBrowserNS << " MenuNo " << r.MenuNo << " MenuItem_Count "
      << r.MenuItem_Count;
  return out.str();
}

class SettingsFileTest : public ::testing::Test {
 protected:
  MemoryFileSystem files;
  DataFolder data{"/q", &files};
  SettingsRecord settings = OddRecord();
  MenuNames names{"old"};
  MenuTable table{Menu{{"stale"}, true}};

  std::string& File() { return files.files[data.SettingsPath()]; }
  LoadSettingsResult Load(const std::string& bytes) {
    File() = bytes;
    return LoadSettings(data, settings, names, table);
  }
  std::string WriteRefused() const {
    return platform::PathToUtf8(data.SettingsPath()) + " に書き込めません";
  }
};

TEST_F(SettingsFileTest, OnlyTheTimesHeaderLoadsTheDefaults) {
  LoadSettingsResult result = Load("[SBTIMESET]\r\n");
  EXPECT_TRUE(result.complete());
  SettingsRecord expected;  // enable off, click-ON display, the table's timings
  EXPECT_EQ(Describe(settings), Describe(expected));
  EXPECT_TRUE(names.empty());
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].elements, std::vector<std::string>{"Main"});
  EXPECT_FALSE(table[0].loaded);
}

TEST_F(SettingsFileTest, FlagIsOffOnlyForZeroEmptyOrAbsent) {
  struct {
    const char* line;
    bool on;
  } cases[] = {{"Hook_ON=0", false}, {"Hook_ON= 0 ", false}, {"Hook_ON=", false},
               {"", false},          {"Hook_ON=1", true},    {"Hook_ON=2", true},
               {"Hook_ON=yes", true}, {"hook_on=00", true}};
  for (const auto& c : cases) {
    settings.Hook_ON = !c.on;
    Load(std::string("[SBTIMESET]\r\n") + c.line + "\r\n");
    EXPECT_EQ(settings.Hook_ON, c.on) << c.line;
  }
}

TEST_F(SettingsFileTest, RecentSlotIsAtLeastOne) {
  struct {
    const char* line;
    int32_t slot;
  } cases[] = {{"iBast16=0", 1}, {"iBast16=-3", 1}, {"", 1}, {"iBast16=", 1}, {"iBast16=7", 7}};
  for (const auto& c : cases) {
    Load(std::string("[SBTIMESET]\r\n") + c.line + "\r\n");
    EXPECT_EQ(settings.iBast16, c.slot) << c.line;
  }
}

TEST_F(SettingsFileTest, NumbersAreDecimalIntegers) {
  struct {
    const char* value;
    std::optional<int32_t> number;
  } cases[] = {{"12", 12},        {" 012 ", 12},   {"+12", 12},           {"-5", -5},
               {"2147483647", 2147483647},          {"2147483648", std::nullopt},
               {"1.5", std::nullopt}, {"12a", std::nullopt}, {"- 1", std::nullopt},
               {"+-1", std::nullopt}, {"0x10", std::nullopt}};
  for (const auto& c : cases) {
    settings.WaitTime = 99;
    LoadSettingsResult result = Load(std::string("[SBTIMESET]\r\nWaitTime=") + c.value + "\r\n");
    if (c.number) {
      EXPECT_TRUE(result.complete()) << c.value;
      EXPECT_EQ(settings.WaitTime, *c.number) << c.value;
    } else {
      EXPECT_FALSE(result.conversionError.empty()) << c.value;
      EXPECT_EQ(settings.WaitTime, 99) << c.value;
    }
  }
}

TEST_F(SettingsFileTest, ValueOfLettersStopsTheLoadAtThatKey) {
  LoadSettingsResult result =
      Load(Sjis("[SBTIMESET]\r\nHook_ON=1\r\nWaitTimeFlg=0\r\nWaitTime=十秒\r\nSbTime=20\r\n"
                "[MENU_LIST]\r\nMenuItem_Count=0\r\n"));
  EXPECT_TRUE(result.found);
  EXPECT_EQ(result.conversionError, "'十秒' は整数ではありません");
  EXPECT_TRUE(settings.Hook_ON);
  EXPECT_FALSE(settings.WaitTimeFlg);
  EXPECT_EQ(settings.WaitTime, 99);  // the failing key and all after it keep their values
  EXPECT_EQ(settings.SbTime, 99);
  EXPECT_EQ(settings.iUnVis, 99);
  EXPECT_EQ(names, MenuNames{"old"});
  EXPECT_EQ(table[0].Name(), "stale");
}

TEST_F(SettingsFileTest, MissingOrUnreadableFileChangesNothing) {
  LoadSettingsResult missing = LoadSettings(data, settings, names, table);
  EXPECT_FALSE(missing.found);

  File() = "[SBTIMESET]\r\nWaitTime=1\r\n";
  files.unreadable.insert(data.SettingsPath());
  LoadSettingsResult unreadable = LoadSettings(data, settings, names, table);
  EXPECT_FALSE(unreadable.found);
  EXPECT_EQ(unreadable.readError, MemoryFileSystem::kReadError);

  EXPECT_EQ(Describe(settings), Describe(OddRecord()));
  EXPECT_EQ(names, MenuNames{"old"});
  EXPECT_EQ(table[0].Name(), "stale");
}

TEST_F(SettingsFileTest, MenuListNamesTheMenus) {
  struct {
    const char* list;
    int32_t count;
    MenuNames names;
  } cases[] = {
      {"MenuItem_Count=2\r\nMenuItem_2=B\r\nMenuItem_1=A\r\n", 2, {"A", "B"}},
      {"MenuItem_Count=3\r\nMenuItem_1=A\r\nMenuItem_3=C\r\n", 3, {"A", "", "C"}},
      {"MenuItem_Count=-4\r\nMenuItem_1=A\r\n", 0, {}},
      {"MenuItem_Count=2147483647\r\n", 1000, MenuNames(1000)},
  };
  for (const auto& c : cases) {
    Load(std::string("[MENU_LIST]\r\n") + c.list);
    EXPECT_EQ(settings.MenuItem_Count, c.count) << c.list;
    EXPECT_EQ(names, c.names) << c.list;
    ASSERT_EQ(table.size(), c.names.size() + 1) << c.list;
    EXPECT_EQ(table[0].elements, std::vector<std::string>{"Main"});
    for (size_t k = 0; k < c.names.size(); ++k)
      EXPECT_EQ(table[k + 1].elements, std::vector<std::string>{c.names[k]}) << c.list;
  }
}

TEST_F(SettingsFileTest, EditorSettingsWrittenInOrderAndReadBack) {
  SettingsRecord editor;
  editor.WaitTime = 5;
  editor.SbTime = 6;
  editor.SbTime_ck = 7;
  editor.SbUnTime = 40;
  editor.SbDrawTime = 50;
  editor.SbDrawUnTime = 60;
  editor.SbDrawBakTime = 70;
  editor.InetBrowserNS = true;
  editor.MenuNo = 3;
  editor.iUnVis = 20;
  MenuNames editorNames{Sjis("履歴"), "Phrases"};
  ASSERT_TRUE(SaveEditorSettings(data, editor, editorNames).ok());
  EXPECT_EQ(File(), "[SBTIMESET]\r\nWaitTime=5\r\nSbTime=6\r\nSbTime_ck=7\r\nSbUnTime=40\r\n"
                    "SbDrawTime=50\r\nSbDrawUnTime=60\r\nSbDrawBakTime=70\r\nInetBrowserNS=1\r\n"
                    "MenuNo=3\r\n[SYSTEM]\r\niUnVis=20\r\n[MENU_LIST]\r\nMenuItem_Count=2\r\n"
                    "MenuItem_1=" + Sjis("履歴") + "\r\nMenuItem_2=Phrases\r\n");

  ASSERT_TRUE(LoadSettings(data, settings, names, table).complete());
  editor.MenuItem_Count = 2;
  EXPECT_EQ(Describe(settings), Describe(editor));
  EXPECT_EQ(names, editorNames);
}

TEST_F(SettingsFileTest, EditorSettingsKeepHigherMenuKeysAndOtherLines) {
  File() =
      "; kept\r\n[SBTIMESET]\r\nHook_ON=1\r\nWaitTime=1\r\n\r\n[MENU_LIST]\r\nMenuItem_Count=3\r\n"
      "MenuItem_1=x\r\nMenuItem_2=y\r\nMenuItem_3=z\r\n\r\n[System]\r\niUnVis=9\r\n";
  SettingsRecord editor;
  ASSERT_TRUE(SaveEditorSettings(data, editor, {"a", "b"}).ok());
  EXPECT_EQ(File(),
            "; kept\r\n[SBTIMESET]\r\nHook_ON=1\r\nWaitTime=10\r\nSbTime=10\r\nSbTime_ck=10\r\n"
            "SbUnTime=30\r\nSbDrawTime=30\r\nSbDrawUnTime=10\r\nSbDrawBakTime=150\r\n"
            "InetBrowserNS=0\r\nMenuNo=0\r\n\r\n[MENU_LIST]\r\nMenuItem_Count=2\r\n"
            "MenuItem_1=a\r\nMenuItem_2=b\r\nMenuItem_3=z\r\n\r\n[System]\r\niUnVis=5\r\n");
}

TEST_F(SettingsFileTest, ResidentWritesItsValuesInOrder) {
  SettingsRecord resident;
  resident.WaitTimeFlg = true;
  resident.Hook_ON = true;
  resident.MenuNo = 3;
  resident.iBast16 = 7;
  ASSERT_TRUE(SaveExitSettings(data, resident).ok());
  EXPECT_EQ(File(),
            "[SBTIMESET]\r\nWaitTimeFlg=1\r\nInetBrowserNS=0\r\nHook_ON=1\r\nMenuNo=3\r\n"
            "iBast16=7\r\n");

  files.files.clear();
  ASSERT_TRUE(SaveModeFlags(data, resident).ok());
  EXPECT_EQ(File(), "[SBTIMESET]\r\nWaitTimeFlg=1\r\nHook_ON=1\r\n");
}

// The reload after the editor closes: the resident program's enable state
// and display mode win over what the editor read when it started.
TEST_F(SettingsFileTest, ModeFlagsSurviveTheEditorsSave) {
  File() = "[SBTIMESET]\r\nHook_ON=0\r\nWaitTimeFlg=0\r\n";
  SettingsRecord editor;
  MenuNames editorNames;
  ASSERT_TRUE(LoadSettings(data, editor, editorNames, table).complete());
  SettingsRecord resident = editor;
  resident.Hook_ON = resident.WaitTimeFlg = true;

  ASSERT_TRUE(SaveEditorSettings(data, editor, editorNames).ok());
  ASSERT_TRUE(SaveModeFlags(data, resident).ok());
  ASSERT_TRUE(LoadSettings(data, settings, names, table).complete());
  EXPECT_TRUE(settings.Hook_ON);
  EXPECT_TRUE(settings.WaitTimeFlg);
}

TEST_F(SettingsFileTest, FailedWriteKeepsTheKeysWrittenBefore) {
  const std::string before =
      "[SBTIMESET]\r\nWaitTime=1\r\nSbTime=1\r\nSbTime_ck=1\r\nSbUnTime=11\r\n";
  File() = before;
  files.replacesBeforeFailure = 2;
  SettingsRecord editor;
  Status status = SaveEditorSettings(data, editor, {});
  EXPECT_EQ(status.message, WriteRefused());
  EXPECT_EQ(File(), "[SBTIMESET]\r\nWaitTime=10\r\nSbTime=10\r\nSbTime_ck=1\r\nSbUnTime=11\r\n");

  // A file that cannot be read is not written over.
  files.replacesBeforeFailure = -1;
  files.unreadable.insert(data.SettingsPath());
  EXPECT_EQ(SaveModeFlags(data, editor).message, WriteRefused());
  EXPECT_EQ(files.replaceCount, 2);
}

TEST(SettingsFileOnDisk, ReadOnlyFileIsRefusedAndKept) {
  testing::TempFolder folder;
  DataFolder data{folder.path()};
  const std::string before = "[SBTIMESET]\r\nHook_ON=0\r\n";
  { std::ofstream(data.SettingsPath(), std::ios::binary) << before; }
  std::filesystem::permissions(data.SettingsPath(), std::filesystem::perms::owner_write |
                                                        std::filesystem::perms::group_write |
                                                        std::filesystem::perms::others_write,
                               std::filesystem::perm_options::remove);
  SettingsRecord resident;
  resident.Hook_ON = true;
  Status status = SaveModeFlags(data, resident);
  EXPECT_EQ(status.message, platform::PathToUtf8(data.SettingsPath()) + " に書き込めません");

  std::ifstream in(data.SettingsPath(), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
      << "no temporary file left behind";
}

}  // namespace
}  // namespace qpad
