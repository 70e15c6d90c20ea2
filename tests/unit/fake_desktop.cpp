#include "fake_desktop.h"

#include <gtest/gtest.h>

namespace qpad::testing {

FakeDesktop::FakeDesktop() = default;

void FakeDesktop::Boot() {
  logic.Start();
  logic.SelectShape(1);
  RunFor(TimerInterval(PanelTimer::Display));
}

void FakeDesktop::PostHookCode(int code) {
  if (code == 1) posted_.push_back([this] { logic.OnHookPress(); });
  if (code == 2) posted_.push_back([this] { logic.OnHookRelease(); });
}

void FakeDesktop::Press(Point p) {
  cursor = p;
  PostHookCode(1);
  Drain();
}

void FakeDesktop::Release(Point p) {
  cursor = p;
  PostHookCode(2);
  Drain();
}

void FakeDesktop::PressButton(PanelButton button) {
  cursor = ButtonCenter(button);
  PostHookCode(1);
  input_.push_back([this, button] { buttons.ButtonDown(button); });
  Drain();
}

void FakeDesktop::ReleaseButton(PanelButton button, Point at) {
  cursor = at;
  const Point corner = ButtonTopLeft(button);
  const Point local{at.x - corner.x, at.y - corner.y};
  const bool inside = local.x >= 0 && local.y >= 0 && local.x < kButtonSize && local.y < kButtonSize;
  PostHookCode(2);
  input_.push_back([this, button, local, inside] { buttons.ButtonUp(button, local, inside); });
  Drain();
}

void FakeDesktop::QuickTap(Point p) {
  cursor = p;
  PostHookCode(1);
  PostHookCode(2);
  Drain();
}

void FakeDesktop::DragPanelBy(Point delta) {
  const ShapeLayout& shape = *FindShape(appliedShape);
  const Point handle{panel.left + shape.m.x + kButtonSize / 2, panel.top + shape.w.y + kButtonSize / 2};
  cursor = handle;
  PostHookCode(1);
  Drain();
  EXPECT_EQ(logic.HitTest(handle, true), HitTestAnswer::Caption);
  MovePanel({panel.left + delta.x, panel.top + delta.y});
  cursor = {handle.x + delta.x, handle.y + delta.y};
  PostHookCode(2);
  Drain();
}

void FakeDesktop::RunFor(int64_t ms) {
  const int64_t end = now + ms;
  for (;;) {
    Drain();
    int64_t due = 0;
    if (!NextDue(due) || due > end) break;
    now = due;
  }
  now = end;
}

void FakeDesktop::Drain() {
  for (;;) {
    std::deque<std::function<void()>>* queue = !posted_.empty() ? &posted_ : !input_.empty() ? &input_ : nullptr;
    if (queue) {
      auto message = std::move(queue->front());
      queue->pop_front();
      message();
    } else if (!FireDueTimer()) {
      return;
    }
  }
}

bool FakeDesktop::NextDue(int64_t& due) const {
  bool any = false;
  for (const TimerSlot& slot : timers_) {
    if (slot.running && (!any || slot.due < due)) due = slot.due, any = true;
  }
  return any;
}

bool FakeDesktop::FireDueTimer() {
  int64_t due = 0;
  if (!NextDue(due) || due > now) return false;
  for (size_t i = 0; i < timers_.size(); ++i) {
    TimerSlot& slot = timers_[i];
    if (!slot.running || slot.due != due) continue;
    // One tick however many periods have passed, the next a period on.
    const int32_t period = TimerInterval(static_cast<PanelTimer>(i));
    while (slot.due <= now) slot.due += period;
    logic.OnTimer(static_cast<PanelTimer>(i));
    return true;
  }
  return false;
}

void FakeDesktop::StartTimer(PanelTimer timer) {
  TimerSlot& slot = timers_[Index(timer)];
  if (slot.running) return;
  slot.running = true;
  slot.due = now + TimerInterval(timer);
}

Point FakeDesktop::ButtonTopLeft(PanelButton button) const {
  const Rect r = ButtonBounds(*FindShape(appliedShape), button);
  return {panel.left + r.left, panel.top + r.top};
}

Point FakeDesktop::ButtonCenter(PanelButton button) const {
  const Point corner = ButtonTopLeft(button);
  return {corner.x + kButtonSize / 2, corner.y + kButtonSize / 2};
}

void FakeDesktop::ApplyShape(int shape) {
  appliedShape = shape;
  panel.right = panel.left + kPanelWidth;
  panel.bottom = panel.top + kPanelHeight;
}

void FakeDesktop::MovePanel(Point topLeft) { panel = {topLeft.x, topLeft.y, topLeft.x + kPanelWidth, topLeft.y + kPanelHeight}; }

void FakeDesktop::ShowPanelWindow() {
  visible = true;
  shownAt.push_back(now);
}

void FakeDesktop::HidePanelWindow() {
  visible = false;
  hiddenAt.push_back(now);
}

void FakeDesktop::PumpMessages() {
  steps.push_back(platform::Pump());
  if (onPump) onPump();
  Drain();
}

void FakeDesktop::ShowMenuModal(const PanelMenuRequest& request) {
  menus.push_back(request);
  if (whileMenuOpen) whileMenuOpen();
  Drain();
}

void FakeDesktop::Play(const platform::InputSequence& sequence, WindowHandle) {
  for (const platform::InputStep& step : sequence) {
    steps.push_back(step);
    switch (step.kind) {
      case platform::StepKind::Wait: now += step.a; break;
      case platform::StepKind::SetCursor: cursor = {step.a, step.b}; break;
      case platform::StepKind::Mouse:
        mouse.push_back({step.a, cursor});
        // The hook reports synthesized left clicks like the user's own.
        if (step.a == platform::kMouseLeftDown) PostHookCode(1);
        if (step.a == platform::kMouseLeftUp) PostHookCode(2);
        break;
      case platform::StepKind::Pump: ADD_FAILURE() << "a message pump bypassed the display logic"; break;
      default: break;
    }
  }
}

}  // namespace qpad::testing
