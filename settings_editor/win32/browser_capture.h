#pragma once
// Asks the running web browser, over DDE, for the address and the title of
// the page it shows. Blocks the calling thread until the browser answers or
// the request times out (10 s).

#include "settings_editor/browser_reply.h"

namespace qpad::editor::win32 {

CaptureResult CaptureBrowserPage();

}  // namespace qpad::editor::win32
