#pragma once
// Finding a control of a window by its identifier, at any depth (controls
// inside panels included), in this process or another one.

#include <windows.h>

namespace qpad::platform::win32 {

inline HWND FindControl(HWND root, int id) {
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  if (root == nullptr) return nullptr;
  ::EnumChildWindows(
      root,
      [](HWND child, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        if (::GetDlgCtrlID(child) != s->id) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace qpad::platform::win32
