#include "settings_editor/categories.h"

namespace qpad::editor {

const std::array<Category, kCategoryCount>& Categories() {
  static const std::array<Category, kCategoryCount> kCategories = {{
      {2, "SpeedButton1", "定型文字", ItemKind::FixedText},
      {3, "SpeedButton3", "ショートカット", ItemKind::ShortcutKey},
      {4, "SpeedButton4", "ランチャー", ItemKind::ProgramLaunch},
      {5, "SpeedButton5", "ウィンドウ操作", ItemKind::WindowOperation},
      {6, "SpeedButton6", "ブラウザ操作", ItemKind::WebPage},
  }};
  return kCategories;
}

const Category* CategoryOfMenu(int menu) {
  for (const Category& category : Categories())
    if (category.menu == menu) return &category;
  return nullptr;
}

bool CategoryAvailable(const MenuTable& table, int menu) {
  return CategoryOfMenu(menu) != nullptr && menu < static_cast<int>(table.size()) &&
         table[menu].loaded;
}

int FirstAvailableCategory(const MenuTable& table) {
  for (const Category& category : Categories())
    if (CategoryAvailable(table, category.menu)) return category.menu;
  return 0;
}

}  // namespace qpad::editor
