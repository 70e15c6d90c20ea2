#include "resident/system_page.h"

#include <utility>

namespace qpad {
namespace {

constexpr std::string_view kEnabledWith = "有効で";
constexpr std::string_view kDisabledWith = "無効で";
constexpr std::string_view kWaitOnDisplay = "ウェイトＯＮ表示";
constexpr std::string_view kClickOnDisplay = "クリックＯＮ表示";

std::string StateText(bool enabled, bool waitMode) {
  std::string text(enabled ? kEnabledWith : kDisabledWith);
  text += waitMode ? kWaitOnDisplay : kClickOnDisplay;
  return text;
}

}  // namespace

const std::string_view kHelpHint =
    "ヘルプをご覧になる場合は、スタートメニューから、\r\n[Quillpad]→[マニュアル]から、ご覧ください";

MenuRowTexts SystemRows(bool hookOn, bool waitMode) {
  MenuRowTexts rows;
  rows[kRowToggle] = hookOn ? "無効に切換え" : "有効に切換え";
  // Only the mode that is not in force can be chosen.
  if (waitMode) rows[kRowClickOnDisplay] = "クリックＯＮ表示を有効";
  else rows[kRowWaitOnDisplay] = "ウェイトＯＮ表示を有効";
  rows[kRowDetailedSettings] = "細かい設定をする";
  rows[kRowRefresh] = "設定をリフレッシュ";
  rows[kRowVersion] = "バージョン情報";
  rows[kRowHelp] = "ヘルプ";
  rows[kRowExit] = "終了する";
  rows[kRowStatus] = StatusLine(hookOn, waitMode);
  return rows;
}

std::string StatusLine(bool hookOn, bool waitMode) {
  return "現在は " + StateText(hookOn, waitMode);
}

std::string ConfirmationText(bool enabledAfter, bool waitMode) {
  return "設定を変更しました。\r\n" + StateText(enabledAfter, waitMode) + "\r\nです。";
}

std::string_view SwitchedToMessage(bool waitMode) {
  return waitMode ? "ウェイトＯＮ表示に変更しました" : "クリックＯＮ表示に変更しました";
}

std::filesystem::path SettingsEditorPath(const std::filesystem::path& programFolder) {
  return programFolder / "Qpad_Set.exe";
}

SystemPage::SystemPage(SettingsRecord& settings, SystemPageHost& host,
                       std::filesystem::path programFolder)
    : settings_(settings), host_(host), programFolder_(std::move(programFolder)) {}

bool SystemPage::RunRow(int row, MenuResults& results) {
  // The rows are built from the same record, so a row is filled exactly
  // when its text is not empty now.
  if (row < 0 || row >= kMenuRows) return false;
  if (SystemRows(settings_.Hook_ON, settings_.WaitTimeFlg)[row].empty()) return false;

  switch (row) {
    case kRowToggle:
      // The switch itself happens after the menu has closed; the message
      // already names the state that will hold then.
      results.ToggleRequested = true;
      host_.ShowMessage(ConfirmationText(!settings_.Hook_ON, settings_.WaitTimeFlg));
      break;
    case kRowClickOnDisplay:
    case kRowWaitOnDisplay:
      settings_.WaitTimeFlg = row == kRowWaitOnDisplay;
      results.ModeChanged = true;
      host_.ShowMessage(ConfirmationText(settings_.Hook_ON, settings_.WaitTimeFlg));
      break;
    case kRowDetailedSettings:
      host_.StartProgramFile(SettingsEditorPath(programFolder_));
      break;
    case kRowRefresh:
      results.RefreshRequested = true;
      break;
    case kRowVersion:
      host_.ShowAboutBox();
      break;
    case kRowHelp:
      host_.ShowMessage(kHelpHint);
      break;
    case kRowExit:
      results.ExitRequested = true;
      break;
    default:  // the status line: closes the menu, changes nothing
      break;
  }
  return true;
}

TrayFollowUp DecideTrayFollowUp(const MenuResults& results, bool waitMode) {
  if (results.ExitRequested) return {TrayFollowUpKind::CloseProgram, {}};
  if (results.RefreshRequested) return {TrayFollowUpKind::ReloadSettings, {}};
  if (results.ToggleRequested) return {TrayFollowUpKind::ToggleEnabled, {}};
  if (results.ModeChanged)
    return {TrayFollowUpKind::ShowMessage, std::string(SwitchedToMessage(waitMode))};
  return {};
}

}  // namespace qpad
