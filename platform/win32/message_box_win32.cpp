#include "platform/win32/message_box.h"

#include <windows.h>

#include <string>

#include "platform/text_codec.h"

namespace qpad::platform::win32 {

void ShowMessage(std::wstring_view title, std::string_view utf8Text) {
  // No owner with MB_TASKMODAL: every top-level window of the thread is
  // disabled while the box is up, whichever of them is visible.
  ::MessageBoxW(nullptr, Utf8ToWide(utf8Text).c_str(), std::wstring(title).c_str(),
                MB_OK | MB_TASKMODAL | MB_SETFOREGROUND | MB_TOPMOST);
}

}  // namespace qpad::platform::win32
