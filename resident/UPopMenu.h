#pragma once
// TFrm_PopMenu: the quick-action menu window, created once at start-up as
// the third window and kept hidden until an opener shows it.

#include "platform/win32/window.h"

namespace qpad::resident {

class TFrm_PopMenu final : public platform::win32::Window {
 public:
  bool Create();
};

}  // namespace qpad::resident
