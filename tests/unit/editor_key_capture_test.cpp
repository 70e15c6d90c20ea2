// Shortcut keys captured from presses in the item editor's two key boxes.
#include <gtest/gtest.h>

#include "settings_editor/key_capture.h"
#include "shared/key_spec.h"

namespace qpad::editor {
namespace {

constexpr Modifiers kNone{};
constexpr Modifiers kCtrl{false, false, true};
constexpr Modifiers kShiftAlt{true, true, false};

TEST(KeyCapture, MainKeyTable) {
  struct Case {
    const char* what;
    int key;
    Modifiers held, ticked;
    const char* spec;
  };
  const Case cases[] = {
      {"plain key", 65, kNone, kNone, "Key=65:"},
      {"ticked Ctrl", 67, kNone, kCtrl, "Key=67: Ctrl "},
      {"held Shift and Alt", 112, kShiftAlt, kNone, "Key=112: Shift  Alt "},
      {"held and ticked the same", 67, kCtrl, kCtrl, "Key=67: Ctrl "},
      {"all three in their order", 46, kShiftAlt, kCtrl, "Key=46: Shift  Alt  Ctrl "},
      {"the Ctrl key itself", 17, kCtrl, kNone, "Key=17: Ctrl "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    KeyCapture capture;
    capture.MainKeyDown(c.key, c.held, c.ticked);
    EXPECT_EQ(capture.Spec(), c.spec);
    EXPECT_EQ(capture.Display(), c.spec);
  }
}

TEST(KeyCapture, ModifierHeldFromItsOwnPressStaysForTheNextKey) {
  KeyCapture capture;
  capture.MainKeyDown(17, kCtrl, kNone);  // Ctrl goes down ...
  capture.MainKeyDown(17, kCtrl, kNone);  // ... repeats ...
  capture.MainKeyDown(67, kCtrl, kNone);  // ... and C while it is held
  EXPECT_EQ(capture.Spec(), "Key=67: Ctrl ");
}

TEST(KeyCapture, SecondKeyAppendsTheFirstPartAgain) {
  KeyCapture capture;
  capture.MainKeyDown(67, kNone, kCtrl);
  capture.SecondKeyDown(86);
  EXPECT_EQ(capture.Spec(), "Key=67: Ctrl  +Key2=86|Key=67: Ctrl ");
  EXPECT_EQ(capture.Display(), " +Key2=86|Key=67: Ctrl ");
  EXPECT_FALSE(capture.SecondBoxEnabled());

  // The resident program reads back both keys and the modifier.
  auto read = ReadKeySpec(capture.Spec());
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->key1, 67);
  EXPECT_EQ(read->key2, 86);
  EXPECT_TRUE(read->ctrl);
  EXPECT_FALSE(read->shift);
}

TEST(KeyCapture, NewMainKeyDropsTheSecondKeyButKeepsTheBoxDisabled) {
  KeyCapture capture;
  capture.MainKeyDown(67, kNone, kCtrl);
  capture.SecondKeyDown(86);
  capture.MainKeyDown(88, kNone, kNone);
  EXPECT_EQ(capture.Spec(), "Key=88:");
  EXPECT_FALSE(capture.SecondBoxEnabled());
  capture.SecondKeyDown(90);  // the disabled box takes nothing
  EXPECT_EQ(capture.Spec(), "Key=88:");
}

TEST(KeyCapture, ClearEmptiesEverythingAndEnablesTheSecondBox) {
  KeyCapture capture;
  capture.MainKeyDown(67, kNone, kCtrl);
  capture.SecondKeyDown(86);
  capture.Clear();
  EXPECT_EQ(capture.Spec(), "");
  EXPECT_EQ(capture.Display(), "");
  EXPECT_TRUE(capture.SecondBoxEnabled());
  capture.SecondKeyDown(86);
  EXPECT_EQ(capture.Display(), " +Key2=86|");
}

}  // namespace
}  // namespace qpad::editor
