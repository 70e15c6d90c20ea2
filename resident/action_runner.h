#pragma once
// Runs the item record of a tapped menu row: pastes a fixed text, types
// shortcut keys, starts a program, operates the action window or opens an
// address. Synthesized input is built as an InputSequence and handed to the
// InputPlayer in one piece per step; everything else goes through
// ActionHost. Records and texts are Shift-JIS bytes; messages are UTF-8.
//
// Everything that can fail (a number that does not convert, a busy
// clipboard) is checked before the first input event, so a failed action
// sends nothing: no modifier is left down, no button goes down.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/input_steps.h"
#include "platform/types.h"
#include "shared/menu_table.h"
#include "shared/settings_record.h"

namespace qpad {

// Windows values used by the actions.
constexpr int32_t kVkShift = 0x10, kVkControl = 0x11, kVkMenu = 0x12;  // VK_MENU is Alt
constexpr int32_t kVkLShift = 0xA0, kVkLControl = 0xA2, kVkLMenu = 0xA4;  // scan-code lookups only
constexpr int32_t kVkSpace = 0x20, kVkV = 0x56;
constexpr int32_t kSwShowNormal = 1, kSwShowMaximized = 3, kSwMinimize = 6;

// How long a close request waits for the target to handle WM_CLOSE.
constexpr int32_t kCloseRequestTimeoutMs = 3000;

// The environment of the actions. The Win32 side implements it over the
// menu window; tests use a fake.
class ActionHost {
 public:
  virtual ~ActionHost() = default;

  // Replaces the clipboard's contents with `cp932`, as Unicode text converted
  // with code page 932, so that every program pastes the same characters.
  // False when the clipboard cannot be opened (another program holds it) or
  // written; the clipboard is then left as it was.
  virtual bool PutClipboardText(std::string_view cp932) = 0;

  // Hides the menu window (it stays the open modal window until the tap
  // handler returns).
  virtual void HideMenu() = 0;

  // Starts the command line (Shift-JIS, converted with code page 932) shown
  // with SW_SHOW, as the system's simple program start does. A failure is
  // not reported.
  virtual void StartProgram(std::string_view commandLine) = 0;

  // The shell's "open" verb on the address (Shift-JIS, converted with code
  // page 932), owned by the menu window, no parameters, no working folder,
  // SW_SHOWMAXIMIZED. A failure is not reported.
  virtual void OpenAddress(std::string_view address) = 0;

  // ShowWindow with one of kSwMinimize, kSwShowMaximized, kSwShowNormal.
  virtual void ShowWindow(platform::WindowHandle window, int32_t showCommand) = 0;

  // Sends WM_CLOSE (wParam 0, lParam 0) and waits until the window has
  // handled it, but at most `timeoutMs` and not at all for a hung window
  // (SendMessageTimeout with SMTO_ABORTIFHUNG), so that a target stuck in a
  // dialog cannot freeze the assistant.
  virtual void RequestClose(platform::WindowHandle window, int32_t timeoutMs) = 0;

  // The window's outer rectangle in screen coordinates; nullopt when it
  // cannot be read (the window has gone, or none was set).
  virtual std::optional<platform::Rect> WindowRect(platform::WindowHandle window) = 0;

  // The scan code that the keyboard layout gives to a virtual key
  // (MapVirtualKeyA with map type 0).
  virtual int32_t ScanCode(int32_t virtualKey) = 0;
};

// The end of an action. With an error message the window shows it in an
// error box and the menu stays open; otherwise the menu closes.
struct ActionOutcome {
  std::string errorMessage;  // UTF-8
  bool ClosesMenu() const { return errorMessage.empty(); }
};

// Shown when the clipboard stays busy; then no Ctrl+V is typed.
extern const std::string_view kClipboardBusyMessage;


class ActionRunner {
 public:
  // `menus` and `settings` are the resident program's own: a pasted text
  // enters the HistoryMenu (menu 1) at slot iBast16. All four references
  // must outlive the runner.
  ActionRunner(MenuTable& menus, SettingsRecord& settings, ActionHost& host,
               platform::InputPlayer& player);

  // The record of the tapped row and the row's text (its DisplayName). The
  // first of the tags "[F:]", "[K:]", "[I:]", "[W:]", "[M:]" found anywhere
  // decides the kind; the body is what follows that tag's first occurrence.
  // A record without any tag does nothing and the menu closes.
  ActionOutcome RunItem(std::string_view record, std::string_view caption,
                        platform::WindowHandle actionWindow);

 private:
  ActionOutcome PasteText(std::string_view body, std::string_view caption,
                          platform::WindowHandle window);
  ActionOutcome SendShortcut(std::string_view body, platform::WindowHandle window);
  ActionOutcome OperateWindow(std::string_view body, platform::WindowHandle window);
  bool PutOnClipboardWithRetry(std::string_view text);

  MenuTable& menus_;
  SettingsRecord& settings_;
  ActionHost& host_;
  platform::InputPlayer& player_;
};

}  // namespace qpad
