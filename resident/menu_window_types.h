#pragma once
// Values that the quick-action menu window, its item pages and its system
// page share: the sixteen row texts and the results that a showing hands
// back to the tray icon's handler.

#include <array>
#include <string>

namespace qpad {

// Label0 .. Label15; a row's tag is its index.
constexpr int kMenuRows = 16;
using MenuRowTexts = std::array<std::string, kMenuRows>;

// Set by system-page rows while the menu is open, read by the tray icon's
// handler after it has closed. All four are cleared at every showing.
struct MenuResults {
  bool ExitRequested = false;     // "終了する"
  bool ToggleRequested = false;   // "無効に切換え" / "有効に切換え"
  bool ModeChanged = false;       // "クリックＯＮ表示を有効" / "ウェイトＯＮ表示を有効"
  bool RefreshRequested = false;  // "設定をリフレッシュ"
};

}  // namespace qpad
