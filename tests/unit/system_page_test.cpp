#include "resident/system_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qpad {
namespace {

// The results named in the order the tray icon's handler looks at them.
MenuResults Results(bool exit, bool refresh, bool toggle, bool mode) {
  MenuResults results;
  results.ExitRequested = exit;
  results.RefreshRequested = refresh;
  results.ToggleRequested = toggle;
  results.ModeChanged = mode;
  return results;
}
const MenuResults kToggle = Results(false, false, true, false);
const MenuResults kMode = Results(false, false, false, true);

class RecordingHost : public SystemPageHost {
 public:
  void ShowMessage(std::string_view text) override { calls.push_back("message:" + std::string(text)); }
  void StartProgramFile(const std::filesystem::path& program) override {
    calls.push_back("start:" + program.u8string());
  }
  void ShowAboutBox() override { calls.push_back("about"); }
  std::vector<std::string> calls;
};

TEST(SystemRows, NameTheOppositeStateAndTheCurrentOneInTheStatusLine) {
  struct Case {
    bool hookOn, waitMode;
    const char* toggle;
    const char* clickOnRow;
    const char* waitOnRow;
    const char* status;
  };
  const Case cases[] = {
      {true, false, "無効に切換え", "", "ウェイトＯＮ表示を有効", "現在は 有効でクリックＯＮ表示"},
      {true, true, "無効に切換え", "クリックＯＮ表示を有効", "", "現在は 有効でウェイトＯＮ表示"},
      {false, false, "有効に切換え", "", "ウェイトＯＮ表示を有効", "現在は 無効でクリックＯＮ表示"},
      {false, true, "有効に切換え", "クリックＯＮ表示を有効", "", "現在は 無効でウェイトＯＮ表示"},
  };
  for (const Case& c : cases) {
    MenuRowTexts expected;
    expected[0] = c.toggle;
    expected[1] = c.clickOnRow;
    expected[2] = c.waitOnRow;
    expected[3] = "細かい設定をする";
    expected[4] = "設定をリフレッシュ";
    expected[5] = "バージョン情報";
    expected[7] = "ヘルプ";
    expected[8] = "終了する";
    expected[12] = c.status;
    EXPECT_EQ(SystemRows(c.hookOn, c.waitMode), expected) << c.hookOn << c.waitMode;
  }
}

TEST(SystemPageMessages, ConfirmationAndSwitchedToTexts) {
  EXPECT_EQ(ConfirmationText(true, false), "設定を変更しました。\r\n有効でクリックＯＮ表示\r\nです。");
  EXPECT_EQ(ConfirmationText(true, true), "設定を変更しました。\r\n有効でウェイトＯＮ表示\r\nです。");
  EXPECT_EQ(ConfirmationText(false, false), "設定を変更しました。\r\n無効でクリックＯＮ表示\r\nです。");
  EXPECT_EQ(ConfirmationText(false, true), "設定を変更しました。\r\n無効でウェイトＯＮ表示\r\nです。");
  EXPECT_EQ(SwitchedToMessage(true), "ウェイトＯＮ表示に変更しました");
  EXPECT_EQ(SwitchedToMessage(false), "クリックＯＮ表示に変更しました");
}

TEST(SystemPage, RowTapsSetTheResultsAndCallTheHostInOrder) {
  const std::filesystem::path folder = std::filesystem::u8path("C:/Program Files/Quillpad");
  const std::string editor = (folder / "Qpad_Set.exe").u8string();
  const std::string help = "message:" + std::string(kHelpHint);
  struct Case {
    int row;
    bool hookOn, waitMode;
    bool closes;
    MenuResults results;
    bool waitModeAfter;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      // Switching off names the state after the menu has closed.
      {0, true, false, true, kToggle, false,
       {"message:" + ConfirmationText(false, false)}},
      {0, false, true, true, kToggle, true,
       {"message:" + ConfirmationText(true, true)}},
      // The mode switches at once, and the message names the new one.
      {1, true, true, true, kMode, false,
       {"message:" + ConfirmationText(true, false)}},
      {2, false, false, true, kMode, true,
       {"message:" + ConfirmationText(false, true)}},
      {3, true, false, true, {}, false, {"start:" + editor}},
      {4, true, false, true, Results(false, true, false, false), false, {}},
      {5, true, false, true, {}, false, {"about"}},
      {7, true, false, true, {}, false, {help}},
      {8, true, false, true, Results(true, false, false, false), false, {}},
      {12, true, false, true, {}, false, {}},  // the status line closes the menu, nothing else
      // Blank rows do nothing and leave the menu open.
      {9, true, false, false, {}, false, {}},
      {1, true, false, false, {}, false, {}},
      {2, true, true, false, {}, true, {}},
  };
  for (const Case& c : cases) {
    SettingsRecord settings;
    settings.Hook_ON = c.hookOn;
    settings.WaitTimeFlg = c.waitMode;
    RecordingHost host;
    SystemPage page(settings, host, folder);
    MenuResults results;
    EXPECT_EQ(page.RunRow(c.row, results), c.closes) << "row " << c.row;
    EXPECT_EQ(results.ExitRequested, c.results.ExitRequested) << "row " << c.row;
    EXPECT_EQ(results.ToggleRequested, c.results.ToggleRequested) << "row " << c.row;
    EXPECT_EQ(results.ModeChanged, c.results.ModeChanged) << "row " << c.row;
    EXPECT_EQ(results.RefreshRequested, c.results.RefreshRequested) << "row " << c.row;
    EXPECT_EQ(settings.WaitTimeFlg, c.waitModeAfter) << "row " << c.row;
    EXPECT_EQ(settings.Hook_ON, c.hookOn) << "row " << c.row << ": the toggle waits for the close";
    EXPECT_EQ(host.calls, c.calls) << "row " << c.row;
  }
}

TEST(TrayFollowUp, ActsOnTheFirstResultInTheOrderExitRefreshToggleMode) {
  struct Case {
    MenuResults results;
    bool waitMode;
    TrayFollowUpKind kind;
    std::string message;
  };
  const Case cases[] = {
      {{}, false, TrayFollowUpKind::Nothing, ""},
      {Results(true, true, true, true), false, TrayFollowUpKind::CloseProgram, ""},
      {Results(false, true, true, true), false, TrayFollowUpKind::ReloadSettings, ""},
      {Results(false, false, true, true), false, TrayFollowUpKind::ToggleEnabled, ""},
      {Results(false, false, false, true), true, TrayFollowUpKind::ShowMessage, "ウェイトＯＮ表示に変更しました"},
      {Results(false, false, false, true), false, TrayFollowUpKind::ShowMessage, "クリックＯＮ表示に変更しました"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    TrayFollowUp followUp = DecideTrayFollowUp(cases[i].results, cases[i].waitMode);
    EXPECT_EQ(followUp.kind, cases[i].kind) << "case " << i;
    EXPECT_EQ(followUp.message, cases[i].message) << "case " << i;
  }
}

}  // namespace
}  // namespace qpad
