#include <gtest/gtest.h>

#include "resident/release_order.h"

namespace qpad {
namespace {

TEST(ReleaseOrder, HoldsReleasesOnlyWhileAButtonHasTheCapture) {
  ReleaseOrder order;
  EXPECT_FALSE(order.Hold()) << "no button held: handle at once";

  order.ButtonCaptured();
  EXPECT_TRUE(order.Hold());
  EXPECT_EQ(order.TakeDue(), 0) << "a pump before the button's release handler keeps it back";

  order.ButtonReleased();
  EXPECT_EQ(order.TakeDue(), 1) << "the handler's first pump (or its end) delivers it";
  EXPECT_EQ(order.TakeDue(), 0) << "delivered once";
  EXPECT_FALSE(order.Hold()) << "later codes pass straight through";
}

TEST(ReleaseOrder, ANewCaptureInsideAHandlerHoldsOnlyItsOwnRelease) {
  ReleaseOrder order;
  order.ButtonCaptured();
  order.Hold();
  order.ButtonReleased();
  EXPECT_EQ(order.TakeDue(), 1);

  order.ButtonCaptured();  // pressed again while the first handler still waits
  EXPECT_TRUE(order.Hold());
  EXPECT_EQ(order.TakeDue(), 0);
  order.ButtonReleased();
  EXPECT_EQ(order.TakeDue(), 1);
}

}  // namespace
}  // namespace qpad
