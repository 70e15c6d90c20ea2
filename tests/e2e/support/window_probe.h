#pragma once
// Looking at the windows of another program the way a user sees them: which
// exist, where they are, their outline, their texts; and its message boxes.

#include <windows.h>

#include <optional>
#include <string>

namespace qpad::e2e {

// The top-level window of class `className` that belongs to process
// `processId`; null when there is none.
HWND FindProcessWindow(DWORD processId, const wchar_t* className);

// The text of a window of any process (WM_GETTEXT, which edit boxes answer
// too), as UTF-8.
std::string WindowText(HWND window);

bool IsVisible(HWND window);
RECT WindowRect(HWND window);
bool HasExStyle(HWND window, DWORD exStyle);
// The bounding box of the window's region, in window coordinates; nullopt
// when the window has no region.
std::optional<RECT> WindowRegionBox(HWND window);

// A visible message box ("#32770") of process `processId`; null when none.
HWND FindMessageBox(DWORD processId);
// The message text of a message box (UTF-8); its caption is WindowText.
std::string MessageBoxText(HWND box);
// Presses the box's OK button.
void PressOk(HWND box);

}  // namespace qpad::e2e
