#include "resident/UPopMenu.h"

namespace qpad::resident {

bool TFrm_PopMenu::Create() {
  platform::win32::WindowSpec spec;
  spec.className = L"TFrm_PopMenu";
  spec.caption = L"Quillpad";
  spec.style = WS_POPUP;
  spec.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  spec.background = ::GetSysColorBrush(COLOR_BTNFACE);
  return CreateWindowFromSpec(spec);
}

}  // namespace qpad::resident
