#pragma once
// The decisions of the quick-action menu window, without the window: what a
// showing puts on the sixteen rows, which category and page are shown, where
// the window goes and what a tap on a row asks for.
//
// The window (TFrm_PopMenu) forwards its events and then draws what it reads
// back: Rows() in RowEncoding(), TitleBandVisible() for Panel_TIcon,
// CheckedCategory() for the category buttons (set without raising clicks),
// Position() for the window. Its handlers map one to one:
//   opener          FormShow(request, metrics): false -> leave everything
//                   as it is (the menu is open already); true -> draw, move
//                   to Position(), make topmost, run the modal loop
//   closing         Close()
//   RadioButtonClick(button k)       RadioButtonClick(k)
//   SBtn_UpClick, each notch of FormMouseWheelUp (away from the user)
//                                    PreviousPage()
//   SBtn_DnClick, each notch of FormMouseWheelDown (towards the user)
//                                    NextPage()
//   LightLabelClick(row k)           LightLabelClick(k), see RowTap
// After each of these the window draws the rows again.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"
#include "resident/menu_window_types.h"
#include "shared/menu_table.h"
#include "shared/settings_record.h"

namespace qpad {

// RadioButton1 .. RadioButton7; button k selects menu k. The seventh is
// never shown.
constexpr int kCategoryButtons = 7;
constexpr int kShownCategoryButtons = 6;

// The category buttons' tool-tip hints, RadioButton1 first (UTF-8).
extern const std::array<std::string_view, kCategoryButtons> kCategoryHints;

// What the opener sets before each showing.
struct MenuRequest {
  int32_t MenuLeft = 0;  // requested outer top-left corner, screen pixels
  int32_t MenuTop = 0;
  platform::WindowHandle ActionWindow = 0;  // where the actions go
  bool FromTray = false;  // true: system page; false: item page
};

// Sizes that placing the window needs, in pixels.
struct MenuMetrics {
  int32_t windowWidth = 0;  // outer size of the menu window
  int32_t windowHeight = 0;
  int32_t screenWidth = 0;  // primary screen
  int32_t screenHeight = 0;
  int32_t captionHeight = 0;  // SM_CYCAPTION, the margin kept to the screen edges
};

// The outer top-left corner for a requested one: pushed back from the right
// and bottom edges to end a margin short of them, then moved a margin inside
// when it would start left of or above the screen.
platform::Point PlaceMenu(platform::Point requested, const MenuMetrics& metrics);

// How the window converts the row texts for display.
enum class RowEncoding {
  ShiftJis,  // item pages: DisplayNames as stored, convert with code page 932
  Utf8,      // the system page's fixed texts
};

// What a tap on a row asks the window to do.
enum class RowTapKind {
  Nothing,       // blank row: nothing happens, the menu stays open
  RunItem,       // ActionRunner::RunItem(record, caption, ActionWindow)
  RunSystemRow,  // SystemPage::RunRow(row, Results())
};
struct RowTap {
  RowTapKind kind = RowTapKind::Nothing;
  int row = -1;
  std::string record;   // RunItem: the item record (Shift-JIS)
  std::string caption;  // RunItem: the row's text, its DisplayName (Shift-JIS)
};

class MenuPage {
 public:
  // `menus` and `settings` are the resident program's own (it reads the
  // menu counts, MenuItem_Count, Hook_ON, WaitTimeFlg, and writes MenuNo,
  // the memory of the last category). Both must outlive the page.
  MenuPage(const MenuTable& menus, SettingsRecord& settings);

  bool IsOpen() const { return open_; }

  // A showing. While the menu is open it returns false and changes nothing:
  // an opener that runs then leaves the open menu, its request and its rows
  // untouched. Otherwise it clears the results, fills the rows (the system
  // page, or page 0 of the category of MenuNo, RadioButton1 for a MenuNo
  // outside 1 .. 6), places the window and returns true.
  bool FormShow(const MenuRequest& request, const MenuMetrics& metrics);
  void Close() { open_ = false; }

  // Category button `button` (1 .. 7) clicked. Ignored on the system page
  // and for the button that is checked already. Keeps PageIndex, so another
  // category opens on the same page number (blank when it has fewer pages).
  void RadioButtonClick(int button);

  // One page back or forward on an item page; never before page 0 nor past
  // the last page that holds an item. Nothing on the system page.
  void PreviousPage();
  void NextPage();

  RowTap LightLabelClick(int row) const;

  // The category of the checked button: its number while it does not exceed
  // the number of menus, 0 (none) otherwise.
  int FindCategory() const;

  const MenuRowTexts& Rows() const { return rows_; }
  RowEncoding Encoding() const { return request_.FromTray ? RowEncoding::Utf8 : RowEncoding::ShiftJis; }
  bool TitleBandVisible() const { return request_.FromTray; }
  int CheckedCategory() const { return checkedButton_; }  // 0: none checked
  int PageIndex() const { return pageIndex_; }
  platform::Point Position() const { return position_; }
  const MenuRequest& Request() const { return request_; }
  MenuResults& Results() { return results_; }
  const MenuResults& Results() const { return results_; }

 private:
  int ItemCountOf(int category) const;
  void ClearRows();
  void FillPage();

  const MenuTable& menus_;
  SettingsRecord& settings_;
  bool open_ = false;
  MenuRequest request_;
  MenuResults results_;
  MenuRowTexts rows_;
  std::vector<std::string> pageItems_;  // entry k belongs to row k
  int pageIndex_ = 0;
  int checkedButton_ = 0;
  platform::Point position_;
};

}  // namespace qpad
