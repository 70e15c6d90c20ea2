// The panel buttons: the decisions as tables, then each button's handlers on
// the fake desktop, where the hook's release code is queued before the
// button's own button-up, as on Windows.

#include <gtest/gtest.h>

#include "fake_desktop.h"

namespace qpad {
namespace {

using platform::InputSequence;
using platform::kMouseLeftDown;
using platform::kMouseLeftUp;
using platform::kMouseRightDown;
using platform::kMouseRightUp;
using testing::FakeDesktop;
using testing::PlayedMouse;

constexpr Point kTarget{300, 300};  // shape 4: the panel spans (214, 199) to (300, 300)

std::vector<ScrollCommand> CommandsOf(const FakeDesktop& d) {
  std::vector<ScrollCommand> commands;
  for (const auto& sent : d.scrolls) {
    for (int k = 1; k <= 6; ++k) {
      if (ScrollMessageFor(ScrollCommand(k)) == sent.message) commands.push_back(ScrollCommand(k));
    }
  }
  return commands;
}

InputSequence ThenHidden(InputSequence played) {
  played.push_back(platform::Pump());  // HidePanel's pump
  return played;
}

// A booted desktop on which a tap at kTarget has brought the panel.
struct PanelUp {
  PanelUp() {
    d.Boot();
    d.Tap(kTarget);
    d.RunFor(1000);
    EXPECT_TRUE(d.visible);
    d.steps.clear();
  }
  Point Beside(PanelButton button, Point offset) const {
    const Point corner = d.ButtonTopLeft(button);
    return {corner.x + offset.x, corner.y + offset.y};
  }
  FakeDesktop d;
  PanelState& s = d.logic.state();
};

TEST(PanelButtonDecisions, RButtonIsDraggedOffBeyond32PixelsOnAnAxis) {
  const struct {
    Point cursor;
    bool dragged;
  } cases[] = {{{132, 100}, false}, {{133, 100}, true}, {{100, 67}, true}, {{68, 132}, false}, {{100, 100}, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(DraggedOffButton({100, 100}, c.cursor), c.dragged) << c.cursor.x << "," << c.cursor.y;
  }
}

TEST(PanelButtonDecisions, ScrollZonesAroundTheMButton) {
  using C = ScrollCommand;
  const Point m{100, 100};  // the button spans 100..132 both ways
  const struct {
    const char* where;
    Point p;
    std::vector<ScrollCommand> commands;
  } cases[] = {
      {"60 above", {116, 40}, {C::PageUp, C::LineUp}},
      {"51 above", {116, 49}, {C::PageUp, C::LineUp}},
      {"50 above", {116, 50}, {C::LineUp}},
      {"just above", {116, 99}, {C::LineUp}},
      {"on the button", {116, 116}, {}},
      {"just below", {116, 133}, {C::LineDown}},
      {"60 below", {116, 192}, {C::PageDown, C::LineDown}},
      {"10 left, level", {90, 116}, {}},
      {"19 left, above", {81, 40}, {C::PageUp, C::LineUp}},
      {"20 left, level", {80, 116}, {C::LineLeft}},
      {"25 left, level", {75, 116}, {C::LineLeft}},
      {"25 right, level", {157, 116}, {C::LineRight}},
      {"10 right, level", {142, 116}, {}},
      {"diagonal up left", {70, 40}, {C::LineLeft}},
      {"diagonal down right", {160, 190}, {C::LineRight}},
  };
  for (const auto& c : cases) EXPECT_EQ(ScrollCommandsAt(c.p, m), c.commands) << c.where;
}

TEST(PanelButtonDecisions, ScrollMessagesForEachDirection) {
  const struct {
    ScrollCommand command;
    ScrollMessage message;
  } cases[] = {
      {ScrollCommand::LineUp, {0x115, 0}},   {ScrollCommand::PageUp, {0x115, 2}},
      {ScrollCommand::LineDown, {0x115, 1}}, {ScrollCommand::PageDown, {0x115, 3}},
      {ScrollCommand::LineRight, {0x114, 1}}, {ScrollCommand::LineLeft, {0x114, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(ScrollMessageFor(c.command), c.message) << int(c.command);
}

TEST(PanelButtonDecisions, ListViewClassInAnyLetterCase) {
  const struct {
    const char* name;
    bool listView;
  } cases[] = {{"SysListView32", true}, {"syslistview32", true}, {"SYSLISTVIEW32", true},
               {"SysListView321", false}, {"SysListView3", false}, {"Edit", false}, {"", false}};
  for (const auto& c : cases) EXPECT_EQ(IsListViewClass(c.name), c.listView) << c.name;
}

TEST(PanelButtons, RClicksAtTheTargetOrDragsFromItToTheDropPoint) {
  const struct {
    const char* what;
    Point moveBy;
    bool tickBeforeRelease;
    bool drag;
  } cases[] = {
      {"released on the button", {0, 0}, true, false},
      {"32 away at a tick", {32, -32}, true, false},
      {"33 away at a tick", {33, 0}, true, true},
      {"33 up at a tick", {0, -33}, true, true},
      {"far away but no tick saw it", {80, 80}, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PanelUp p;
    p.d.PressButton(PanelButton::R);
    const Point center = p.d.ButtonCenter(PanelButton::R);
    const Point drop{center.x + c.moveBy.x, center.y + c.moveBy.y};
    p.d.MoveTo(drop);
    if (c.tickBeforeRelease) p.d.RunFor(200);
    EXPECT_TRUE(p.d.visible) << "holding R keeps the panel";
    p.d.ReleaseButton(PanelButton::R, drop);

    if (c.drag) {
      EXPECT_EQ(p.d.steps, ThenHidden(RightDragTo(kTarget, drop)));
      EXPECT_EQ(p.d.mouse, (std::vector<PlayedMouse>{{kMouseRightDown, kTarget}, {kMouseRightUp, drop}}));
      EXPECT_EQ(p.d.cursor, drop);
      EXPECT_EQ(p.s.RPressPoint, drop);
    } else {
      EXPECT_EQ(p.d.steps, ThenHidden(RightClickAt(kTarget)));
      EXPECT_EQ(p.d.mouse, (std::vector<PlayedMouse>{{kMouseRightDown, kTarget}, {kMouseRightUp, kTarget}}));
      EXPECT_EQ(p.d.cursor, kTarget);
    }
    EXPECT_EQ(p.s.TargetPoint, kTarget);
    EXPECT_FALSE(p.d.visible);
    EXPECT_FALSE(p.s.RHeld);
    EXPECT_FALSE(p.s.RDragging);
    EXPECT_TRUE(p.s.SkipNextRelease);
    EXPECT_TRUE(p.d.Running(PanelTimer::Guard));
    // A drag's release guard starts with its release code, at the sequence's
    // first pump, so it has run out by the end; a click's starts at the end.
    EXPECT_EQ(p.s.IgnoreRelease, !c.drag);
  }
}

TEST(PanelButtons, MScrollsTheTargetAtEveryTickAndItsReleaseThenLeavesThePanel) {
  using C = ScrollCommand;
  const struct {
    const char* where;
    Point offset;  // from the M button's top-left corner
    std::vector<ScrollCommand> perTick;
  } cases[] = {
      {"60 above", {16, -60}, {C::PageUp, C::LineUp}},
      {"60 below", {16, 92}, {C::PageDown, C::LineDown}},
      {"25 left, level", {-25, 16}, {C::LineLeft}},
      {"25 right, level", {57, 16}, {C::LineRight}},
      {"10 left, level", {-10, 16}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    PanelUp p;
    p.d.PressButton(PanelButton::M);
    EXPECT_TRUE(p.s.ScrollArmed);
    const Point at = p.Beside(PanelButton::M, c.offset);
    p.d.MoveTo(at);
    p.d.RunFor(200);
    EXPECT_EQ(CommandsOf(p.d), c.perTick);
    p.d.RunFor(200);
    EXPECT_EQ(p.d.scrolls.size(), 2 * c.perTick.size());
    for (const auto& sent : p.d.scrolls) EXPECT_EQ(sent.window, FakeDesktop::kWindowUnderPointer);

    p.d.ReleaseButton(PanelButton::M, at);
    const bool scrolled = !c.perTick.empty();
    EXPECT_EQ(p.d.menus.size(), scrolled ? 0u : 1u) << "a release after scrolling opens no menu";
    if (scrolled) {
      EXPECT_TRUE(p.d.visible) << "and leaves the panel";
    }
    EXPECT_FALSE(p.s.ScrollArmed);
    EXPECT_FALSE(p.s.Scrolled);
  }
}

TEST(PanelButtons, MNeverScrollsAListViewAndItsReleaseOpensTheMenu) {
  for (const char* name : {"SysListView32", "SYSLISTVIEW32"}) {
    SCOPED_TRACE(name);
    PanelUp p;
    p.d.classNames[FakeDesktop::kWindowUnderPointer] = name;
    p.d.PressButton(PanelButton::M);
    EXPECT_FALSE(p.s.ScrollArmed);
    const Point above = p.Beside(PanelButton::M, {16, -60});
    p.d.MoveTo(above);
    p.d.RunFor(400);
    EXPECT_TRUE(p.d.scrolls.empty());
    p.d.ReleaseButton(PanelButton::M, above);
    EXPECT_EQ(p.d.menus.size(), 1u);
  }
}

TEST(PanelButtons, MReleasedOnTheButtonOpensTheMenuThereWithReleasesIgnored) {
  PanelUp p;
  const Point panel = p.d.PanelTopLeft();
  p.d.PressButton(PanelButton::M);
  bool ranMenu = false;
  p.d.whileMenuOpen = [&] {
    ranMenu = true;
    EXPECT_FALSE(p.d.visible);
    EXPECT_TRUE(p.s.IgnoreRelease);
    p.d.Press({40, 40});  // hidden: takes a new target
    p.d.Release({40, 40});
    p.d.StartTimer(PanelTimer::Guard);  // as an action of the menu may
  };
  p.d.ReleaseButton(PanelButton::M, p.Beside(PanelButton::M, {10, 12}));

  ASSERT_TRUE(ranMenu);
  EXPECT_EQ(p.d.menus, (std::vector<PanelMenuRequest>{{panel.x + 10, panel.y + 12, false}}));
  EXPECT_EQ(p.s.TargetPoint, (Point{40, 40}));
  EXPECT_EQ(p.s.PanelPoint, kTarget) << "releases while the menu is open are ignored";
  EXPECT_FALSE(p.s.IgnoreRelease);
  EXPECT_FALSE(p.d.Running(PanelTimer::Guard));
  EXPECT_FALSE(p.d.visible);
  p.d.RunFor(3000);
  EXPECT_EQ(p.d.shownAt.size(), 1u) << "nothing was scheduled meanwhile";
}

TEST(PanelButtons, WDoubleClicksAtTheTargetWithNoPauseBetweenTheEvents) {
  PanelUp p;
  p.d.PressButton(PanelButton::W);
  p.d.ReleaseButton(PanelButton::W);
  EXPECT_EQ(p.d.steps, ThenHidden(DoubleClickAt(kTarget)));
  EXPECT_EQ(p.d.mouse, (std::vector<PlayedMouse>{{kMouseLeftDown, kTarget}, {kMouseLeftUp, kTarget},
                                                 {kMouseLeftDown, kTarget}, {kMouseLeftUp, kTarget}}));
  EXPECT_FALSE(p.d.visible);
  EXPECT_TRUE(p.d.Running(PanelTimer::Guard));
  EXPECT_EQ(p.s.TargetPoint, kTarget) << "its own clicks came while the panel was up";
  p.d.RunFor(3000);
  EXPECT_EQ(p.d.shownAt.size(), 1u) << "its own releases schedule nothing";
}

TEST(PanelButtons, WReleasedOffTheButtonDoesNothing) {
  PanelUp p;
  p.d.PressButton(PanelButton::W);
  p.d.ReleaseButton(PanelButton::W, {260, 200});
  EXPECT_TRUE(p.d.mouse.empty());
  EXPECT_TRUE(p.d.visible);
  EXPECT_EQ(p.s.PanelPoint, (Point{260, 200})) << "the held release still arrives";
}

// The hook's code 2 is queued before the button's button-up. Each button's
// handler must start first: the R drag must not turn into a click, and the
// releases that the handlers guard must not take PanelPoint.
TEST(PanelButtons, AReleaseOverAButtonIsHandledAfterTheButtonsHandlerStarts) {
  const struct {
    const char* what;
    PanelButton button;
    Point heldAt;  // where the pointer is (from the button's top-left) at a tick before the release
    bool releaseTakesPanelPoint;
    size_t menus;
  } cases[] = {
      {"R plain click", PanelButton::R, {16, 16}, false, 0},
      {"R drag", PanelButton::R, {16 + 40, 16}, true, 0},  // the drag's end takes it, then guards
      {"M menu", PanelButton::M, {16, 16}, false, 1},
      {"M after a scroll", PanelButton::M, {16, -60}, true, 0},
      {"W double click", PanelButton::W, {16, 16}, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PanelUp p;
    p.d.PressButton(c.button);
    const Point at = p.Beside(c.button, c.heldAt);
    p.d.MoveTo(at);
    p.d.RunFor(200);
    p.d.ReleaseButton(c.button, at);

    EXPECT_EQ(p.s.PanelPoint, c.releaseTakesPanelPoint ? at : kTarget);
    EXPECT_EQ(p.d.menus.size(), c.menus);
    EXPECT_FALSE(p.s.RHeld);
    EXPECT_FALSE(p.s.RDragging);
    if (c.button == PanelButton::R) {
      ASSERT_EQ(p.d.mouse.size(), 2u);
      EXPECT_EQ(p.d.mouse[1].at, c.releaseTakesPanelPoint ? at : kTarget) << "drag ends at the drop point";
    }
  }
}

TEST(PanelButtons, AfterAMoveRActsAtTheNewCornerWhileMScrollsTheOriginalWindow) {
  PanelUp p;
  p.d.windowAt = [](Point q) { return WindowHandle(0x1000 + q.x); };
  p.s.TargetWindow = p.d.WindowFromPoint(kTarget);
  p.d.DragPanelBy({-100, -50});
  EXPECT_EQ(p.d.logic.HitTest(p.d.ButtonCenter(PanelButton::M), false), HitTestAnswer::Client);
  const Point corner{200, 250};  // the moved panel's bottom-right corner
  ASSERT_EQ(p.s.TargetPoint, corner);

  p.d.PressButton(PanelButton::M);
  const Point above = p.Beside(PanelButton::M, {16, -60});
  p.d.MoveTo(above);
  p.d.RunFor(200);
  ASSERT_FALSE(p.d.scrolls.empty());
  EXPECT_EQ(p.d.scrolls[0].window, WindowHandle(0x1000 + kTarget.x));
  p.d.ReleaseButton(PanelButton::M, above);

  p.d.PressButton(PanelButton::R);
  p.d.ReleaseButton(PanelButton::R);
  EXPECT_EQ(p.d.mouse, (std::vector<PlayedMouse>{{kMouseRightDown, corner}, {kMouseRightUp, corner}}));
}

TEST(PanelButtons, ALostCaptureEndsTheGestureSoLaterTicksWorkAgain) {
  for (PanelButton button : {PanelButton::R, PanelButton::M}) {
    SCOPED_TRACE(button == PanelButton::R ? "R" : "M");
    PanelUp p;
    p.d.PressButton(button);
    const Point away = p.Beside(button, {16, -60});
    p.d.MoveTo(away);
    p.d.RunFor(200);
    EXPECT_TRUE(p.d.visible) << "the gesture has the tick";
    const size_t scrolls = p.d.scrolls.size();

    p.d.buttons.CaptureLost();
    p.d.RunFor(200);
    EXPECT_EQ(p.d.scrolls.size(), scrolls) << "no more scrolling";
    EXPECT_FALSE(p.d.visible) << "the margin test runs again";
    EXPECT_TRUE(p.d.mouse.empty());
    EXPECT_TRUE(p.d.menus.empty());
  }
}

}  // namespace
}  // namespace qpad
