#pragma once
// A low-level mouse hook on a thread of its own. The system calls such a
// hook on the thread that installed it, and every pointer event of the
// desktop waits for its answer; this thread does nothing but run its message
// loop, so the answer never waits behind other work of the program.

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace qpad::hook {

class MouseHookThread {
 public:
  MouseHookThread() = default;
  MouseHookThread(const MouseHookThread&) = delete;
  MouseHookThread& operator=(const MouseHookThread&) = delete;
  // No wait here: objects of a library go while the loader lock is held,
  // and a thread cannot end meanwhile. A hook still running at the end of
  // the process goes with its thread.
  ~MouseHookThread() = default;

  // Starts the thread, which installs `procedure` (of `module`) as a
  // WH_MOUSE_LL hook; returns once the hook is in place, false when it could
  // not be installed.
  bool Start(HOOKPROC procedure, HINSTANCE module);

  // Removes the hook and returns once the thread has ended: no call of the
  // procedure runs or follows after that.
  void Stop();

  bool Running() const { return static_cast<bool>(thread_); }

 private:
  static DWORD WINAPI Run(void* self);
  DWORD Loop();

  platform::win32::UniqueKernelHandle thread_;
  DWORD threadId_ = 0;
  HOOKPROC procedure_ = nullptr;
  HINSTANCE module_ = nullptr;
  HANDLE ready_ = nullptr;
  bool installed_ = false;
};

}  // namespace qpad::hook
