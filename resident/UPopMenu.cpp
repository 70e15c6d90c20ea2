#include "resident/UPopMenu.h"

namespace qpad::resident {

bool TFrm_PopMenu::Create() {
  platform::win32::WindowDescription description;
  description.className = L"TFrm_PopMenu";
  description.caption = L"Quillpad";
  description.style = WS_POPUP;
  description.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  description.background = ::GetSysColorBrush(COLOR_BTNFACE);
  return CreateNativeWindow(description);
}

}  // namespace qpad::resident
