#pragma once
// A program that a test started. It is ended, at the latest, when the object
// goes: a test never leaves a process behind.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/win32/unique_handle.h"
#include "tests/e2e/support/wait.h"

namespace qpad::e2e {

class ChildProcess {
 public:
  // Starts `program` with `arguments` (none for the programs of the
  // system), its working folder being the program's own folder. Check
  // Started().
  explicit ChildProcess(const std::filesystem::path& program, const std::wstring& arguments = {});
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess() { End(); }

  bool Started() const { return static_cast<bool>(process_); }
  DWORD Id() const { return processId_; }
  DWORD MainThreadId() const { return threadId_; }  // a window program's user-interface thread

  bool Alive() const;
  // Waits until the process has ended by itself.
  bool WaitForExit(std::chrono::milliseconds limit = kGenerousLimit) const;
  std::optional<DWORD> ExitCode() const;  // nullopt while it runs

  // Terminates the process if it still runs and waits until it has gone.
  void End();

 private:
  platform::win32::UniqueKernelHandle process_;
  DWORD processId_ = 0;
  DWORD threadId_ = 0;
};

}  // namespace qpad::e2e
