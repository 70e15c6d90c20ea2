#include "resident/menu_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resident/system_page.h"
#include "shared/item_record.h"

namespace qpad {
namespace {

using platform::Point;

// 230 wide as the window is made; 400 high with its frame.
constexpr MenuMetrics kMetrics{230, 400, 1024, 768, 18};

// "c3i17": item 17 of menu 3, so a row tells where it came from.
std::string NameOf(int menu, int item) {
  return "c" + std::to_string(menu) + "i" + std::to_string(item);
}

// Menu 0 "Main" and menus 1..n with the given numbers of items.
MenuTable MenusWithItems(std::vector<int> itemCounts, int mainItems = 0) {
  MenuTable table(itemCounts.size() + 1);
  itemCounts.insert(itemCounts.begin(), mainItems);
  for (size_t menu = 0; menu < table.size(); ++menu) {
    table[menu].elements.push_back(menu == 0 ? "Main" : "menu" + std::to_string(menu));
    for (int item = 1; item <= itemCounts[menu]; ++item)
      table[menu].elements.push_back(
          MakeItemRecord(NameOf(menu, item), ItemKind::FixedText, "text"));
    table[menu].loaded = true;
  }
  return table;
}

// The rows showing items first .. last of a menu, the rest blank.
MenuRowTexts RowsOf(int menu, int first, int last) {
  MenuRowTexts rows;
  for (int item = first; item <= last; ++item) rows[item - first] = NameOf(menu, item);
  return rows;
}

class MenuPageTest : public ::testing::Test {
 protected:
  void UseMenus(std::vector<int> itemCounts, int mainItems = 0) {
    settings.MenuItem_Count = static_cast<int>(itemCounts.size());
    menus = MenusWithItems(std::move(itemCounts), mainItems);
  }
  void ShowItemPage() {
    page.Close();
    ASSERT_TRUE(page.FormShow({100, 100, 0x1234, false}, kMetrics));
  }
  void ShowSystemPage() {
    page.Close();
    ASSERT_TRUE(page.FormShow({100, 100, 0x1234, true}, kMetrics));
  }

  MenuTable menus;
  SettingsRecord settings;
  MenuPage page{menus, settings};
};

TEST(PlaceMenu, KeepsTheWindowACaptionHeightInsideTheScreen) {
  struct Case {
    Point requested;
    Point expected;
  };
  const Case cases[] = {
      {{-50, -50}, {18, 18}},     // above and left of the screen: a margin inside
      {{1000, 100}, {776, 100}},  // 1024 - 230 - 18
      {{1012, 758}, {776, 350}},  // the tray corner: a margin short of both edges
      {{794, 368}, {794, 368}},   // touching the right and bottom edges is still on screen
      {{100, 100}, {100, 100}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PlaceMenu(c.requested, kMetrics), c.expected) << c.requested.x << "," << c.requested.y;
}

TEST(PlaceMenu, WindowLargerThanTheScreenStartsAMarginInside) {
  MenuMetrics tiny = kMetrics;
  tiny.screenWidth = 200;
  tiny.screenHeight = 300;
  EXPECT_EQ(PlaceMenu({50, 50}, tiny), (Point{18, 18}));
}

TEST_F(MenuPageTest, ShowingPlacesTheWindowAndShowsTheRememberedCategory) {
  UseMenus({3, 3, 3});
  settings.MenuNo = 3;
  page.Close();
  ASSERT_TRUE(page.FormShow({-50, -50, 0x1234, false}, kMetrics));
  EXPECT_EQ(page.Position(), (Point{18, 18}));
  EXPECT_EQ(page.CheckedCategory(), 3);
  EXPECT_EQ(page.Rows(), RowsOf(3, 1, 3));
  EXPECT_EQ(page.Encoding(), RowEncoding::ShiftJis);
  EXPECT_FALSE(page.TitleBandVisible());
}

TEST_F(MenuPageTest, NextPageNeverPassesTheLastPageThatHoldsAnItem) {
  struct Case {
    int items;
    int expectedPage;
    MenuRowTexts expectedRows;
  };
  const Case cases[] = {
      {16, 0, RowsOf(1, 1, 16)},   // exactly one page
      {17, 1, RowsOf(1, 17, 17)},  // item 17 alone in row 0
      {0, 0, MenuRowTexts{}},
  };
  for (const Case& c : cases) {
    UseMenus({c.items});
    ShowItemPage();
    page.NextPage();
    page.NextPage();
    EXPECT_EQ(page.PageIndex(), c.expectedPage) << c.items << " items";
    EXPECT_EQ(page.Rows(), c.expectedRows) << c.items << " items";
  }
}

TEST_F(MenuPageTest, PreviousPageStopsAtTheFirstPage) {
  UseMenus({17});
  ShowItemPage();
  page.NextPage();
  page.PreviousPage();
  page.PreviousPage();
  EXPECT_EQ(page.PageIndex(), 0);
  EXPECT_EQ(page.Rows(), RowsOf(1, 1, 16));
}

TEST_F(MenuPageTest, CategoryBeyondTheNumberOfMenusShowsABlankPageAndForgetsTheCategory) {
  UseMenus({3, 3});
  ShowItemPage();
  page.RadioButtonClick(4);
  EXPECT_EQ(page.FindCategory(), 0);
  EXPECT_EQ(page.Rows(), MenuRowTexts{});
  EXPECT_EQ(settings.MenuNo, 0);
  ShowItemPage();
  EXPECT_EQ(page.CheckedCategory(), 1);
  EXPECT_EQ(page.Rows(), RowsOf(1, 1, 3));
}

TEST_F(MenuPageTest, WithoutMenusEveryPageIsBlankEvenWhenMainHasItems) {
  UseMenus({}, 40);
  ShowItemPage();
  page.NextPage();
  EXPECT_EQ(page.PageIndex(), 0);
  EXPECT_EQ(page.Rows(), MenuRowTexts{});
  EXPECT_EQ(page.LightLabelClick(0).kind, RowTapKind::Nothing);
}

TEST_F(MenuPageTest, AnotherCategoryOpensOnTheSamePageNumber) {
  UseMenus({40, 5, 40});
  ShowItemPage();
  page.NextPage();
  page.NextPage();
  page.RadioButtonClick(3);
  EXPECT_EQ(page.PageIndex(), 2);
  EXPECT_EQ(page.Rows(), RowsOf(3, 33, 40));
  EXPECT_EQ(settings.MenuNo, 3);

  page.RadioButtonClick(2);  // five items: page 2 is blank, the Up button leads back
  EXPECT_EQ(page.Rows(), MenuRowTexts{});
  page.PreviousPage();
  page.PreviousPage();
  EXPECT_EQ(page.Rows(), RowsOf(2, 1, 5));
}

TEST_F(MenuPageTest, EachShowingStartsAtPageZeroOfTheRememberedCategory) {
  UseMenus({3, 3, 40});
  ShowItemPage();
  page.RadioButtonClick(3);
  page.NextPage();
  ShowItemPage();
  EXPECT_EQ(page.CheckedCategory(), 3);
  EXPECT_EQ(page.PageIndex(), 0);
  EXPECT_EQ(page.Rows(), RowsOf(3, 1, 16));
}

TEST_F(MenuPageTest, MenuNumberOutsideTheShownButtonsOpensTheFirstCategory) {
  UseMenus({1, 1, 1, 1, 1, 1, 1});
  struct Case {
    int storedMenuNo;
    int checked;
  };
  const Case cases[] = {{0, 1}, {7, 1}, {-1, 1}, {8, 1}, {6, 6}};
  for (const Case& c : cases) {
    settings.MenuNo = c.storedMenuNo;
    ShowItemPage();
    EXPECT_EQ(page.CheckedCategory(), c.checked) << c.storedMenuNo;
    EXPECT_EQ(settings.MenuNo, c.checked) << c.storedMenuNo;
    EXPECT_EQ(page.Rows()[0], NameOf(c.checked, 1)) << c.storedMenuNo;
  }
}

TEST_F(MenuPageTest, RowTapRunsTheRowsRecordAndABlankRowDoesNothing) {
  UseMenus({0});
  menus[1].elements = {"menu1", "[#a#][M:]x", "no name here [M:]y", "[#c#][F:]z"};
  ShowItemPage();
  EXPECT_EQ(page.Rows()[1], "");  // the unnamed record keeps its row

  EXPECT_EQ(page.LightLabelClick(1).kind, RowTapKind::Nothing);
  EXPECT_EQ(page.LightLabelClick(5).kind, RowTapKind::Nothing);
  RowTap tap = page.LightLabelClick(2);
  EXPECT_EQ(tap.kind, RowTapKind::RunItem);
  EXPECT_EQ(tap.record, "[#c#][F:]z");
  EXPECT_EQ(tap.caption, "c");
}

TEST_F(MenuPageTest, SystemPageShowsTheSystemRowsAndIgnoresPaging) {
  UseMenus({40});
  settings.Hook_ON = true;
  settings.WaitTimeFlg = false;
  ShowSystemPage();
  const MenuRowTexts systemRows = SystemRows(true, false);
  EXPECT_EQ(page.Rows(), systemRows);
  EXPECT_EQ(page.Encoding(), RowEncoding::Utf8);
  EXPECT_TRUE(page.TitleBandVisible());

  page.NextPage();
  page.PreviousPage();
  page.RadioButtonClick(2);
  EXPECT_EQ(page.Rows(), systemRows);

  EXPECT_EQ(page.LightLabelClick(9).kind, RowTapKind::Nothing);
  RowTap status = page.LightLabelClick(kRowStatus);
  EXPECT_EQ(status.kind, RowTapKind::RunSystemRow);
  EXPECT_EQ(status.row, kRowStatus);
}

TEST_F(MenuPageTest, AnOpenerWhileTheMenuIsOpenChangesNothing) {
  UseMenus({3});
  ShowItemPage();
  page.NextPage();
  EXPECT_FALSE(page.FormShow({900, 700, 0x9999, true}, kMetrics));
  EXPECT_FALSE(page.Request().FromTray);
  EXPECT_EQ(page.Request().ActionWindow, 0x1234u);
  EXPECT_EQ(page.Position(), (Point{100, 100}));
  EXPECT_EQ(page.Rows(), RowsOf(1, 1, 3));
}

TEST_F(MenuPageTest, EveryShowingClearsTheResults) {
  ShowSystemPage();
  page.Results().ExitRequested = true;
  page.Results().ModeChanged = true;
  ShowSystemPage();
  EXPECT_FALSE(page.Results().ExitRequested);
  EXPECT_FALSE(page.Results().ModeChanged);
}

}  // namespace
}  // namespace qpad
