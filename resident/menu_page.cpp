#include "resident/menu_page.h"

#include <algorithm>

#include "resident/system_page.h"
#include "shared/item_record.h"

namespace qpad {

const std::array<std::string_view, kCategoryButtons> kCategoryHints = {
    "文字列投入", "文字列投入２", "ショートカット", "プログラム起動",
    "オペレーション", "インターネット", "文字列投入３",
};

platform::Point PlaceMenu(platform::Point requested, const MenuMetrics& m) {
  // The order matters: a window too large for the screen ends up a margin
  // inside the top-left corner rather than off it.
  platform::Point at = requested;
  if (at.x + m.windowWidth > m.screenWidth) at.x = m.screenWidth - m.windowWidth - m.captionHeight;
  if (at.y + m.windowHeight > m.screenHeight) at.y = m.screenHeight - m.windowHeight - m.captionHeight;
  if (at.x < 0) at.x = m.captionHeight;
  if (at.y < 0) at.y = m.captionHeight;
  return at;
}

MenuPage::MenuPage(const MenuTable& menus, SettingsRecord& settings)
    : menus_(menus), settings_(settings) {}

bool MenuPage::FormShow(const MenuRequest& request, const MenuMetrics& metrics) {
  if (open_) return false;
  open_ = true;
  request_ = request;
  results_ = {};
  ClearRows();
  if (request_.FromTray) {
    // PageIndex stays: the item page's own showing starts at page 0 anyway.
    rows_ = SystemRows(settings_.Hook_ON, settings_.WaitTimeFlg);
  } else {
    pageIndex_ = 0;
    // Every button is unchecked first, so checking the remembered one is a
    // real click that fills the page even when it was checked last time.
    checkedButton_ = 0;
    int button = settings_.MenuNo;
    if (button < 1 || button > kShownCategoryButtons) button = 1;
    RadioButtonClick(button);
  }
  position_ = PlaceMenu({request_.MenuLeft, request_.MenuTop}, metrics);
  return true;
}

void MenuPage::RadioButtonClick(int button) {
  // The title band covers the buttons on the system page; a click that got
  // through anyway must not replace the system rows.
  if (request_.FromTray) return;
  if (button < 1 || button > kCategoryButtons || button == checkedButton_) return;
  checkedButton_ = button;
  FillPage();
}

void MenuPage::PreviousPage() {
  if (request_.FromTray || pageIndex_ <= 0) return;
  --pageIndex_;
  FillPage();
}

void MenuPage::NextPage() {
  if (request_.FromTray) return;
  // Without a category there is no page that holds an item.
  if (ItemCountOf(FindCategory()) <= kMenuRows * (pageIndex_ + 1)) return;
  ++pageIndex_;
  FillPage();
}

RowTap MenuPage::LightLabelClick(int row) const {
  if (row < 0 || row >= kMenuRows || rows_[row].empty()) return {};
  if (request_.FromTray) return {RowTapKind::RunSystemRow, row, {}, {}};
  return {RowTapKind::RunItem, row, pageItems_[row], rows_[row]};
}

int MenuPage::FindCategory() const {
  int menuCount = std::min(settings_.MenuItem_Count, static_cast<int>(menus_.size()) - 1);
  return checkedButton_ >= 1 && checkedButton_ <= menuCount ? checkedButton_ : 0;
}

int MenuPage::ItemCountOf(int category) const {
  return category == 0 ? 0 : menus_[category].ItemCount();
}

void MenuPage::ClearRows() {
  for (std::string& row : rows_) row.clear();
  pageItems_.clear();
}

void MenuPage::FillPage() {
  int category = FindCategory();
  settings_.MenuNo = category;
  ClearRows();
  int itemCount = ItemCountOf(category);
  int first = kMenuRows * pageIndex_ + 1;
  int last = std::min(itemCount, first + kMenuRows - 1);
  for (int item = first; item <= last; ++item) {
    const std::string& record = menus_[category].elements[item];
    // A record without a display name keeps its row, which stays blank.
    rows_[item - first] = ExtractDisplayName(record);
    pageItems_.push_back(record);
  }
}

}  // namespace qpad
