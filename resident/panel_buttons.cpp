#include "resident/panel_buttons.h"

#include <cctype>
#include <cstdlib>

namespace qpad {
namespace {

using platform::MouseEvent;
using platform::Pump;
using platform::SetCursor;
using platform::Wait;

constexpr int32_t kSidewaysZone = 20;  // vertical scrolling within this far beside M
constexpr int32_t kPageDistance = 50;  // beyond this far above or below M, pages too

constexpr uint32_t kWmHScroll = 0x0114;
constexpr uint32_t kWmVScroll = 0x0115;

InputSequence Join(InputSequence head, const InputSequence& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

}  // namespace

bool DraggedOffButton(Point pressPoint, Point cursor) {
  return std::abs(cursor.x - pressPoint.x) > kButtonSize || std::abs(cursor.y - pressPoint.y) > kButtonSize;
}

std::vector<ScrollCommand> ScrollCommandsAt(Point p, Point m) {
  std::vector<ScrollCommand> commands;
  const int32_t right = m.x + kButtonSize;
  const int32_t bottom = m.y + kButtonSize;
  if (m.x - kSidewaysZone < p.x && p.x < right + kSidewaysZone) {
    if (p.y < m.y - kPageDistance) commands.push_back(ScrollCommand::PageUp);
    if (p.y < m.y) commands.push_back(ScrollCommand::LineUp);
    if (p.y > bottom + kPageDistance) commands.push_back(ScrollCommand::PageDown);
    if (p.y > bottom) commands.push_back(ScrollCommand::LineDown);
  } else {
    if (p.x < m.x) commands.push_back(ScrollCommand::LineLeft);
    if (p.x > right) commands.push_back(ScrollCommand::LineRight);
  }
  return commands;
}

ScrollMessage ScrollMessageFor(ScrollCommand command) {
  switch (command) {
    case ScrollCommand::LineUp: return {kWmVScroll, 0};     // SB_LINEUP
    case ScrollCommand::PageUp: return {kWmVScroll, 2};     // SB_PAGEUP
    case ScrollCommand::LineDown: return {kWmVScroll, 1};   // SB_LINEDOWN
    case ScrollCommand::PageDown: return {kWmVScroll, 3};   // SB_PAGEDOWN
    case ScrollCommand::LineRight: return {kWmHScroll, 1};  // SB_LINERIGHT
    case ScrollCommand::LineLeft: return {kWmHScroll, 0};   // SB_LINELEFT
  }
  return {kWmVScroll, 0};
}

bool IsListViewClass(std::string_view className) {
  constexpr std::string_view kListView = "SysListView32";
  if (className.size() != kListView.size()) return false;
  for (size_t i = 0; i < kListView.size(); ++i) {
    const auto a = static_cast<unsigned char>(className[i]);
    const auto b = static_cast<unsigned char>(kListView[i]);
    if (std::tolower(a) != std::tolower(b)) return false;
  }
  return true;
}

InputSequence ReturnToTarget(Point target) { return {Pump(), Wait(500), Pump(), Wait(20), SetCursor(target)}; }

InputSequence RightClickAt(Point target) {
  return Join(ReturnToTarget(target), {MouseEvent(platform::kMouseRightDown), MouseEvent(platform::kMouseRightUp)});
}

InputSequence RightDragTo(Point target, Point drop) {
  return Join(ReturnToTarget(target), {Wait(50), MouseEvent(platform::kMouseRightDown), SetCursor(drop), Wait(50),
                                       Pump(), MouseEvent(platform::kMouseRightUp)});
}

InputSequence DoubleClickAt(Point target) {
  return Join(ReturnToTarget(target),
              {MouseEvent(platform::kMouseLeftDown), MouseEvent(platform::kMouseLeftUp),
               MouseEvent(platform::kMouseLeftDown), MouseEvent(platform::kMouseLeftUp), Pump()});
}

PanelButtons::PanelButtons(DisplayLogic& logic, ButtonHost& host, platform::InputPlayer& player)
    : logic_(logic), host_(host), player_(player) {
  logic_.SetTickHook(this);
}

PanelButtons::~PanelButtons() { logic_.SetTickHook(nullptr); }

void PanelButtons::ButtonDown(PanelButton button) {
  logic_.PanelButtonCaptured();
  if (button == PanelButton::R) RBtn_RMouseDown();
  if (button == PanelButton::M) RBtn_MMouseDown();
}

void PanelButtons::ButtonUp(PanelButton button, Point local, bool inside) {
  logic_.PanelButtonReleased();
  switch (button) {
    case PanelButton::R: RBtn_RMouseUp(); break;
    case PanelButton::M: RBtn_MMouseUp(local); break;
    case PanelButton::W:
      if (inside) RBtn_WClick();
      break;
  }
  logic_.DeliverDueReleases();
}

void PanelButtons::CaptureLost() {
  // Without a button-up no gesture can finish; a held R or M left behind
  // would keep every later display tick busy with it.
  PanelState& s = logic_.state();
  s.RHeld = false;
  s.RDragging = false;
  s.ScrollArmed = false;
  s.Scrolled = false;
  logic_.PanelButtonReleased();
  logic_.DeliverDueReleases();
}

void PanelButtons::RBtn_RMouseDown() {
  PanelState& s = logic_.state();
  s.RPressPoint = host_.CursorPos();
  s.RHeld = true;
  host_.StartTimer(PanelTimer::Display);
}

void PanelButtons::RBtn_RMouseUp() {
  PanelState& s = logic_.state();
  if (!s.RDragging) {
    s.IgnoreRelease = true;
    Play(RightClickAt(s.TargetPoint));
    s.RHeld = false;
    s.RDragging = false;
    s.SkipNextRelease = true;
  } else {
    // The release code of this button-up ends the drag state when the first
    // pump of the sequence delivers it.
    s.RPressPoint = host_.CursorPos();
    Play(RightDragTo(s.TargetPoint, s.RPressPoint));
    if (s.RDragging) logic_.EndRightDrag();  // its release code never came
  }
  logic_.HidePanel();
  host_.StartTimer(PanelTimer::Guard);
}

void PanelButtons::RBtn_MMouseDown() { logic_.state().ScrollArmed = TargetScrollable(); }

void PanelButtons::RBtn_MMouseUp(Point local) {
  PanelState& s = logic_.state();
  s.ScrollArmed = false;
  if (s.Scrolled) {
    s.Scrolled = false;
    return;
  }
  s.IgnoreRelease = true;
  logic_.HidePanel();
  const Rect panel = host_.PanelRect();
  host_.ShowMenuModal({panel.left + local.x, panel.top + local.y, false});
  s.IgnoreRelease = false;
  host_.StopTimer(PanelTimer::Guard);
  logic_.HidePanel();
}

void PanelButtons::RBtn_WClick() {
  logic_.state().IgnoreRelease = true;
  Play(DoubleClickAt(logic_.state().TargetPoint));
  logic_.HidePanel();
  host_.StartTimer(PanelTimer::Guard);
}

bool PanelButtons::OnDisplayTick(Point cursor) {
  PanelState& s = logic_.state();
  if (s.RHeld) {
    if (!s.RDragging && DraggedOffButton(s.RPressPoint, cursor)) s.RDragging = true;
    return true;
  }
  if (s.ScrollArmed || s.Scrolled) {
    ScrollStep(cursor);
    return s.Scrolled;
  }
  return false;
}

bool PanelButtons::TargetScrollable() {
  const WindowHandle target = logic_.state().TargetWindow;
  return target != 0 && !IsListViewClass(host_.ClassNameOf(target));
}

void PanelButtons::ScrollStep(Point cursor) {
  const ShapeLayout* shape = FindShape(logic_.state().ActiveShape);
  if (!shape) return;
  const Rect panel = host_.PanelRect();
  for (ScrollCommand command : ScrollCommandsAt(cursor, {panel.left + shape->m.x, panel.top + shape->m.y})) {
    ScrollTarget(command);
  }
}

void PanelButtons::ScrollTarget(ScrollCommand command) {
  host_.SendScroll(logic_.state().TargetWindow, ScrollMessageFor(command));
  logic_.state().Scrolled = true;
}

void PanelButtons::Play(const InputSequence& steps) {
  InputSequence run;
  for (const platform::InputStep& step : steps) {
    if (step.kind != platform::StepKind::Pump) {
      run.push_back(step);
      continue;
    }
    if (!run.empty()) player_.Play(run, 0);
    run.clear();
    logic_.ProcessPendingMessages();
  }
  if (!run.empty()) player_.Play(run, 0);
}

}  // namespace qpad
