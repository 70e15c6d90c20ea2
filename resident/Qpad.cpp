// Qpad: the resident pen and touch aid. Creates its three windows in their
// fixed order (the first one's creation runs the start-up) and runs the
// message loop until the main window has closed.
#include <windows.h>

#include "platform/file_system.h"
#include "resident/UAbout.h"
#include "resident/UMSup.h"
#include "resident/UPopMenu.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace qpad::resident;

  TFrm_MSup Frm_MSup(qpad::platform::ProgramFolder());
  if (!Frm_MSup.Create()) return 1;
  TAboutBox AboutBox;
  AboutBox.Create();
  TFrm_PopMenu Frm_PopMenu;
  Frm_PopMenu.Create();
  Frm_MSup.AttachMenuWindow(Frm_PopMenu);

  // The main window is shown where it was created, off-screen, as the
  // message loop begins; the display logic hides it at its first tick.
  if (Frm_MSup.Running()) ::ShowWindow(Frm_MSup.Handle(), SW_SHOWNOACTIVATE);

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
