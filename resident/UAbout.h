#pragma once
// TAboutBox: the version box, created once at start-up after the main window
// and kept hidden until the system page shows it.

#include "platform/win32/window.h"

namespace qpad::resident {

class TAboutBox final : public platform::win32::Window {
 public:
  bool Create();
};

}  // namespace qpad::resident
