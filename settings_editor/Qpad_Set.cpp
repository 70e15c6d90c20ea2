// Qpad_Set: the settings editor of Quillpad. It edits the display timings
// and the quick-action menus, writes every data file when it ends and then
// asks the resident program to reload them.
#include <windows.h>
#include <commctrl.h>

#include "platform/file_system.h"
#include "settings_editor/UMSup_Set.h"
#include "settings_editor/UMSup_SetSub.h"
#include "settings_editor/win32/form_kit.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace qpad::editor;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  win32::RegisterFormClasses(instance);

  TFrm_SetSub itemEditor;
  TFrm_Set settingsWindow(qpad::DataFolder{qpad::platform::ProgramFolder()}, itemEditor);
  if (!settingsWindow.Create()) return 1;
  if (!itemEditor.Create(settingsWindow.Handle())) return 1;
  settingsWindow.Show();

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (::IsDialogMessageW(settingsWindow.Handle(), &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
