#include "settings_editor/win32/button_art.h"

#include <algorithm>
#include <initializer_list>

namespace qpad::editor::win32::art {
namespace {

constexpr COLORREF kOutline = RGB(0x30, 0x30, 0x30);
constexpr COLORREF kTitleBlue = RGB(0x1E, 0x5A, 0xB4);
constexpr COLORREF kArrowGreen = RGB(0x10, 0x80, 0x30);
constexpr COLORREF kPaper = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kKeyFace = RGB(0xE8, 0xE8, 0xE8);
constexpr COLORREF kRed = RGB(0xC8, 0x20, 0x20);
constexpr COLORREF kGlobe = RGB(0x38, 0x88, 0xD8);

// Greys out a colour for disabled buttons.
COLORREF Tint(COLORREF colour, bool enabled) {
  if (enabled) return colour;
  int grey = (GetRValue(colour) + GetGValue(colour) + GetBValue(colour)) / 3;
  grey = 160 + grey / 4;
  return RGB(grey, grey, grey);
}

// Selects a pen and a brush for one drawing and puts the old ones back.
class Ink {
 public:
  Ink(HDC dc, COLORREF line, COLORREF fill, int width = 1, bool hollow = false)
      : dc_(dc), pen_(::CreatePen(PS_SOLID, width, line)),
        oldPen_(::SelectObject(dc, pen_)),
        oldBrush_(::SelectObject(dc, hollow ? ::GetStockObject(NULL_BRUSH)
                                            : static_cast<HGDIOBJ>(SolidBrush(fill)))) {}
  ~Ink() {
    ::SelectObject(dc_, oldBrush_);
    ::SelectObject(dc_, oldPen_);
    ::DeleteObject(pen_);
  }
  Ink(const Ink&) = delete;
  Ink& operator=(const Ink&) = delete;

 private:
  HDC dc_;
  HPEN pen_;
  HGDIOBJ oldPen_;
  HGDIOBJ oldBrush_;
};

// A square of `size` centred in the area, for pictures that keep their shape.
RECT Centred(const RECT& area, int width, int height) {
  int left = area.left + (area.right - area.left - width) / 2;
  int top = area.top + (area.bottom - area.top - height) / 2;
  return {left, top, left + width, top + height};
}

void Polygon(HDC dc, std::initializer_list<POINT> points, COLORREF colour, bool enabled) {
  Ink ink(dc, Tint(colour, enabled), Tint(colour, enabled));
  ::Polygon(dc, points.begin(), static_cast<int>(points.size()));
}

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour, int width, bool enabled) {
  Ink ink(dc, Tint(colour, enabled), Tint(colour, enabled), width);
  ::MoveToEx(dc, x1, y1, nullptr);
  ::LineTo(dc, x2, y2);
}

// A small application window: outline, blue title bar, white body.
void Window(HDC dc, const RECT& r, bool enabled, COLORREF title = kTitleBlue) {
  {
    Ink ink(dc, Tint(kOutline, enabled), kPaper);
    ::Rectangle(dc, r.left, r.top, r.right, r.bottom);
  }
  RECT bar{r.left + 1, r.top + 1, r.right - 1, r.top + std::max<LONG>(3, (r.bottom - r.top) / 5)};
  ::FillRect(dc, &bar, SolidBrush(Tint(title, enabled)));
}

// An arrow from (x1,y1) to (x2,y2) with a filled head.
void Arrow(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour, bool enabled) {
  Line(dc, x1, y1, x2, y2, colour, 2, enabled);
  int dx = (x2 > x1) - (x2 < x1), dy = (y2 > y1) - (y2 < y1);
  const int head = 5;
  if (dx != 0 && dy != 0) {  // diagonal
    Polygon(dc, {{x2 + dx, y2 + dy}, {x2 - dx * head, y2 + dy}, {x2 + dx, y2 - dy * head}}, colour,
            enabled);
  } else if (dx != 0) {
    Polygon(dc, {{x2 + dx, y2}, {x2 - dx * head, y2 - head}, {x2 - dx * head, y2 + head}}, colour,
            enabled);
  } else {
    Polygon(dc, {{x2, y2 + dy}, {x2 - head, y2 - dy * head}, {x2 + head, y2 - dy * head}}, colour,
            enabled);
  }
}

void Text(HDC dc, const RECT& r, const wchar_t* text, int pixels, COLORREF colour, bool enabled) {
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, Tint(colour, enabled));
  HGDIOBJ old = ::SelectObject(dc, FormFont(pixels, true));
  RECT box = r;
  ::DrawTextW(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  ::SelectObject(dc, old);
}

// A key cap with a letter on it.
void KeyCap(HDC dc, const RECT& r, const wchar_t* letter, bool enabled) {
  {
    Ink ink(dc, Tint(kOutline, enabled), Tint(kKeyFace, enabled));
    ::RoundRect(dc, r.left, r.top, r.right, r.bottom, 4, 4);
  }
  Line(dc, r.left + 2, r.bottom - 3, r.right - 2, r.bottom - 3, kGrey, 1, enabled);
  RECT face{r.left, r.top, r.right, r.bottom - 2};
  Text(dc, face, letter, 11, kOutline, enabled);
}

void OperationPicture(HDC dc, const RECT& area, bool enabled, int operation) {
  RECT w = Centred(area, 25, 21);
  switch (operation) {
    case 1:  // minimise: the window shrinks to a bar at the bottom
      Window(dc, {w.left, w.top, w.right - 6, w.bottom - 7}, enabled);
      Line(dc, w.left + 4, w.bottom - 1, w.right - 4, w.bottom - 1, kOutline, 3, enabled);
      break;
    case 2:  // maximise: a small window grows to the whole frame
      {
        Ink ink(dc, Tint(kGrey, enabled), kPaper, 1, true);
        ::Rectangle(dc, w.left - 2, w.top - 2, w.right + 2, w.bottom + 2);
      }
      Window(dc, w, enabled);
      Arrow(dc, w.left + 7, w.bottom - 5, w.right - 4, w.top + 7, kArrowGreen, enabled);
      break;
    case 3:  // restore: two overlapping windows
      Window(dc, {w.left + 7, w.top, w.right, w.bottom - 7}, enabled);
      Window(dc, {w.left, w.top + 7, w.right - 7, w.bottom}, enabled);
      break;
    case 4:  // quit: a window with a red cross
      Window(dc, w, enabled);
      Line(dc, w.left + 8, w.top + 8, w.right - 8, w.bottom - 3, kRed, 3, enabled);
      Line(dc, w.right - 8, w.top + 8, w.left + 8, w.bottom - 3, kRed, 3, enabled);
      break;
    case 5: {  // move by the title bar: arrows in four directions
      Window(dc, w, enabled, RGB(0xE0, 0x80, 0x10));
      int cx = (w.left + w.right) / 2, cy = (w.top + w.bottom) / 2 + 2;
      Arrow(dc, cx, cy, cx - 8, cy, kArrowGreen, enabled);
      Arrow(dc, cx, cy, cx + 8, cy, kArrowGreen, enabled);
      Arrow(dc, cx, cy, cx, cy - 6, kArrowGreen, enabled);
      Arrow(dc, cx, cy, cx, cy + 6, kArrowGreen, enabled);
      break;
    }
    case 6:  // resize from the lower-left corner
      Window(dc, {w.left + 6, w.top, w.right, w.bottom - 6}, enabled);
      Arrow(dc, w.left + 11, w.bottom - 11, w.left + 2, w.bottom - 2, kArrowGreen, enabled);
      break;
    case 7:  // resize from the lower-right corner
      Window(dc, {w.left, w.top, w.right - 6, w.bottom - 6}, enabled);
      Arrow(dc, w.right - 11, w.bottom - 11, w.right - 2, w.bottom - 2, kArrowGreen, enabled);
      break;
  }
}

template <int Operation>
void OperationArt(HDC dc, const RECT& area, bool enabled) {
  OperationPicture(dc, area, enabled, Operation);
}

}  // namespace

void FixedText(HDC dc, const RECT& area, bool enabled) {
  RECT page = Centred(area, 20, 24);
  Polygon(dc,
          {{page.left, page.top},
           {page.right - 6, page.top},
           {page.right, page.top + 6},
           {page.right, page.bottom},
           {page.left, page.bottom}},
          kPaper, enabled);
  {
    Ink ink(dc, Tint(kOutline, enabled), kPaper, 1, true);
    POINT outline[] = {{page.left, page.top},     {page.right - 6, page.top},
                       {page.right, page.top + 6}, {page.right, page.bottom},
                       {page.left, page.bottom},   {page.left, page.top}};
    ::Polyline(dc, outline, 6);
  }
  for (int row = 0; row < 4; ++row)
    Line(dc, page.left + 4, page.top + 8 + row * 4, page.right - 4 - (row == 3 ? 5 : 0),
         page.top + 8 + row * 4, kTitleBlue, 1, enabled);
}

void ShortcutKey(HDC dc, const RECT& area, bool enabled) {
  RECT keys = Centred(area, 27, 14);
  KeyCap(dc, {keys.left, keys.top, keys.left + 13, keys.bottom}, L"C", enabled);
  KeyCap(dc, {keys.left + 14, keys.top, keys.right, keys.bottom}, L"V", enabled);
}

void Launcher(HDC dc, const RECT& area, bool enabled) {
  RECT w = Centred(area, 24, 22);
  Window(dc, w, enabled);
  int cx = (w.left + w.right) / 2, cy = (w.top + w.bottom) / 2 + 2;
  Polygon(dc, {{cx - 4, cy - 6}, {cx + 6, cy}, {cx - 4, cy + 6}}, kArrowGreen, enabled);
}

void WindowOperation(HDC dc, const RECT& area, bool enabled) {
  RECT w = Centred(area, 24, 22);
  Window(dc, {w.left + 6, w.top, w.right, w.bottom - 6}, enabled);
  Window(dc, {w.left, w.top + 6, w.right - 6, w.bottom}, enabled, RGB(0xE0, 0x80, 0x10));
}

void Browser(HDC dc, const RECT& area, bool enabled) {
  RECT g = Centred(area, 23, 23);
  {
    Ink ink(dc, Tint(kOutline, enabled), Tint(kGlobe, enabled));
    ::Ellipse(dc, g.left, g.top, g.right, g.bottom);
  }
  Ink lines(dc, Tint(kPaper, enabled), kPaper, 1, true);
  ::Ellipse(dc, g.left + 6, g.top + 1, g.right - 6, g.bottom - 1);
  int cy = (g.top + g.bottom) / 2;
  ::MoveToEx(dc, g.left + 1, cy, nullptr);
  ::LineTo(dc, g.right - 1, cy);
  ::MoveToEx(dc, g.left + 3, cy - 6, nullptr);
  ::LineTo(dc, g.right - 3, cy - 6);
  ::MoveToEx(dc, g.left + 3, cy + 6, nullptr);
  ::LineTo(dc, g.right - 3, cy + 6);
  int cx = (g.left + g.right) / 2;
  ::MoveToEx(dc, cx, g.top + 1, nullptr);
  ::LineTo(dc, cx, g.bottom - 1);
}

void ArrowUp(HDC dc, const RECT& area, bool enabled) {
  RECT r = Centred(area, 14, 8);
  Polygon(dc, {{r.left, r.bottom}, {(r.left + r.right) / 2, r.top}, {r.right, r.bottom}}, kTitleBlue,
          enabled);
}

void ArrowDown(HDC dc, const RECT& area, bool enabled) {
  RECT r = Centred(area, 14, 8);
  Polygon(dc, {{r.left, r.top}, {(r.left + r.right) / 2, r.bottom}, {r.right, r.top}}, kTitleBlue,
          enabled);
}

void Widen(HDC dc, const RECT& area, bool enabled) {
  RECT w = Centred(area, 26, 18);
  Window(dc, {w.left, w.top, w.left + 12, w.bottom}, enabled);
  Arrow(dc, w.left + 14, (w.top + w.bottom) / 2, w.right - 1, (w.top + w.bottom) / 2, kArrowGreen,
        enabled);
}

void Narrow(HDC dc, const RECT& area, bool enabled) {
  RECT w = Centred(area, 26, 18);
  Window(dc, {w.left, w.top, w.left + 12, w.bottom}, enabled);
  Arrow(dc, w.right - 1, (w.top + w.bottom) / 2, w.left + 14, (w.top + w.bottom) / 2, kArrowGreen,
        enabled);
}

ButtonArt WindowOperationArt(int operation) {
  static const ButtonArt kArt[] = {OperationArt<1>, OperationArt<2>, OperationArt<3>,
                                   OperationArt<4>, OperationArt<5>, OperationArt<6>,
                                   OperationArt<7>};
  return operation >= 1 && operation <= 7 ? kArt[operation - 1] : nullptr;
}

}  // namespace qpad::editor::win32::art
