// Qpad_Hook.dll: reports every left-button press and release on the desktop
// to Qpad's window as the registered message with code 1 or 2.
//
// Qpad's own thread blocks for long stretches (synthesized input with fixed
// waits, modal windows), and the pointer would wait with it; so the hook
// runs on a thread of this library (MouseHookThread), and the callback only
// posts the code and passes the event on.

#define QPAD_HOOK_BUILD
#include "hook/qpad_hook.h"

#include <atomic>

#include "hook/hook_protocol.h"
#include "hook/mouse_hook_thread.h"
#include "platform/win32/hook_shared_block.h"

namespace {

using qpad::platform::win32::HookSharedBlock;

HINSTANCE g_module = nullptr;

// Where the callback posts; read on the hook thread, written before it
// starts and after it has ended.
std::atomic<HWND> g_window{nullptr};
std::atomic<UINT> g_message{0};

LRESULT CALLBACK LowLevelMouseProc(int code, WPARAM event, LPARAM data) {
  if (code == HC_ACTION) {
    HWND window = g_window.load(std::memory_order_relaxed);
    if (event == WM_LBUTTONDOWN)
      ::PostMessageW(window, g_message.load(std::memory_order_relaxed), qpad::hook::kCodePress, 0);
    else if (event == WM_LBUTTONUP)
      ::PostMessageW(window, g_message.load(std::memory_order_relaxed), qpad::hook::kCodeRelease, 0);
  }
  return ::CallNextHookEx(nullptr, code, event, data);
}

HookSharedBlock g_block;
qpad::hook::MouseHookThread g_thread;

}  // namespace

QPAD_HOOK_API void WINAPI StartHook_Mouse(HWND window) {
  if (g_thread.Running()) return;
  // The message number is only known through the block that Qpad has set up.
  if (!g_block.OpenExisting()) return;
  g_window = window;
  g_message = g_block.Message();
  g_block.SetWindow(window);
  if (!g_thread.Start(LowLevelMouseProc, g_module)) {
    g_block.SetWindow(nullptr);
    g_block.Close();
  }
}

QPAD_HOOK_API void WINAPI EndHook_Mouse() {
  if (!g_thread.Running()) return;
  g_thread.Stop();
  g_window = nullptr;
  g_block.SetWindow(nullptr);
  g_block.Close();
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = module;
    ::DisableThreadLibraryCalls(module);
  }
  return TRUE;
}
