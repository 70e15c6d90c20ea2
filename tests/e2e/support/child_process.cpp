#include "tests/e2e/support/child_process.h"

#include <string>

namespace qpad::e2e {

ChildProcess::ChildProcess(const std::filesystem::path& program, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + program.wstring() + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  std::wstring folder = program.parent_path().wstring();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info))
    return;
  ::CloseHandle(info.hThread);
  process_.Reset(info.hProcess);
  processId_ = info.dwProcessId;
  threadId_ = info.dwThreadId;
}

bool ChildProcess::Alive() const {
  return process_ && ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(std::chrono::milliseconds limit) const {
  return process_ && ::WaitForSingleObject(process_.Get(), static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
}

std::optional<DWORD> ChildProcess::ExitCode() const {
  if (!process_ || Alive()) return std::nullopt;
  DWORD code = 0;
  ::GetExitCodeProcess(process_.Get(), &code);
  return code;
}

void ChildProcess::End() {
  if (!process_) return;
  if (Alive()) ::TerminateProcess(process_.Get(), 255);
  ::WaitForSingleObject(process_.Get(), 10000);
  process_.Reset();
}

}  // namespace qpad::e2e
