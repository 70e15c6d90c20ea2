#pragma once
// The few building blocks that the editor's two windows are made of: fonts,
// colours, labels and panels that paint themselves, owner-drawn flat
// buttons, and the program's message box and message pump.

#include <windows.h>

#include <string>

namespace qpad::editor::win32 {

constexpr COLORREF kMoneyGreen = RGB(0xC0, 0xDC, 0xC0);
constexpr COLORREF kTeal = RGB(0x00, 0x80, 0x80);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kBlack = RGB(0x00, 0x00, 0x00);
constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);

// Title of the program's message boxes (and of the program itself).
constexpr const wchar_t* kApplicationTitle = L"Glidewarp-Set-";

// The forms' font at a cell height in pixels: "ＭＳ Ｐゴシック" where the
// system has it, else the first proportional Japanese face found. Fonts live
// as long as the program.
HFONT FormFont(int pixelHeight, bool bold = false, bool underline = false);

enum class Align { Left, Center, Right };

struct LabelLook {
  COLORREF back = kMoneyGreen;
  COLORREF text = kBlack;
  Align align = Align::Left;
  bool wrap = false;
  bool centreVertically = false;
  HFONT font = nullptr;
};

// Registers the label and panel classes; once per program.
void RegisterFormClasses(HINSTANCE instance);

HWND CreateLabel(HWND parent, int id, const std::wstring& text, int x, int y, int width,
                 int height, const LabelLook& look);

// A container that paints its colour (with a raised edge when asked) and
// hands its controls' notifications on to the window it lies in, so that one
// window procedure handles every control of a form.
HWND CreatePanel(HWND parent, int id, int x, int y, int width, int height, COLORREF back,
                 bool raised);

// A standard control, visible, with the given font.
HWND CreateChild(HWND parent, int id, const wchar_t* className, const std::wstring& text,
                 DWORD style, int x, int y, int width, int height, HFONT font,
                 DWORD exStyle = 0);

// A flat owner-drawn push button. Its face is drawn by DrawFlatButton from
// the owner's WM_DRAWITEM.
HWND CreateFlatButton(HWND parent, int id, const std::wstring& text, int x, int y, int width,
                      int height, HFONT font);

// Draws a picture into a button face; `enabled` false for a greyed look.
using ButtonArt = void (*)(HDC dc, const RECT& area, bool enabled);

// The face of a flat button: raised, or sunken while pressed or latched
// down; then its picture when it has one, else its text.
void DrawFlatButton(const DRAWITEMSTRUCT& item, ButtonArt art, bool latchedDown);

// A brush of a colour, kept for the program's life.
HBRUSH SolidBrush(COLORREF colour);

HWND ControlById(HWND form, int id);  // searches panels too

std::wstring WindowTextOf(HWND window);

// The program's message box: its title, the text and an OK button.
void Tell(const std::string& utf8);

}  // namespace qpad::editor::win32
