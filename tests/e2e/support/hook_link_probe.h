#pragma once
// The shared block and the registered message as the settings editor sees
// them: whether the block is there, which window and message number it
// names, and posting a code to that window.

#include <windows.h>

namespace qpad::e2e {

struct HookLink {
  bool present = false;  // the named block exists
  HWND window = nullptr;  // HookWindow
  UINT message = 0;       // HookMessage
};

HookLink ReadHookLink();

// The number that the system gives the message's name in this desktop.
UINT RegisteredHookMessage();

// Posts `code` to HookWindow with HookMessage, as the settings editor does
// for a reload; false when there is no block or the post failed.
bool PostHookCode(WPARAM code);

}  // namespace qpad::e2e
