#pragma once
// Lets the windows of the calling thread process what waits in its queue,
// for work that runs long on the user-interface thread.

namespace qpad::platform::win32 {

// Handles every message that is waiting, then returns. A WM_QUIT met on the
// way is put back, so that the main loop still ends.
void ProcessPendingMessages();

}  // namespace qpad::platform::win32
