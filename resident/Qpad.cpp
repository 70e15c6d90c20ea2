// Qpad: the resident pen and touch aid.
#include <windows.h>

#include "hook/qpad_hook.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  StartHook_Mouse(nullptr);
  EndHook_Mouse();
  return 0;
}
