#include "resident/recent_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace qpad {
namespace {

// "Main" and a HistoryMenu holding `items` texts "oldN".
MenuTable TableWithHistory(int items) {
  MenuTable table(2);
  table[0].elements = {"Main"};
  table[1].elements = {"履歴"};
  for (int item = 1; item <= items; ++item)
    table[1].elements.push_back("[#old#][M:]old" + std::to_string(item));
  return table;
}

std::string TextRecord(const std::string& caption, const std::string& text) {
  return "[#" + caption + "#][M:]" + text;
}

TEST(RecordRecentText, SixteenthDistinctTextOverwritesTheFirst) {
  MenuTable table = TableWithHistory(15);
  int32_t slot = 1;
  for (int n = 1; n <= 16; ++n)
    ASSERT_TRUE(RecordRecentText(table, slot, "text" + std::to_string(n), "cap")) << n;
  EXPECT_EQ(table[1].elements[1], TextRecord("cap", "text16"));
  EXPECT_EQ(table[1].elements[2], TextRecord("cap", "text2"));
  EXPECT_EQ(table[1].elements[15], TextRecord("cap", "text15"));
  EXPECT_EQ(table[1].ItemCount(), 15);
  EXPECT_EQ(slot, 2);
}

TEST(RecordRecentText, TextAlreadyPresentAsARecordsStartIsNotRecorded) {
  struct Case {
    const char* recorded;
    const char* pasted;
    bool expected;
  };
  const Case cases[] = {
      {"abcdef", "abc", false},     // the marker "#][M:]abc" is found in the longer record
      {"abc", "abcdef", true},      // a longer text is new
      {"abcdef", "abcdef", false},  // a history item pasted again
      {"xabc", "abc", true},        // only "#][M:]" + text counts: the end of a text is new
  };
  for (const Case& c : cases) {
    MenuTable table = TableWithHistory(15);
    table[1].elements[4] = TextRecord("x", c.recorded);
    int32_t slot = 7;
    EXPECT_EQ(RecordRecentText(table, slot, c.pasted, "cap"), c.expected) << c.recorded << " / " << c.pasted;
    EXPECT_EQ(slot, c.expected ? 8 : 7) << c.recorded << " / " << c.pasted;
    EXPECT_EQ(table[1].elements[7] == TextRecord("cap", c.pasted), c.expected);
  }
}

TEST(RecordRecentText, NeverWritesOutsideTheHistoryMenu) {
  struct Case {
    const char* what;
    int items;
    int32_t slot;
    int writtenAt;  // element index of the new record
    int32_t nextSlot;
    int itemCountAfter;
  };
  const Case cases[] = {
      {"last slot wraps to the first", 15, 15, 15, 1, 15},
      {"slot beyond a short menu appends", 2, 5, 3, 6, 3},
      {"empty menu appends", 0, 1, 1, 2, 1},
      {"stored slot above 15 starts again at 1", 15, 20, 1, 2, 15},
      {"stored slot 0 starts again at 1", 15, 0, 1, 2, 15},
  };
  for (const Case& c : cases) {
    MenuTable table = TableWithHistory(c.items);
    int32_t slot = c.slot;
    ASSERT_TRUE(RecordRecentText(table, slot, "new", "cap")) << c.what;
    EXPECT_EQ(table[1].elements[c.writtenAt], TextRecord("cap", "new")) << c.what;
    EXPECT_EQ(slot, c.nextSlot) << c.what;
    EXPECT_EQ(table[1].ItemCount(), c.itemCountAfter) << c.what;
  }
}

TEST(RecordRecentText, WithoutAHistoryMenuNothingIsRecorded) {
  MenuTable table(1);
  table[0].elements = {"Main", "[#m#][M:]main text"};
  int32_t slot = 3;
  EXPECT_FALSE(RecordRecentText(table, slot, "new", "cap"));
  EXPECT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].ItemCount(), 1);
  EXPECT_EQ(slot, 3);
}

}  // namespace
}  // namespace qpad
