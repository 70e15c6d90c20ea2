// The item list and the category's records stay in step; delete and move
// act on the selected row's own record even when names are shared.
#include <gtest/gtest.h>

#include "settings_editor/categories.h"
#include "settings_editor/item_list.h"

namespace qpad::editor {
namespace {

Menu MenuOf(std::vector<std::string> records) {
  Menu menu;
  menu.elements.push_back("Menu2");
  for (auto& record : records) menu.elements.push_back(record);
  menu.loaded = true;
  return menu;
}

std::vector<std::string> Records(const Menu& menu) {
  return {menu.elements.begin() + 1, menu.elements.end()};
}

TEST(ItemList, RowsShowDisplayNamesAndEmptyForRecordsWithoutOne) {
  Menu menu = MenuOf({"[#a#][M:]x", "no name", "[#\x83\x65#][M:]y"});
  EXPECT_EQ(ItemRows(menu), (std::vector<std::string>{"a", "", "\x83\x65"}));
}

TEST(ItemList, AppendAndReplaceKeepRowsInStep) {
  Menu menu = MenuOf({"[#a#][M:]1"});
  AppendItem(menu, "[#b#][M:]2");
  EXPECT_TRUE(ReplaceItem(menu, 0, "[#c#][M:]3"));
  EXPECT_FALSE(ReplaceItem(menu, 2, "[#d#][M:]4"));
  EXPECT_FALSE(ReplaceItem(menu, -1, "[#d#][M:]4"));
  EXPECT_EQ(Records(menu), (std::vector<std::string>{"[#c#][M:]3", "[#b#][M:]2"}));
  EXPECT_EQ(ItemRows(menu), (std::vector<std::string>{"c", "b"}));
  EXPECT_EQ(menu.elements[0], "Menu2");
}

TEST(ItemList, DeleteRemovesOnlyTheSelectedRecordOfASharedName) {
  Menu menu = MenuOf({"[#a#][M:]1", "[#b#][M:]2", "[#a#][M:]3"});
  EXPECT_TRUE(DeleteItem(menu, 2));
  EXPECT_EQ(Records(menu), (std::vector<std::string>{"[#a#][M:]1", "[#b#][M:]2"}));
  EXPECT_EQ(menu.elements[0], "Menu2");
}

TEST(ItemList, DeleteRefusesNoSelectionAndRowsWithoutName) {
  Menu menu = MenuOf({"[#a#][M:]1", "plain"});
  EXPECT_FALSE(DeleteItem(menu, -1));
  EXPECT_FALSE(DeleteItem(menu, 1));
  EXPECT_FALSE(DeleteItem(menu, 5));
  EXPECT_EQ(menu.ItemCount(), 2);
}

TEST(ItemList, MoveTable) {
  struct Case {
    const char* what;
    std::vector<std::string> records;
    int row;
    MoveDirection direction;
    bool refill;
    std::vector<std::string> after;
  };
  const std::string a1 = "[#a#][M:]1", b = "[#b#][M:]2", a3 = "[#a#][M:]3", x = "noname";
  const Case cases[] = {
      {"second of a shared name moves itself", {a1, b, a3}, 2, MoveDirection::Up, true, {a1, a3, b}},
      {"first of a shared name moves down", {a1, b, a3}, 0, MoveDirection::Down, true, {b, a1, a3}},
      {"first row up stays", {a1, b}, 0, MoveDirection::Up, true, {a1, b}},
      {"last row down stays", {a1, b}, 1, MoveDirection::Down, true, {a1, b}},
      {"two records, second up swaps", {a1, b}, 1, MoveDirection::Up, true, {b, a1}},
      {"one record, up", {a1}, 0, MoveDirection::Up, false, {a1}},
      {"one record, down", {a1}, 0, MoveDirection::Down, false, {a1}},
      {"no selection", {a1, b}, -1, MoveDirection::Down, false, {a1, b}},
      {"row without name", {a1, x}, 1, MoveDirection::Up, false, {a1, x}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Menu menu = MenuOf(c.records);
    EXPECT_EQ(MoveItem(menu, c.row, c.direction), c.refill);
    EXPECT_EQ(Records(menu), c.after);
  }
}

TEST(Categories, CaptionsKindsAndAvailability) {
  struct Row {
    int menu;
    const char* caption;
    ItemKind kind;
  };
  const Row expected[] = {{2, "定型文字", ItemKind::FixedText},
                          {3, "ショートカット", ItemKind::ShortcutKey},
                          {4, "ランチャー", ItemKind::ProgramLaunch},
                          {5, "ウィンドウ操作", ItemKind::WindowOperation},
                          {6, "ブラウザ操作", ItemKind::WebPage}};
  for (const Row& row : expected) {
    const Category* category = CategoryOfMenu(row.menu);
    ASSERT_NE(category, nullptr);
    EXPECT_STREQ(category->caption, row.caption);
    EXPECT_EQ(category->kind, row.kind);
  }
  EXPECT_EQ(CategoryOfMenu(1), nullptr);
  EXPECT_EQ(CategoryOfMenu(7), nullptr);

  // Four menus named, and the file of menu 3 was missing: the load stopped
  // there, so menus 3 and 4 hold only their names.
  MenuTable table(5);
  for (int k = 0; k < 5; ++k) table[k] = MenuOf({});
  table[3].loaded = table[4].loaded = false;
  EXPECT_TRUE(CategoryAvailable(table, 2));
  EXPECT_FALSE(CategoryAvailable(table, 3));
  EXPECT_FALSE(CategoryAvailable(table, 5));
  EXPECT_FALSE(CategoryAvailable(table, 1));
  EXPECT_EQ(FirstAvailableCategory(table), 2);
  table[2].loaded = false;
  EXPECT_EQ(FirstAvailableCategory(table), 0);
}

}  // namespace
}  // namespace qpad::editor
