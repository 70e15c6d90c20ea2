#include "tests/e2e/support/window_probe.h"

#include <vector>

#include "platform/text_codec.h"
#include "platform/win32/unique_handle.h"

namespace qpad::e2e {
namespace {

// The static control that holds a message box's text.
constexpr int kMessageBoxTextId = 0xFFFF;

struct Search {
  DWORD processId;
  const wchar_t* className;
  bool visibleOnly;
  HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId) return TRUE;
  if (search->visibleOnly && !::IsWindowVisible(window)) return TRUE;
  wchar_t name[256] = {};
  ::GetClassNameW(window, name, 256);
  if (std::wstring(name) != search->className) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindTopLevel(DWORD processId, const wchar_t* className, bool visibleOnly) {
  Search search{processId, className, visibleOnly, nullptr};
  ::EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* className) {
  return FindTopLevel(processId, className, /*visibleOnly=*/false);
}

std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
    return {};
  std::vector<wchar_t> text(length + 1);
  DWORD_PTR copied = 0;
  ::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
  return platform::WideToUtf8(std::wstring(text.data(), copied));
}

bool IsVisible(HWND window) { return ::IsWindowVisible(window) != FALSE; }

RECT WindowRect(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

bool HasExStyle(HWND window, DWORD exStyle) {
  return (static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE)) & exStyle) == exStyle;
}

std::optional<RECT> WindowRegionBox(HWND window) {
  platform::win32::UniqueGdiObject<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
  int kind = ::GetWindowRgn(window, region.Get());
  if (kind == ERROR || kind == NULLREGION) return std::nullopt;
  RECT box{};
  ::GetRgnBox(region.Get(), &box);
  return box;
}

HWND FindMessageBox(DWORD processId) {
  return FindTopLevel(processId, L"#32770", /*visibleOnly=*/true);
}

std::string MessageBoxText(HWND box) {
  HWND text = ::GetDlgItem(box, kMessageBoxTextId);
  return text ? WindowText(text) : std::string();
}

void PressOk(HWND box) {
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(box, IDOK)));
}

}  // namespace qpad::e2e
