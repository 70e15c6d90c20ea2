// The bench's reference hook: a low-level mouse hook on a thread of its own,
// exactly as Qpad_Hook runs it, whose callback only passes events on. What
// Qpad costs beyond it is the cost of posting the codes and of Qpad itself.
#include <windows.h>

#include "hook/mouse_hook_thread.h"

namespace {

HINSTANCE g_module = nullptr;
qpad::hook::MouseHookThread g_thread;

LRESULT CALLBACK PassOn(int code, WPARAM event, LPARAM data) {
  return ::CallNextHookEx(nullptr, code, event, data);
}

}  // namespace

extern "C" __declspec(dllexport) bool StartBareHook() { return g_thread.Start(PassOn, g_module); }
extern "C" __declspec(dllexport) void EndBareHook() { g_thread.Stop(); }

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) g_module = module;
  return TRUE;
}
