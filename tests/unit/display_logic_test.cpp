// The display timing on a fake clock, tick by tick. Times are milliseconds
// from the moment the scenario starts (the desktop has booted: the first tick
// hid the off-screen window at 200 ms).

#include <gtest/gtest.h>

#include "fake_desktop.h"

namespace qpad {
namespace {

using testing::FakeDesktop;

constexpr Point kTap{500, 400};  // shape 4: the panel's top-left corner is (414, 299)

struct Booted {
  Booted() { d.Boot(); }
  FakeDesktop d;
  int64_t Since(int64_t t) const { return t - start; }
  int64_t start = 0;
  void Begin() { start = d.now; }
};

TEST(DisplayLogic, TheFirstTickHidesTheWindowShownOffScreen) {
  FakeDesktop d;
  d.Boot();
  EXPECT_FALSE(d.visible);
  EXPECT_EQ(d.hiddenAt, std::vector<int64_t>{200});
  EXPECT_FALSE(d.Running(PanelTimer::Display));
  EXPECT_EQ(d.appliedShape, 1);
}

TEST(DisplayLogic, ShowDelayAndDisplayTimeFollowTheLimitsInForce) {
  const struct {
    const char* what;
    bool stroke;
    int32_t show, hide;  // SbTime_ck and SbUnTime, or SbDrawTime and SbDrawUnTime for a stroke
    int64_t shownAfter, visibleFor;
  } cases[] = {
      {"click-ON tap", false, 10, 30, 1000, 3000},
      {"the larger limit keeps it", false, 10, 5, 1000, 1000},
      {"limits round up to a tick", false, 5, 30, 600, 3000},
      {"after drawing stays 3 s, not 1 s", true, 30, 10, 3000, 3000},
      {"after drawing, long hide limit", true, 10, 30, 1000, 3000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Booted b;
    (c.stroke ? b.d.settings.SbDrawTime : b.d.settings.SbTime_ck) = c.show;
    (c.stroke ? b.d.settings.SbDrawUnTime : b.d.settings.SbUnTime) = c.hide;
    b.Begin();
    const Point release = c.stroke ? Point{kTap.x + 100, kTap.y} : kTap;
    b.d.Press(kTap);
    b.d.Release(release);
    b.d.RunFor(10000);
    ASSERT_EQ(b.d.shownAt.size(), 1u);
    EXPECT_EQ(b.Since(b.d.shownAt[0]), c.shownAfter);
    EXPECT_EQ(b.d.hiddenAt.back() - b.d.shownAt[0], c.visibleFor);
    EXPECT_FALSE(b.d.Running(PanelTimer::Display));
  }
}

TEST(DisplayLogic, ClickOnReleaseFartherThan40OnAnAxisIsAStroke) {
  const struct {
    int32_t dx, dy;
    bool stroke;
  } cases[] = {{40, 40, false}, {-40, -40, false}, {41, 0, true}, {0, -41, true}, {-41, 40, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.dx << "," << c.dy);
    Booted b;
    b.Begin();
    b.d.Press(kTap);
    b.d.Release({kTap.x + c.dx, kTap.y + c.dy});
    EXPECT_EQ(b.d.logic.state().AfterDrawing, c.stroke);
    EXPECT_EQ(b.d.Running(PanelTimer::Draw), c.stroke);
    b.d.RunFor(5000);
    ASSERT_FALSE(b.d.shownAt.empty());
    EXPECT_EQ(b.Since(b.d.shownAt[0]), c.stroke ? 3000 : 1000);
  }
}

TEST(DisplayLogic, ASeriesOfTapsIsTimedFromTheFirstAndShownAtTheLast) {
  Booted b;
  b.Begin();
  b.d.Tap({300, 300});
  b.d.RunFor(300);
  b.d.Tap({320, 310});
  b.d.RunFor(400);
  b.d.Tap(kTap);
  b.d.RunFor(1000);
  ASSERT_EQ(b.d.shownAt.size(), 1u);
  EXPECT_EQ(b.Since(b.d.shownAt[0]), 1000);
  EXPECT_EQ(b.d.PanelTopLeft(), (Point{414, 299}));
}

TEST(DisplayLogic, AfterDrawingEveryPressRestartsTheDelay) {
  Booted b;
  b.Begin();
  b.d.Press(kTap);
  b.d.Release({kTap.x + 100, kTap.y});  // a stroke
  for (int i = 0; i < 2; ++i) {
    b.d.RunFor(1000);
    b.d.Tap({300 + 10 * i, 300});
  }
  b.d.RunFor(5000);
  ASSERT_EQ(b.d.shownAt.size(), 1u);
  EXPECT_EQ(b.Since(b.d.shownAt[0]), 2000 + 3000);
}

TEST(DisplayLogic, AfterDrawingEndsAtThe30thDrawTickAfterTheLastStroke) {
  const struct {
    std::vector<int64_t> strokesAt;
    int64_t endsAt;
  } cases[] = {{{0}, 15000}, {{0, 7250}, 22000}};  // the second stroke comes after the first panel hid
  for (const auto& c : cases) {
    Booted b;
    b.Begin();
    for (int64_t at : c.strokesAt) {
      b.d.RunFor(b.start + at - b.d.now);
      b.d.Press(kTap);
      b.d.Release({kTap.x - 100, kTap.y});
    }
    b.d.RunFor(b.start + c.endsAt - 1 - b.d.now);
    EXPECT_TRUE(b.d.logic.state().AfterDrawing) << "1 ms before " << c.endsAt;
    b.d.RunFor(1);
    EXPECT_FALSE(b.d.logic.state().AfterDrawing) << "at " << c.endsAt;
    EXPECT_EQ(b.d.logic.state().DrawTicks, 0);
    EXPECT_FALSE(b.d.Running(PanelTimer::Draw));
  }
}

TEST(DisplayLogic, WaitOnShowsAtOnceAfterMoreThanWaitTimeHeldStill) {
  const struct {
    int64_t heldFor;
    Point offset;
    bool shows;
  } cases[] = {
      {1100, {0, 0}, false},      // 5 hold ticks: 10 is not more than WaitTime 10
      {1200, {0, 0}, true},       // 6 hold ticks
      {1200, {100, 14}, true},    // either axis within 15 is enough
      {1200, {-100, -14}, true},  {1200, {14, 100}, true},
      {1200, {15, 15}, false},    {1200, {20, 20}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.heldFor << " ms, " << c.offset.x << "," << c.offset.y);
    Booted b;
    b.d.settings.WaitTimeFlg = true;
    b.d.Press(kTap);
    b.d.RunFor(c.heldFor);
    b.d.Release({kTap.x + c.offset.x, kTap.y + c.offset.y});
    EXPECT_EQ(b.d.visible, c.shows);
    if (c.shows) {
      EXPECT_EQ(b.d.shownAt, std::vector<int64_t>{b.d.now});
    }
    EXPECT_FALSE(b.d.Running(PanelTimer::Hold));
    b.d.RunFor(5000);
    EXPECT_EQ(b.d.shownAt.size(), c.shows ? 1u : 0u) << "a short hold schedules nothing";
  }
}

TEST(DisplayLogic, AnIgnoredReleaseChangesNothing) {
  const struct {
    const char* what;
    bool waitOn, dragging, skip;
  } cases[] = {
      {"click-ON", false, false, false},
      {"wait-ON after a long hold", true, false, false},
      {"during a right drag", false, true, false},
      {"with SkipNextRelease", false, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Booted b;
    b.d.settings.WaitTimeFlg = c.waitOn;
    PanelState& s = b.d.logic.state();
    s.IgnoreRelease = true;
    s.PanelPoint = {7, 7};
    s.RDragging = c.dragging;
    s.SkipNextRelease = c.skip;
    b.d.Press(kTap);
    b.d.RunFor(1200);
    b.d.Release({kTap.x + 100, kTap.y});
    EXPECT_EQ(s.PanelPoint, (Point{7, 7}));
    EXPECT_EQ(b.d.actionWindow, 0u);
    EXPECT_EQ(s.RDragging, c.dragging);
    EXPECT_EQ(s.SkipNextRelease, c.skip);
    EXPECT_FALSE(s.AfterDrawing);
    EXPECT_FALSE(b.d.Running(PanelTimer::Display));
    EXPECT_EQ(b.d.Running(PanelTimer::Hold), c.waitOn) << "not even the hold timer stops";
    EXPECT_TRUE(b.d.shownAt.empty());
  }
}

TEST(DisplayLogic, APressOnAVisiblePanelNeverMovesTheTarget) {
  Booted b;
  b.d.windowAt = [](Point p) { return WindowHandle(0x1000 + p.x); };
  b.d.Tap(kTap);
  b.d.RunFor(1000);
  ASSERT_TRUE(b.d.visible);
  b.d.Press({40, 40});  // would choose shape 1
  const PanelState& s = b.d.logic.state();
  EXPECT_EQ(s.TargetPoint, kTap);
  EXPECT_EQ(s.TargetWindow, WindowHandle(0x1000 + kTap.x));
  EXPECT_EQ(s.ActiveShape, 4);
  EXPECT_EQ(b.d.appliedShape, 4);
  b.d.Release({40, 40});
  EXPECT_EQ(s.PanelPoint, (Point{40, 40})) << "the release still takes PanelPoint";
  EXPECT_EQ(b.d.actionWindow, FakeDesktop::kForegroundWindow);
  EXPECT_TRUE(b.d.visible);
  EXPECT_EQ(b.d.shownAt.size(), 1u);
}

TEST(DisplayLogic, ThePointerMayWanderWithinIUnVisOfThePanel) {
  // The panel spans (414, 299) to (500, 400); iUnVis is 5.
  const struct {
    Point at;
    bool hides;
  } cases[] = {
      {{409, 350}, true},  {{410, 350}, false},  // Left - 5, Left - 4
      {{505, 350}, true},  {{504, 350}, false},  // Right + 5, Right + 4
      {{450, 294}, true},  {{450, 295}, false},  // Top - 5, Top - 4
      {{450, 405}, true},  {{450, 404}, false},  // Bottom + 5, Bottom + 4
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.at.x << "," << c.at.y);
    Booted b;
    b.d.Tap(kTap);
    b.d.RunFor(1000);
    ASSERT_TRUE(b.d.visible);
    b.d.MoveTo(c.at);
    b.d.RunFor(199);
    EXPECT_TRUE(b.d.visible) << "only a tick hides it";
    b.d.RunFor(1);
    EXPECT_EQ(b.d.visible, !c.hides);
  }
}

TEST(DisplayLogic, AfterASynthesizedRightClickTheNextReleaseSchedulesNothing) {
  Booted b;
  PanelState& s = b.d.logic.state();
  s.SkipNextRelease = true;
  b.d.Tap(kTap);
  EXPECT_FALSE(s.SkipNextRelease);
  EXPECT_TRUE(s.IgnoreRelease);
  EXPECT_FALSE(b.d.Running(PanelTimer::Display));
  b.d.RunFor(499);
  EXPECT_TRUE(s.IgnoreRelease);
  b.d.RunFor(1);
  EXPECT_FALSE(s.IgnoreRelease) << "the guard's first tick";
  EXPECT_FALSE(b.d.Running(PanelTimer::Guard));
  b.d.RunFor(3000);
  EXPECT_TRUE(b.d.shownAt.empty());

  const int64_t tap = b.d.now;
  b.d.Tap(kTap);
  b.d.RunFor(1000);
  EXPECT_EQ(b.d.shownAt, std::vector<int64_t>{tap + 1000}) << "the tap after that works again";
}

TEST(DisplayLogic, AMovedPanelStaysWhileMovingThenActsAtItsNewCorner) {
  Booted b;
  b.d.windowAt = [](Point p) { return WindowHandle(0x1000 + p.x); };
  b.d.Tap(kTap);
  b.d.RunFor(1000);
  const int64_t shown = b.d.now;
  PanelState& s = b.d.logic.state();

  EXPECT_EQ(b.d.logic.HitTest(b.d.ButtonCenter(PanelButton::R), false), HitTestAnswer::Client);
  EXPECT_EQ(s.TargetPoint, kTap) << "hovering a button before any move changes nothing";

  b.d.DragPanelBy({-100, -50});
  EXPECT_TRUE(s.Moved);
  EXPECT_TRUE(s.MovePending);
  b.d.MoveTo({900, 700});  // far outside: no margin test after a move
  b.d.RunFor(2000);
  EXPECT_TRUE(b.d.visible) << "no time limit while the move is pending";

  EXPECT_EQ(b.d.logic.HitTest(b.d.ButtonCenter(PanelButton::M), false), HitTestAnswer::Client);
  EXPECT_FALSE(s.MovePending);
  EXPECT_EQ(s.TargetPoint, (Point{400, 350})) << "shape 4 touches with its bottom-right corner";
  EXPECT_EQ(s.TargetWindow, WindowHandle(0x1000 + kTap.x)) << "the window of the original press";

  // SbDrawTime 30: 15 ticks, the last tick of the move (reset, then counted) the first of them.
  b.d.MoveTo({900, 700});
  b.d.RunFor(2799);
  EXPECT_TRUE(b.d.visible);
  b.d.RunFor(1);
  EXPECT_FALSE(b.d.visible);
  EXPECT_EQ(b.d.now - shown, 2000 + 2800);
  EXPECT_FALSE(s.Moved);
}

TEST(DisplayLogic, AReleaseInsideThePressesShapeChangeMeasuresFromTheNewTarget) {
  Booted b;
  b.d.QuickTap(kTap);  // shape 1 -> 4: the release runs inside SelectShape's pump
  EXPECT_FALSE(b.d.logic.state().AfterDrawing);
  b.d.RunFor(1000);
  EXPECT_TRUE(b.d.visible);
  EXPECT_EQ(b.d.PanelTopLeft(), (Point{414, 299}));
}

TEST(DisplayLogic, HidePanelLetsMessagesRunBeforeTheDisplayStateIsReset) {
  Booted b;
  b.d.Tap(kTap);
  b.d.RunFor(1000);
  PanelState& s = b.d.logic.state();
  s.Moved = true;
  s.DisplayTicks = 3;
  bool checked = false;
  b.d.onPump = [&] {
    checked = true;
    EXPECT_EQ(s.DisplayTicks, 0);
    EXPECT_FALSE(b.d.visible);
    EXPECT_TRUE(b.d.Running(PanelTimer::Display));
    EXPECT_TRUE(s.Shown);
    EXPECT_TRUE(s.Moved);
  };
  b.d.logic.HidePanel();
  EXPECT_TRUE(checked);
  EXPECT_FALSE(b.d.Running(PanelTimer::Display));
  EXPECT_FALSE(s.Shown);
  EXPECT_FALSE(s.Moved);
}

}  // namespace
}  // namespace qpad
