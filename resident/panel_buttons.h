#pragma once
// The panel's three buttons, acting at TargetPoint:
//   R  a right click there, or a right drag from there to where the user lets go;
//   M  on release, the quick-action menu; while held and dragged off the
//      button, scrolling of TargetWindow line by line or page by page;
//   W  a double left click there.
// The decisions (drag threshold, scroll zones, the exact input with its
// waits) are pure functions; PanelButtons carries out the handlers against
// the display logic's state and the window system's ButtonHost.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/input_steps.h"
#include "resident/display_host.h"
#include "resident/display_logic.h"
#include "resident/panel_shapes.h"

namespace qpad {

using platform::InputSequence;

// --- Decisions -------------------------------------------------------------

// The R button counts as dragged off once the pointer is more than a
// button's size (32) away from the press point on either axis.
bool DraggedOffButton(Point pressPoint, Point cursor);

// Direction codes of one scroll command.
enum class ScrollCommand : int32_t { LineUp = 1, PageUp = 2, LineDown = 3, PageDown = 4, LineRight = 5, LineLeft = 6 };

// The commands one display tick sends while M is held with the pointer at
// `cursor`, for the M button's top-left corner `mButton` on the screen, in
// the order they are sent. Within 20 pixels sideways of the button the
// pointer scrolls vertically (a line beyond the button's edge, a page and a
// line beyond 50 pixels); farther sideways it scrolls one line left or right.
std::vector<ScrollCommand> ScrollCommandsAt(Point cursor, Point mButton);

// The message that carries a command: WM_VSCROLL or WM_HSCROLL with its
// SB_* code; the long parameter is 0.
struct ScrollMessage {
  uint32_t message;
  uint32_t wParam;
  friend bool operator==(ScrollMessage a, ScrollMessage b) { return a.message == b.message && a.wParam == b.wParam; }
};
ScrollMessage ScrollMessageFor(ScrollCommand command);

// List views scroll by themselves under a drag; M never scrolls them.
// Compared without regard to ASCII letter case.
bool IsListViewClass(std::string_view className);

// The synthesized input of each action. Every action first lets pending
// messages run and waits 520 ms, then puts the cursor on `target`.
InputSequence ReturnToTarget(Point target);
InputSequence RightClickAt(Point target);
InputSequence RightDragTo(Point target, Point drop);
InputSequence DoubleClickAt(Point target);

// --- Carrying them out -----------------------------------------------------

// Inputs of the quick-action menu opened by M.
struct PanelMenuRequest {
  int32_t MenuLeft;
  int32_t MenuTop;
  bool FromTray;
  friend bool operator==(PanelMenuRequest a, PanelMenuRequest b) {
    return a.MenuLeft == b.MenuLeft && a.MenuTop == b.MenuTop && a.FromTray == b.FromTray;
  }
};

class ButtonHost : public DisplayHost {
 public:
  // The window's class name (at most 1000 characters, as UTF-8); empty when
  // the window has gone.
  virtual std::string ClassNameOf(WindowHandle window) = 0;
  // Send one scroll message and wait for it, but only for a bounded time
  // (about a second, and not at all for a hung window), so that a target
  // that does not answer cannot freeze the panel.
  virtual void SendScroll(WindowHandle window, ScrollMessage message) = 0;
  // Set the menu window's MenuLeft, MenuTop and FromTray, show it modally
  // and return when it has closed.
  virtual void ShowMenuModal(const PanelMenuRequest& request) = 0;
};

class PanelButtons : public DisplayTickHook {
 public:
  // Registers itself as the display logic's tick hook for its lifetime.
  PanelButtons(DisplayLogic& logic, ButtonHost& host, platform::InputPlayer& player);
  ~PanelButtons() override;
  PanelButtons(const PanelButtons&) = delete;
  PanelButtons& operator=(const PanelButtons&) = delete;

  // The button window's events. ButtonDown when a button is pressed and
  // takes the capture; ButtonUp when the capturing button gets its
  // button-up, wherever it happens (`local` in the button's coordinates,
  // `inside` when it is over the button); CaptureLost when the capture ends
  // without one. These keep the hook's release code behind the handler.
  void ButtonDown(PanelButton button);
  void ButtonUp(PanelButton button, Point local, bool inside);
  void CaptureLost();

  void RBtn_RMouseDown();
  void RBtn_RMouseUp();
  void RBtn_MMouseDown();
  void RBtn_MMouseUp(Point local);
  void RBtn_WClick();

  // The R drag check and the M button's scroll step.
  bool OnDisplayTick(Point cursor) override;

 private:
  bool TargetScrollable();
  void ScrollStep(Point cursor);
  void ScrollTarget(ScrollCommand command);
  // Plays a sequence; its Pump steps go through the display logic, so that
  // a held release runs at the handler's first processing of messages.
  void Play(const InputSequence& steps);

  DisplayLogic& logic_;
  ButtonHost& host_;
  platform::InputPlayer& player_;
};

}  // namespace qpad
