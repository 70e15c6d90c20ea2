#define QPAD_HOOK_BUILD
#include "hook/qpad_hook.h"

QPAD_HOOK_API void WINAPI StartHook_Mouse(HWND) {}
QPAD_HOOK_API void WINAPI EndHook_Mouse() {}
