#pragma once
// The five categories that the settings window edits: menu k of the
// MenuTable is category k, and each category creates items of one kind.

#include <array>

#include "shared/item_record.h"
#include "shared/menu_table.h"

namespace qpad::editor {

struct Category {
  int menu;             // MenuTable entry, 2 .. 6
  const char* button;   // selector button, e.g. "SpeedButton1"
  const char* caption;  // UTF-8, shown in Label2
  ItemKind kind;
};

constexpr int kCategoryCount = 5;

const std::array<Category, kCategoryCount>& Categories();

// The category of a menu number; nullptr for menus that no button edits.
const Category* CategoryOfMenu(int menu);

// A category can be edited only when its menu exists and its file was read:
// items added to a menu that is never written back would be lost.
bool CategoryAvailable(const MenuTable& table, int menu);

// The category shown first: 2 when it is available, else the first
// available one; 0 when none is.
int FirstAvailableCategory(const MenuTable& table);

}  // namespace qpad::editor
