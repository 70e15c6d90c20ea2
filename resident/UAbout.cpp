#include "resident/UAbout.h"

namespace qpad::resident {

bool TAboutBox::Create() {
  platform::win32::WindowDescription description;
  description.className = L"TAboutBox";
  description.caption = L"Quillpad バージョン情報";
  description.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  description.exStyle = WS_EX_DLGMODALFRAME;
  description.background = ::GetSysColorBrush(COLOR_BTNFACE);
  return CreateNativeWindow(description);
}

}  // namespace qpad::resident
