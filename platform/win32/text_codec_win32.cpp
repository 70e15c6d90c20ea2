// Code page 932 conversions through the system's converter, always naming
// code page 932 so that the system locale plays no part.

#include <windows.h>

#include "platform/text_codec.h"

namespace qpad::platform {
namespace {

constexpr UINT kShiftJis = 932;

std::wstring ToWide(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  int n = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

}  // namespace

std::wstring Cp932ToWide(std::string_view cp932) { return ToWide(kShiftJis, cp932); }
std::wstring Utf8ToWide(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }

std::string WideToUtf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                nullptr, nullptr);
  std::string utf8(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n,
                        nullptr, nullptr);
  return utf8;
}

std::optional<std::string> WideToCp932(std::wstring_view wide) {
  if (wide.empty()) return std::string();
  BOOL usedDefault = FALSE;
  int n = ::WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(),
                                static_cast<int>(wide.size()), nullptr, 0, nullptr, &usedDefault);
  if (n == 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                        bytes.data(), n, nullptr, &usedDefault);
  return bytes;
}

std::string Cp932ToUtf8(std::string_view cp932) { return WideToUtf8(Cp932ToWide(cp932)); }

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  return WideToCp932(Utf8ToWide(utf8));
}

}  // namespace qpad::platform
