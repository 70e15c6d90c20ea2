#include "settings_editor/win32/form_kit.h"

#include <map>
#include <memory>
#include <tuple>

#include "platform/win32/find_control.h"
#include "platform/win32/message_box.h"

namespace qpad::editor::win32 {
namespace {

constexpr const wchar_t* kLabelClass = L"QpadSetLabel";
constexpr const wchar_t* kPanelClass = L"QpadSetPanel";

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FaceExists(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
  HDC dc = ::GetDC(nullptr);
  bool found = false;
  ::EnumFontFamiliesExW(dc, &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
  ::ReleaseDC(nullptr, dc);
  return found;
}

const wchar_t* FormFace() {
  static const wchar_t* face = [] {
    const wchar_t* const kFaces[] = {L"ＭＳ Ｐゴシック", L"MS PGothic", L"Meiryo UI",
                                     L"IPAPGothic", L"IPA Pゴシック", L"VL PGothic"};
    for (const wchar_t* candidate : kFaces)
      if (FaceExists(candidate)) return candidate;
    return L"MS Shell Dlg 2";
  }();
  return face;
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* look = reinterpret_cast<LabelLook*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      ::SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(new LabelLook(
                              *static_cast<const LabelLook*>(create->lpCreateParams))));
      break;
    }
    case WM_NCDESTROY:
      delete look;
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    case WM_SETTEXT: {
      LRESULT result = ::DefWindowProcW(window, message, wParam, lParam);
      ::InvalidateRect(window, nullptr, TRUE);
      return result;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = ::BeginPaint(window, &paint);
      RECT area;
      ::GetClientRect(window, &area);
      ::FillRect(dc, &area, SolidBrush(look->back));
      std::wstring text = WindowTextOf(window);
      if (!text.empty()) {
        HGDIOBJ oldFont = ::SelectObject(dc, look->font ? look->font : FormFont(15));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, look->text);
        UINT format = DT_NOPREFIX;
        format |= look->align == Align::Right ? DT_RIGHT : look->align == Align::Center ? DT_CENTER : DT_LEFT;
        format |= look->wrap ? DT_WORDBREAK : DT_SINGLELINE;
        if (look->centreVertically && !look->wrap) format |= DT_VCENTER;
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
        ::SelectObject(dc, oldFont);
      }
      ::EndPaint(window, &paint);
      return 0;
    }
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

struct PanelLook {
  COLORREF back;
  bool raised;
};

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* look = reinterpret_cast<PanelLook*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      ::SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(new PanelLook(
                              *static_cast<const PanelLook*>(create->lpCreateParams))));
      break;
    }
    case WM_NCDESTROY:
      delete look;
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    case WM_ERASEBKGND: {
      RECT area;
      ::GetClientRect(window, &area);
      HDC dc = reinterpret_cast<HDC>(wParam);
      ::FillRect(dc, &area, SolidBrush(look->back));
      if (look->raised) ::DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      // Track bars and check boxes take the panel's colour.
      ::SetBkColor(reinterpret_cast<HDC>(wParam), look->back);
      return reinterpret_cast<LRESULT>(SolidBrush(look->back));
    case WM_CLOSE:  // a multi-line edit asks its parent to close on Escape
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return ::SendMessageW(::GetAncestor(window, GA_ROOT), message, wParam, lParam);
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HFONT FormFont(int pixelHeight, bool bold, bool underline) {
  static std::map<std::tuple<int, bool, bool>, HFONT> fonts;
  HFONT& font = fonts[{pixelHeight, bold, underline}];
  if (font == nullptr) {
    LOGFONTW look{};
    look.lfHeight = pixelHeight;
    look.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    look.lfUnderline = underline;
    look.lfCharSet = SHIFTJIS_CHARSET;
    look.lfQuality = DEFAULT_QUALITY;
    look.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynW(look.lfFaceName, FormFace(), LF_FACESIZE);
    font = ::CreateFontIndirectW(&look);
  }
  return font;
}

HBRUSH SolidBrush(COLORREF colour) {
  static std::map<COLORREF, HBRUSH> brushes;
  HBRUSH& brush = brushes[colour];
  if (brush == nullptr) brush = ::CreateSolidBrush(colour);
  return brush;
}

void RegisterFormClasses(HINSTANCE instance) {
  WNDCLASSEXW label{};
  label.cbSize = sizeof label;
  label.lpfnWndProc = LabelProc;
  label.hInstance = instance;
  label.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  label.lpszClassName = kLabelClass;
  ::RegisterClassExW(&label);

  WNDCLASSEXW panel{};
  panel.cbSize = sizeof panel;
  panel.lpfnWndProc = PanelProc;
  panel.hInstance = instance;
  panel.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  panel.lpszClassName = kPanelClass;
  ::RegisterClassExW(&panel);
}

HWND CreateLabel(HWND parent, int id, const std::wstring& text, int x, int y, int width,
                 int height, const LabelLook& look) {
  return ::CreateWindowExW(0, kLabelClass, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x,
                           y, width, height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleW(nullptr), const_cast<LabelLook*>(&look));
}

HWND CreatePanel(HWND parent, int id, int x, int y, int width, int height, COLORREF back,
                 bool raised) {
  PanelLook look{back, raised};
  return ::CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, L"",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, x, y, width,
                           height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleW(nullptr), &look);
}

HWND CreateChild(HWND parent, int id, const wchar_t* className, const std::wstring& text,
                 DWORD style, int x, int y, int width, int height, HFONT font, DWORD exStyle) {
  HWND control = ::CreateWindowExW(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                                   x, y, width, height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   ::GetModuleHandleW(nullptr), nullptr);
  if (control && font) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

HWND CreateFlatButton(HWND parent, int id, const std::wstring& text, int x, int y, int width,
                      int height, HFONT font) {
  return CreateChild(parent, id, L"BUTTON", text, WS_TABSTOP | BS_OWNERDRAW, x, y, width, height,
                     font);
}

void DrawFlatButton(const DRAWITEMSTRUCT& item, ButtonArt art, bool latchedDown) {
  HDC dc = item.hDC;
  RECT area = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0 || latchedDown;
  const bool enabled = (item.itemState & ODS_DISABLED) == 0;
  ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_BTNFACE));
  if (latchedDown) {
    // The current choice of a group: a lighter, sunken face.
    RECT inner = area;
    ::InflateRect(&inner, -1, -1);
    ::FillRect(dc, &inner, SolidBrush(RGB(0xF4, 0xF8, 0xF4)));
  }
  ::DrawEdge(dc, &area, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  RECT content = area;
  ::InflateRect(&content, -2, -2);
  if (pressed) ::OffsetRect(&content, 1, 1);
  if (art) {
    art(dc, content, enabled);
  } else {
    std::wstring text = WindowTextOf(item.hwndItem);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, enabled ? kBlack : kGrey);
    HGDIOBJ oldFont = ::SelectObject(dc, reinterpret_cast<HFONT>(
                                             ::SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &content,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, oldFont);
  }
  if (item.itemState & ODS_FOCUS) {
    RECT focus = area;
    ::InflateRect(&focus, -3, -3);
    ::DrawFocusRect(dc, &focus);
  }
}

HWND ControlById(HWND form, int id) { return platform::win32::FindControl(form, id); }

std::wstring WindowTextOf(HWND window) {
  int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int copied = ::GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied));
  return text;
}

void Tell(const std::string& utf8) { platform::win32::ShowMessage(kApplicationTitle, utf8); }

}  // namespace qpad::editor::win32
