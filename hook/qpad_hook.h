#pragma once
// The mouse-hook library's interface, linked by name when Qpad loads.

#include <windows.h>

#ifdef QPAD_HOOK_BUILD
#define QPAD_HOOK_API extern "C" __declspec(dllexport)
#else
#define QPAD_HOOK_API extern "C" __declspec(dllimport)
#endif

// Starts posting code 1 (press) and 2 (release) of the left button, anywhere
// on the desktop, to `window` with the message number found in the shared
// block's HookMessage.
QPAD_HOOK_API void WINAPI StartHook_Mouse(HWND window);

// Stops the hook; returns when nothing is posted any more.
QPAD_HOOK_API void WINAPI EndHook_Mouse();
