#pragma once
// What the display logic needs of the panel window and the system. The
// panel window implements it with Win32 calls; unit tests with a fake
// desktop on a fake clock.

#include <cstdint>

#include "platform/types.h"

namespace qpad {

using platform::Point;
using platform::Rect;
using platform::WindowHandle;

// The four timers of the panel window.
enum class PanelTimer {
  Display,  // "Timer", 200 ms: counts DisplayTicks, shows and hides the panel
  Hold,     // "TimerW", 200 ms: counts HoldTicks in wait-ON display
  Draw,     // "TimerD", 500 ms: ends the after-drawing state
  Guard,    // "TimerT", 500 ms: its first tick clears IgnoreRelease
};

// Interval of each timer in milliseconds.
constexpr int32_t TimerInterval(PanelTimer timer) {
  return timer == PanelTimer::Display || timer == PanelTimer::Hold ? 200 : 500;
}

class DisplayHost {
 public:
  virtual ~DisplayHost() = default;

  virtual Point CursorPos() = 0;
  // The innermost visible window at `p`, or 0.
  virtual WindowHandle WindowFromPoint(Point p) = 0;
  virtual WindowHandle ForegroundWindow() = 0;
  // Tells the menu window which window its actions address.
  virtual void SetActionWindow(WindowHandle window) = 0;

  // Starting a timer that already runs must leave its period alone.
  virtual void StartTimer(PanelTimer timer) = 0;
  virtual void StopTimer(PanelTimer timer) = 0;

  virtual bool PanelVisible() = 0;
  // The panel window's rectangle on the screen, wherever the user moved it.
  virtual Rect PanelRect() = 0;
  // Make shape 1 to 4 the window's outline: size 86 x 101, the three buttons
  // at the shape's positions, the shape's region and picture.
  virtual void ApplyShape(int shape) = 0;
  virtual void MovePanel(Point topLeft) = 0;
  // Visible, then topmost (HWND_TOPMOST with SWP_SHOWWINDOW, SWP_NOMOVE,
  // SWP_NOSIZE), without taking the focus.
  virtual void ShowPanelWindow() = 0;
  // Invisible, then HWND_TOPMOST with SWP_HIDEWINDOW, SWP_NOMOVE, SWP_NOSIZE.
  virtual void HidePanelWindow() = 0;

  // Handle every message waiting in the thread's queue. This re-enters the
  // display logic: hook codes, timer ticks and button events run inside it.
  virtual void PumpMessages() = 0;
};

}  // namespace qpad
