// The bench's reference hooks: a low-level mouse hook on a thread of its
// own, exactly as Qpad_Hook runs it. The bare one only passes events on;
// the posting one also posts each left press and release to a window of
// its host, as Qpad_Hook posts them to Qpad. What Qpad costs beyond the
// posting hook is the cost of Qpad itself.
#include <windows.h>

#include "hook/mouse_hook_thread.h"

namespace {

HINSTANCE g_module = nullptr;
qpad::hook::MouseHookThread g_thread;
HWND g_receiver = nullptr;

LRESULT CALLBACK PassOn(int code, WPARAM event, LPARAM data) {
  return ::CallNextHookEx(nullptr, code, event, data);
}

LRESULT CALLBACK PostAndPassOn(int code, WPARAM event, LPARAM data) {
  if (code == HC_ACTION && (event == WM_LBUTTONDOWN || event == WM_LBUTTONUP))
    ::PostMessageW(g_receiver, WM_APP, event == WM_LBUTTONDOWN ? 1 : 2, 0);
  return ::CallNextHookEx(nullptr, code, event, data);
}

}  // namespace

extern "C" __declspec(dllexport) bool StartBareHook() { return g_thread.Start(PassOn, g_module); }

// `receiver` belongs to a thread that takes messages from its queue.
extern "C" __declspec(dllexport) bool StartPostingHook(HWND receiver) {
  g_receiver = receiver;
  return g_thread.Start(PostAndPassOn, g_module);
}

extern "C" __declspec(dllexport) void EndHook() { g_thread.Stop(); }

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) g_module = module;
  return TRUE;
}
