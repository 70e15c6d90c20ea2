#pragma once
// The programs' standard message box: the application's title as caption,
// one OK button, modal to every window of the program, in front.

#include <string_view>

namespace qpad::platform::win32 {

void ShowMessage(std::wstring_view title, std::string_view utf8Text);

}  // namespace qpad::platform::win32
