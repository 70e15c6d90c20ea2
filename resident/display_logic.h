#pragma once
// When the floating panel appears and disappears. Turns the hook's press
// and release codes and the ticks of the four panel timers into the panel's
// display, in click-ON display (the panel comes a set time after a tap) and
// wait-ON display (it comes when the pen is lifted after being held still),
// with the after-drawing timings that follow a stroke drawn with the pen.
//
// Everything runs on the user-interface thread. ShowPanel, HidePanel and
// SelectShape process pending messages, so every entry point below can run
// inside another one; the state lives in members only and each step reads it
// afresh, so a nested press, release or tick leaves it consistent.

#include <cstdint>

#include "resident/display_host.h"
#include "resident/panel_shapes.h"
#include "resident/release_order.h"
#include "shared/settings_record.h"

namespace qpad {

// The panel window's state. Everything is 0 at creation.
struct PanelState {
  Point PanelPoint;              // pointer at the last accepted release; the panel is placed against it
  Point TargetPoint;             // where the buttons act: the last press while hidden, or the moved corner
  WindowHandle TargetWindow = 0; // the window under that press; scrolling goes to it
  int ActiveShape = 0;           // 0 until start-up selects shape 1
  int32_t DisplayTicks = 0;
  int32_t HoldTicks = 0;
  int32_t DrawTicks = 0;
  bool Shown = false;            // the display logic has shown the panel
  bool IgnoreRelease = false;    // set around synthesized input and while the menu is open
  bool AfterDrawing = false;
  bool SkipNextRelease = false;  // click-ON: the next accepted release schedules no display
  bool RHeld = false;
  bool RDragging = false;
  bool ScrollArmed = false;
  bool Scrolled = false;
  bool MovePending = false;      // the panel is being moved; TargetPoint is still to be re-taken
  bool Moved = false;            // the panel has been moved since it was shown
  Point RPressPoint;             // the R button's press point, then the drop point of a drag
};

// The button gestures that the display tick runs first (the R drag check and
// the M button's scrolling). Returns true when the tick ends there.
class DisplayTickHook {
 public:
  virtual ~DisplayTickHook() = default;
  virtual bool OnDisplayTick(Point cursor) = 0;
};

// Answers of the panel's non-client hit test, as WM_NCHITTEST values.
enum class HitTestAnswer : int32_t { Client = 1, Caption = 2 };

class DisplayLogic {
 public:
  // `settings` is read at every event, so a reload takes effect at once.
  DisplayLogic(DisplayHost& host, const SettingsRecord& settings);

  // At window creation: the display timer runs from the start, so its first
  // tick hides the window that the framework shows off-screen.
  void Start();

  // Hook code 1 and code 2. A release while a panel button holds the
  // capture waits for that button's release handler (ReleaseOrder).
  void OnHookPress();
  void OnHookRelease();

  void TimerTimer();
  void TimerWTimer();
  void TimerDTimer();
  void TimerTTimer();
  void OnTimer(PanelTimer timer);

  // Make shape n active; nothing when it is active already.
  void SelectShape(int n);
  // Place the panel against PanelPoint for ActiveShape and show it topmost.
  void ShowPanel();
  // Hide the panel and reset the display state.
  void HidePanel();

  // WM_NCHITTEST at the cursor position `cursor`; `leftButtonDown` is the
  // asynchronous state of the left button. On the handle it answers Caption
  // (the system then moves the window) and marks the panel as moved; the next
  // time the pointer is over a button, the touching corner becomes TargetPoint.
  HitTestAnswer HitTest(Point cursor, bool leftButtonDown);

  // Process pending messages; held releases that are due run first.
  void ProcessPendingMessages();

  // A right drag ended: clears the drag and guards the releases that follow.
  void EndRightDrag();

  // For the panel buttons, which take the capture and run release handlers.
  void PanelButtonCaptured() { releaseOrder_.ButtonCaptured(); }
  void PanelButtonReleased() { releaseOrder_.ButtonReleased(); }
  void DeliverDueReleases();

  void SetTickHook(DisplayTickHook* hook) { tickHook_ = hook; }

  // The buttons and the menu window read and write the state directly.
  PanelState& state() { return state_; }
  const PanelState& state() const { return state_; }

 private:
  struct Limits {
    int32_t show;
    int32_t hide;
  };
  void Release();
  void WaitOnRelease();
  void ClickOnRelease();
  // Fills the limits of this tick; false when the margin test hid the panel.
  bool ChooseLimits(Point cursor, Limits& limits);

  DisplayHost& host_;
  const SettingsRecord& settings_;
  PanelState state_;
  ReleaseOrder releaseOrder_;
  DisplayTickHook* tickHook_ = nullptr;
};

}  // namespace qpad
