#pragma once
// The system's own text for an error code, as the standard error box shows it.

#include <windows.h>

#include <string>

namespace qpad::platform::win32 {

std::string ErrorText(DWORD error);  // UTF-8
inline std::string LastErrorText() { return ErrorText(::GetLastError()); }

}  // namespace qpad::platform::win32
