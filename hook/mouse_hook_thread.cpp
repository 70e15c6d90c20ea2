#include "hook/mouse_hook_thread.h"

namespace qpad::hook {

using platform::win32::UniqueKernelHandle;

bool MouseHookThread::Start(HOOKPROC procedure, HINSTANCE module) {
  if (Running()) return true;
  UniqueKernelHandle ready(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!ready) return false;
  procedure_ = procedure;
  module_ = module;
  ready_ = ready.Get();
  installed_ = false;
  thread_.Reset(::CreateThread(nullptr, 0, &MouseHookThread::Run, this, 0, &threadId_));
  if (!thread_) return false;
  HANDLE waitFor[] = {ready.Get(), thread_.Get()};
  DWORD which = ::WaitForMultipleObjects(2, waitFor, FALSE, INFINITE);
  ready_ = nullptr;
  if (which != WAIT_OBJECT_0 || !installed_) {
    Stop();
    return false;
  }
  return true;
}

void MouseHookThread::Stop() {
  if (!thread_) return;
  ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  ::WaitForSingleObject(thread_.Get(), INFINITE);
  thread_.Reset();
  threadId_ = 0;
}

DWORD WINAPI MouseHookThread::Run(void* self) { return static_cast<MouseHookThread*>(self)->Loop(); }

DWORD MouseHookThread::Loop() {
  // The pointer waits for this thread; it must not wait behind busy threads
  // of the same priority.
  ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
  MSG message;
  ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue that WM_QUIT comes to
  HHOOK hook = ::SetWindowsHookExW(WH_MOUSE_LL, procedure_, module_, 0);
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

}  // namespace qpad::hook
