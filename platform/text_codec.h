#pragma once
// Conversions between the data files' Shift-JIS (code page 932) bytes and
// the texts that the window system and the messages use. Code page 932 is
// always named explicitly: the system's own code page plays no part.

#include <optional>
#include <string>
#include <string_view>

namespace qpad::platform {

// Shift-JIS bytes to UTF-8. A byte sequence that is not valid code page 932
// becomes U+FFFD rather than stopping the conversion.
std::string Cp932ToUtf8(std::string_view cp932);

// UTF-8 to Shift-JIS bytes; nullopt when a character has no code page 932
// form (it would otherwise be stored as '?').
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

#ifdef _WIN32
std::wstring Cp932ToWide(std::string_view cp932);
std::optional<std::string> WideToCp932(std::wstring_view wide);
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
#endif

}  // namespace qpad::platform
