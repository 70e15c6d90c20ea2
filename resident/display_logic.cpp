#include "resident/display_logic.h"

#include <cstdlib>

namespace qpad {
namespace {

// A release this close to the press on either axis counts as holding still.
constexpr int32_t kHoldStillDistance = 15;
// A release farther than this from the press on either axis is a stroke.
constexpr int32_t kStrokeDistance = 40;

bool OutsideWidenedRect(Point p, Rect panel, int32_t margin) {
  return p.x <= panel.left - margin || p.x >= panel.right + margin || p.y <= panel.top - margin ||
         p.y >= panel.bottom + margin;
}

}  // namespace

DisplayLogic::DisplayLogic(DisplayHost& host, const SettingsRecord& settings) : host_(host), settings_(settings) {}

void DisplayLogic::Start() { host_.StartTimer(PanelTimer::Display); }

void DisplayLogic::OnHookPress() {
  const Point p = host_.CursorPos();
  if (!host_.PanelVisible()) {
    state_.TargetPoint = p;
    state_.TargetWindow = host_.WindowFromPoint(p);
    SelectShape(ShapeForPress(p));
  }
  if (settings_.WaitTimeFlg) {
    host_.StartTimer(PanelTimer::Hold);
    state_.HoldTicks = 0;
  }
  if (state_.AfterDrawing) state_.DisplayTicks = 0;
}

void DisplayLogic::OnHookRelease() {
  if (!releaseOrder_.Hold()) Release();
}

void DisplayLogic::DeliverDueReleases() {
  for (int due = releaseOrder_.TakeDue(); due > 0; --due) Release();
}

void DisplayLogic::Release() {
  if (state_.IgnoreRelease) return;
  state_.PanelPoint = host_.CursorPos();
  host_.SetActionWindow(host_.ForegroundWindow());
  if (state_.RDragging) {
    EndRightDrag();
    return;
  }
  if (host_.PanelVisible()) return;
  if (settings_.WaitTimeFlg) {
    WaitOnRelease();
  } else {
    ClickOnRelease();
  }
}

void DisplayLogic::EndRightDrag() {
  state_.RHeld = false;
  state_.RDragging = false;
  state_.IgnoreRelease = true;
  host_.StartTimer(PanelTimer::Guard);
  state_.SkipNextRelease = true;
}

void DisplayLogic::WaitOnRelease() {
  const bool heldLongEnough = state_.HoldTicks * 2 > settings_.WaitTime;
  const bool stayedNear = std::abs(state_.PanelPoint.x - state_.TargetPoint.x) < kHoldStillDistance ||
                          std::abs(state_.PanelPoint.y - state_.TargetPoint.y) < kHoldStillDistance;
  if (heldLongEnough && stayedNear) {
    state_.Shown = true;
    ShowPanel();
    state_.DisplayTicks = 0;
    host_.StartTimer(PanelTimer::Display);
  }
  host_.StopTimer(PanelTimer::Hold);
}

void DisplayLogic::ClickOnRelease() {
  if (state_.SkipNextRelease) {
    // The release that follows a synthesized right click (choosing from the
    // context menu it opened) must not bring the panel back.
    state_.SkipNextRelease = false;
    state_.IgnoreRelease = true;
    host_.StartTimer(PanelTimer::Guard);
    return;
  }
  if (std::abs(state_.PanelPoint.x - state_.TargetPoint.x) > kStrokeDistance ||
      std::abs(state_.PanelPoint.y - state_.TargetPoint.y) > kStrokeDistance) {
    state_.AfterDrawing = true;
    state_.DrawTicks = 0;
    state_.DisplayTicks = 0;
    host_.StartTimer(PanelTimer::Draw);
  }
  // A tap does not reset DisplayTicks: a series of taps is timed from its first.
  host_.StartTimer(PanelTimer::Display);
}

bool DisplayLogic::ChooseLimits(Point cursor, Limits& limits) {
  if (state_.Moved) {
    // Being dragged by its handle: keep the panel until the pointer is back on it.
    if (state_.MovePending) state_.DisplayTicks = 0;
    limits = {settings_.SbDrawTime, settings_.SbDrawUnTime};
    return true;
  }
  if (host_.PanelVisible() && OutsideWidenedRect(cursor, host_.PanelRect(), settings_.iUnVis)) {
    HidePanel();
    return false;
  }
  if (state_.AfterDrawing) {
    limits = {settings_.SbDrawTime, settings_.SbDrawUnTime};
  } else {
    limits = {settings_.WaitTimeFlg ? settings_.SbTime : settings_.SbTime_ck, settings_.SbUnTime};
  }
  return true;
}

void DisplayLogic::TimerTimer() {
  const Point p = host_.CursorPos();
  if (tickHook_ && tickHook_->OnDisplayTick(p)) return;
  Limits limits{};
  if (!ChooseLimits(p, limits)) return;

  ++state_.DisplayTicks;
  // The show limit is tested first, so a visible panel stays until the
  // larger of the two limits.
  if (state_.DisplayTicks * 2 < limits.show) return;
  if (!host_.PanelVisible() && !state_.Shown) {
    state_.Shown = true;
    ShowPanel();
    state_.DisplayTicks = 0;
  } else if (state_.DisplayTicks * 2 >= limits.hide) {
    HidePanel();
  }
}

void DisplayLogic::TimerWTimer() { ++state_.HoldTicks; }

void DisplayLogic::TimerDTimer() {
  ++state_.DrawTicks;
  if (state_.AfterDrawing && state_.DrawTicks * 5 >= settings_.SbDrawBakTime) {
    state_.AfterDrawing = false;
    state_.DrawTicks = 0;
    host_.StopTimer(PanelTimer::Draw);
  }
}

void DisplayLogic::TimerTTimer() {
  state_.IgnoreRelease = false;
  host_.StopTimer(PanelTimer::Guard);
}

void DisplayLogic::OnTimer(PanelTimer timer) {
  switch (timer) {
    case PanelTimer::Display: TimerTimer(); break;
    case PanelTimer::Hold: TimerWTimer(); break;
    case PanelTimer::Draw: TimerDTimer(); break;
    case PanelTimer::Guard: TimerTTimer(); break;
  }
}

void DisplayLogic::SelectShape(int n) {
  if (n == state_.ActiveShape) return;
  state_.ActiveShape = n;
  host_.ApplyShape(n);
  ProcessPendingMessages();
}

void DisplayLogic::ShowPanel() {
  if (FindShape(state_.ActiveShape)) host_.MovePanel(PanelTopLeft(state_.ActiveShape, state_.PanelPoint));
  host_.ShowPanelWindow();
  ProcessPendingMessages();
}

void DisplayLogic::HidePanel() {
  state_.DisplayTicks = 0;
  host_.HidePanelWindow();
  ProcessPendingMessages();
  host_.StopTimer(PanelTimer::Display);
  state_.Shown = false;
  state_.Moved = false;
}

HitTestAnswer DisplayLogic::HitTest(Point cursor, bool leftButtonDown) {
  const Rect panel = host_.PanelRect();
  const Point inPanel{cursor.x - panel.left, cursor.y - panel.top};
  if (ButtonAt(state_.ActiveShape, inPanel)) {
    if (state_.MovePending) {
      state_.MovePending = false;
      state_.TargetPoint = TouchingCorner(state_.ActiveShape, panel);
    }
    return HitTestAnswer::Client;
  }
  if (leftButtonDown) {
    state_.MovePending = true;
    state_.Moved = true;
  }
  return HitTestAnswer::Caption;
}

void DisplayLogic::ProcessPendingMessages() {
  DeliverDueReleases();
  host_.PumpMessages();
}

}  // namespace qpad
