#include "resident/UAbout.h"

namespace qpad::resident {

bool TAboutBox::Create() {
  platform::win32::WindowSpec spec;
  spec.className = L"TAboutBox";
  spec.caption = L"Quillpad バージョン情報";
  spec.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  spec.exStyle = WS_EX_DLGMODALFRAME;
  spec.background = ::GetSysColorBrush(COLOR_BTNFACE);
  return CreateWindowFromSpec(spec);
}

}  // namespace qpad::resident
