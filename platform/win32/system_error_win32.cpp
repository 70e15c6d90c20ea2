#include "platform/win32/system_error.h"

#include "platform/text_codec.h"

namespace qpad::platform::win32 {

std::string ErrorText(DWORD error) {
  wchar_t* text = nullptr;
  DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = n ? std::wstring(text, n) : std::wstring();
  if (text) ::LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                              message.back() == L' ' || message.back() == L'.'))
    message.pop_back();
  if (message.empty()) message = L"Error " + std::to_wstring(error);
  return WideToUtf8(message);
}

}  // namespace qpad::platform::win32
