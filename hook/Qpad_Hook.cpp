// Qpad_Hook.dll: reports every left-button press and release on the desktop
// to Qpad's window as the registered message with code 1 or 2.
//
// The system calls a low-level mouse hook on the thread that installed it,
// and every pointer event of the desktop waits for the answer. Qpad's own
// thread blocks for long stretches (synthesized input with fixed waits, modal
// windows), so the hook lives on a thread of this library that does nothing
// but run its message loop; the callback only posts the code and passes the
// event on.

#define QPAD_HOOK_BUILD
#include "hook/qpad_hook.h"

#include <atomic>

#include "hook/hook_protocol.h"
#include "platform/win32/hook_shared_block.h"
#include "platform/win32/unique_handle.h"

namespace {

using qpad::platform::win32::HookSharedBlock;
using qpad::platform::win32::UniqueKernelHandle;

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

// The hook's thread: installs the hook, tells the starter whether that
// worked, and runs its message loop until it is asked to quit.
class HookThread {
 public:
  bool Start() {
    UniqueKernelHandle ready(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!ready) return false;
    ready_ = ready.Get();
    thread_.Reset(::CreateThread(nullptr, 0, &HookThread::Run, this, 0, &threadId_));
    if (!thread_) return false;
    HANDLE waitFor[] = {ready.Get(), thread_.Get()};
    DWORD which = ::WaitForMultipleObjects(2, waitFor, FALSE, INFINITE);
    if (which != WAIT_OBJECT_0 || !installed_) {
      Stop();
      return false;
    }
    return true;
  }

  // Returns once the thread has removed the hook and ended: no callback runs
  // after that.
  void Stop() {
    if (!thread_) return;
    ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    ::WaitForSingleObject(thread_.Get(), INFINITE);
    thread_.Reset();
    threadId_ = 0;
  }

  bool Running() const { return static_cast<bool>(thread_); }

 private:
  static DWORD WINAPI Run(void* self) { return static_cast<HookThread*>(self)->Loop(); }

  DWORD Loop() {
    // The pointer waits for this thread; it must not wait behind busy work
    // of the same priority.
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    MSG message;
    ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue for WM_QUIT
    HHOOK hook = ::SetWindowsHookExW(WH_MOUSE_LL, LowLevelMouseProc, g_module, 0);
    installed_ = hook != nullptr;
    ::SetEvent(ready_);
    if (!hook) return 1;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    ::UnhookWindowsHookEx(hook);
    return 0;
  }

  UniqueKernelHandle thread_;
  DWORD threadId_ = 0;
  HANDLE ready_ = nullptr;
  bool installed_ = false;
};

HookSharedBlock g_block;
HookThread g_thread;

}  // namespace

QPAD_HOOK_API void WINAPI StartHook_Mouse(HWND window) {
  if (g_thread.Running()) return;
  // The message number is only known through the block that Qpad has set up.
  if (!g_block.OpenExisting()) return;
  g_window = window;
  g_message = g_block.Message();
  g_block.SetWindow(window);
  if (!g_thread.Start()) {
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
