#pragma once
// A desktop for the panel logic on a fake clock: a cursor, windows, the
// panel window, the four timers, the hook, and a thread message queue in
// which posted messages (the hook's codes) are taken before input messages
// (the panel buttons' events) and timer ticks come last, coalesced, as on
// Windows. Waits of synthesized input pass time without handling messages.

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/input_steps.h"
#include "resident/display_logic.h"
#include "resident/panel_buttons.h"
#include "shared/settings_record.h"

namespace qpad::testing {

struct SentScroll {
  WindowHandle window;
  ScrollMessage message;
};

struct PlayedMouse {
  int32_t flags;
  Point at;
  friend bool operator==(PlayedMouse a, PlayedMouse b) { return a.flags == b.flags && a.at == b.at; }
};

class FakeDesktop : public ButtonHost, public platform::InputPlayer {
 public:
  static constexpr WindowHandle kWindowUnderPointer = 0x100;
  static constexpr WindowHandle kForegroundWindow = 0x200;

  FakeDesktop();

  // Start-up of the panel window: the display timer runs, shape 1 becomes
  // active, and the first tick hides the window shown off-screen.
  void Boot();

  // --- The user ------------------------------------------------------------
  void MoveTo(Point p) { cursor = p; }
  // Press and release of the pen anywhere: the hook posts code 1 or 2.
  void Press(Point p);
  void Release(Point p);
  void Tap(Point p) {
    Press(p);
    Release(p);
  }
  // Press and release on a panel button: the hook's code first, then the
  // button's own input message, as the system queues them.
  void PressButton(PanelButton button);
  void ReleaseButton(PanelButton button, Point at);
  void ReleaseButton(PanelButton button) { ReleaseButton(button, ButtonCenter(button)); }
  // A tap whose press and release codes are both waiting when the loop
  // comes to them, so the release runs inside the press's own pumps.
  void QuickTap(Point p);
  // Drags the panel by its handle over `delta`: the press on the handle (its
  // hit test with the button down), the system's move, the release.
  void DragPanelBy(Point delta);

  // --- Time ----------------------------------------------------------------
  // The message loop while idle for `ms`: every message and tick on the way.
  void RunFor(int64_t ms);
  // Handle everything waiting now, as one pass of the message loop.
  void Drain();
  bool Running(PanelTimer timer) const { return timers_[Index(timer)].running; }

  // --- What the panel looks like ------------------------------------------
  Point ButtonTopLeft(PanelButton button) const;
  Point ButtonCenter(PanelButton button) const;
  Point PanelTopLeft() const { return {panel.left, panel.top}; }

  // --- ButtonHost ----------------------------------------------------------
  Point CursorPos() override { return cursor; }
  WindowHandle WindowFromPoint(Point p) override { return windowAt ? windowAt(p) : kWindowUnderPointer; }
  WindowHandle ForegroundWindow() override { return foreground; }
  void SetActionWindow(WindowHandle window) override { actionWindow = window; }
  void StartTimer(PanelTimer timer) override;
  void StopTimer(PanelTimer timer) override { timers_[Index(timer)].running = false; }
  bool PanelVisible() override { return visible; }
  Rect PanelRect() override { return panel; }
  void ApplyShape(int shape) override;
  void MovePanel(Point topLeft) override;
  void ShowPanelWindow() override;
  void HidePanelWindow() override;
  void PumpMessages() override;
  std::string ClassNameOf(WindowHandle window) override { return classNames[window]; }
  void SendScroll(WindowHandle window, ScrollMessage message) override { scrolls.push_back({window, message}); }
  void ShowMenuModal(const PanelMenuRequest& request) override;
  void Play(const platform::InputSequence& steps, WindowHandle front) override;

  // --- The world and what happened ----------------------------------------
  SettingsRecord settings;
  DisplayLogic logic{*this, settings};
  PanelButtons buttons{logic, *this, *this};

  Point cursor{500, 500};
  std::function<WindowHandle(Point)> windowAt;
  WindowHandle foreground = kForegroundWindow;
  WindowHandle actionWindow = 0;
  std::map<WindowHandle, std::string> classNames;
  bool visible = true;
  Rect panel{-451, 18, -451 + kPanelWidth, 18 + kPanelHeight};
  int appliedShape = 0;
  int64_t now = 0;

  std::vector<int64_t> shownAt;   // time of every ShowPanelWindow
  std::vector<int64_t> hiddenAt;  // time of every HidePanelWindow
  std::vector<platform::InputStep> steps;  // played input, with every message pump as Pump
  std::vector<PlayedMouse> mouse;          // synthesized mouse events and where they happened
  std::vector<SentScroll> scrolls;
  std::vector<PanelMenuRequest> menus;
  std::function<void()> whileMenuOpen;     // runs inside the menu's modal loop
  std::function<void()> onPump;            // runs at every message pump, before the queue

 private:
  struct TimerSlot {
    bool running = false;
    int64_t due = 0;
  };
  static size_t Index(PanelTimer timer) { return static_cast<size_t>(timer); }
  void PostHookCode(int code);
  bool FireDueTimer();
  bool NextDue(int64_t& due) const;

  std::array<TimerSlot, 4> timers_{};
  std::deque<std::function<void()>> posted_;
  std::deque<std::function<void()>> input_;
};

}  // namespace qpad::testing
