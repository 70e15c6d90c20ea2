#pragma once
// The pictures of the editor's buttons, drawn with GDI into the button's
// face at run time so that they stay sharp and need no image files.

#include "settings_editor/win32/form_kit.h"

namespace qpad::editor::win32::art {

// Category selectors.
void FixedText(HDC dc, const RECT& area, bool enabled);
void ShortcutKey(HDC dc, const RECT& area, bool enabled);
void Launcher(HDC dc, const RECT& area, bool enabled);
void WindowOperation(HDC dc, const RECT& area, bool enabled);
void Browser(HDC dc, const RECT& area, bool enabled);

// Moving items, widening and narrowing.
void ArrowUp(HDC dc, const RECT& area, bool enabled);
void ArrowDown(HDC dc, const RECT& area, bool enabled);
void Widen(HDC dc, const RECT& area, bool enabled);
void Narrow(HDC dc, const RECT& area, bool enabled);

// The seven window operations, by their number 1 .. 7.
ButtonArt WindowOperationArt(int operation);

}  // namespace qpad::editor::win32::art
