// The timing page: bars hold stored values inside their ranges, "終了"
// writes the positions back into the right fields, and each display case
// shows exactly its panels.
#include <gtest/gtest.h>

#include "settings_editor/display_cases.h"
#include "settings_editor/timing_bars.h"

namespace qpad::editor {
namespace {

TEST(TimingBars, ShowStoredValuesClampedToTheirRanges) {
  SettingsRecord stored;
  stored.WaitTime = 0;         // below 1
  stored.SbTime = 100;         // at the top
  stored.SbTime_ck = 37;
  stored.SbUnTime = 201;       // above 200
  stored.SbDrawTime = 4;       // below 5
  stored.SbDrawUnTime = -20;
  stored.SbDrawBakTime = 9999;
  stored.iUnVis = 51;
  BarPositions shown = PositionsFromSettings(stored);
  EXPECT_EQ(shown, (BarPositions{1, 100, 200, 5, 5, 200, 37, 50}));
  EXPECT_EQ(ValueLabelText(shown[0]), "1");
}

TEST(TimingBars, StoreEachPositionInItsOwnField) {
  SettingsRecord settings;
  settings.Hook_ON = true;
  settings.MenuNo = 4;
  StorePositions(BarPositions{11, 12, 13, 14, 15, 16, 17, 18}, settings);
  EXPECT_EQ(settings.WaitTime, 11);
  EXPECT_EQ(settings.SbTime, 12);
  EXPECT_EQ(settings.SbUnTime, 13);
  EXPECT_EQ(settings.SbDrawTime, 14);
  EXPECT_EQ(settings.SbDrawUnTime, 15);
  EXPECT_EQ(settings.SbDrawBakTime, 16);
  EXPECT_EQ(settings.SbTime_ck, 17);
  EXPECT_EQ(settings.iUnVis, 18);
  EXPECT_TRUE(settings.Hook_ON);  // fields that no bar edits stay as they were
  EXPECT_EQ(settings.MenuNo, 4);
}

TEST(TimingBars, UntouchedBarsWriteBackWhatWasShown) {
  SettingsRecord stored;
  stored.WaitTime = 0;
  stored.SbTime_ck = 42;
  SettingsRecord written = stored;
  StorePositions(PositionsFromSettings(stored), written);
  EXPECT_EQ(written.WaitTime, 1);
  EXPECT_EQ(written.SbTime_ck, 42);
}

TEST(TimingBars, RangesStepsAndUnits) {
  struct Row {
    const char* panel;
    int min, max, line, page;
    const char* unit;
  };
  const Row expected[] = {
      {"Panel1", 1, 100, 2, 5, "00ms"},   {"Panel2", 1, 100, 2, 5, "00ms"},
      {"Panel3", 10, 200, 5, 5, "00ms"},  {"Panel4", 5, 200, 5, 5, "00ms"},
      {"Panel5", 5, 200, 5, 5, "00ms"},   {"Panel6", 10, 200, 10, 10, "00ms"},
      {"Panel7", 1, 100, 2, 5, "00ms"},   {"Panel8", 5, 50, 1, 1, "pt"},
  };
  for (const Row& row : expected) {
    SCOPED_TRACE(row.panel);
    int index = TimingBarIndex(row.panel);
    ASSERT_GE(index, 0);
    const TimingBar& bar = TimingBars()[index];
    EXPECT_EQ(bar.min, row.min);
    EXPECT_EQ(bar.max, row.max);
    EXPECT_EQ(bar.lineSize, row.line);
    EXPECT_EQ(bar.pageSize, row.page);
    EXPECT_STREQ(bar.unit, row.unit);
  }
}

TEST(DisplayCases, EachCaseShowsExactlyItsPanels) {
  struct Row {
    int displayCase;
    const char* picture;
    // Tops of Panel1 .. Panel8; 0 for a hidden panel.
    std::array<int, 8> tops;
  };
  const Row expected[] = {
      {0, "説明１.bmp", {200, 248, 296, 0, 0, 344, 0, 396}},
      {1, "説明２.bmp", {200, 0, 0, 248, 296, 344, 0, 396}},
      {2, "説明３.bmp", {0, 0, 248, 0, 0, 344, 200, 396}},
      {3, "説明４.bmp", {0, 0, 0, 248, 296, 344, 200, 396}},
  };
  for (const Row& row : expected) {
    SCOPED_TRACE(row.displayCase);
    EXPECT_STREQ(DisplayCases()[row.displayCase].picture, row.picture);
    PanelTops tops = PanelTopsFor(row.displayCase);
    for (int panel = 0; panel < 8; ++panel)
      EXPECT_EQ(tops[panel].value_or(0), row.tops[panel]) << "Panel" << panel + 1;
  }
}

}  // namespace
}  // namespace qpad::editor
