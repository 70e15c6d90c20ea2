#pragma once
// The system page of the quick-action menu, opened from the tray icon: its
// rows, what a tap on each does while the menu is open, and what the tray
// icon's handler does once the menu has closed. Texts are UTF-8.
//
// The tray click, as the window side carries it out:
//   1. If the menu is open already, do nothing at all (MenuPage::IsOpen).
//   2. HidePanel; ActionWindow := the foreground window; MenuLeft, MenuTop :=
//      the cursor position; FromTray := true; start TimerT.
//   3. Show the menu modally (MenuPage::FormShow, then the modal loop). Row
//      taps go to SystemPage::RunRow with MenuPage::Results().
//   4. After it has closed: carry out DecideTrayFollowUp(results, WaitTimeFlg).

#include <filesystem>
#include <string>
#include <string_view>

#include "resident/menu_window_types.h"
#include "shared/settings_record.h"

namespace qpad {

// Row numbers of the system page; the others are blank.
enum SystemRow : int {
  kRowToggle = 0,
  kRowClickOnDisplay = 1,
  kRowWaitOnDisplay = 2,
  kRowDetailedSettings = 3,
  kRowRefresh = 4,
  kRowVersion = 5,
  kRowHelp = 7,
  kRowExit = 8,
  kRowStatus = 12,
};

// The sixteen rows for the current enable flag (Hook_ON) and display mode
// (WaitTimeFlg); blank rows are empty.
MenuRowTexts SystemRows(bool hookOn, bool waitMode);

// Row 12: "現在は " + "有効で"/"無効で" + "ウェイトＯＮ表示"/"クリックＯＮ表示".
std::string StatusLine(bool hookOn, bool waitMode);

// "設定を変更しました。\r\n" + "有効で"/"無効で" + mode + "\r\nです。", naming
// the state that holds once the change is complete.
std::string ConfirmationText(bool enabledAfter, bool waitMode);

// "ウェイトＯＮ表示に変更しました" or "クリックＯＮ表示に変更しました".
std::string_view SwitchedToMessage(bool waitMode);

// The help row's message.
extern const std::string_view kHelpHint;

// The settings editor: the program folder followed by "Qpad_Set.exe".
std::filesystem::path SettingsEditorPath(const std::filesystem::path& programFolder);

// What the system rows need from the window system.
class SystemPageHost {
 public:
  virtual ~SystemPageHost() = default;
  // The program's standard message box: application title, one OK button,
  // modal to the program. Returns when the user has closed it.
  virtual void ShowMessage(std::string_view utf8Text) = 0;
  // Starts the program file with no arguments, shown normally, taking the
  // whole path as the program (application name or a quoted command line)
  // so that a folder name with blanks cannot start another program. A
  // failure is not reported.
  virtual void StartProgramFile(const std::filesystem::path& program) = 0;
  // Shows AboutBox modally; returns when it has been closed.
  virtual void ShowAboutBox() = 0;
};

class SystemPage {
 public:
  // `settings` is the resident program's live record: rows 1 and 2 switch
  // its WaitTimeFlg at once. Both references must outlive the page.
  SystemPage(SettingsRecord& settings, SystemPageHost& host, std::filesystem::path programFolder);

  // A tap on system row `row` while the menu is open. Returns true when the
  // menu closes now; false (nothing done) for a blank row.
  bool RunRow(int row, MenuResults& results);

 private:
  SettingsRecord& settings_;
  SystemPageHost& host_;
  std::filesystem::path programFolder_;
};

// What the tray icon's handler does after the menu has closed: the first
// result that is set, in the order exit, refresh, toggle, mode change.
enum class TrayFollowUpKind {
  Nothing,
  CloseProgram,    // close Frm_MSup; the program shuts down
  ReloadSettings,  // ReloadSettings
  ToggleEnabled,   // ToggleEnabled
  ShowMessage,     // a message box with `message`
};
struct TrayFollowUp {
  TrayFollowUpKind kind = TrayFollowUpKind::Nothing;
  std::string message;  // UTF-8, for ShowMessage
};
TrayFollowUp DecideTrayFollowUp(const MenuResults& results, bool waitMode);

}  // namespace qpad
