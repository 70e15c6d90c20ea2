#include "platform/win32/window.h"

namespace qpad::platform::win32 {
namespace {

bool RegisterOnce(const WindowDescription& description, WNDPROC procedure) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (::GetClassInfoExW(instance, description.className, &existing)) return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = description.background;
  windowClass.lpszClassName = description.className;
  return ::RegisterClassExW(&windowClass) != 0;
}

}  // namespace

Window::~Window() {
  if (handle_) ::DestroyWindow(handle_);
}

bool Window::CreateNativeWindow(const WindowDescription& description) {
  if (!RegisterOnce(description, &Window::Procedure)) return false;
  const RECT& r = description.bounds;
  // The handle is stored by the procedure at WM_NCCREATE, so the object
  // already sees the messages sent during creation.
  return ::CreateWindowExW(description.exStyle, description.className, description.caption, description.style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, description.owner, nullptr,
                           ::GetModuleHandleW(nullptr), this) != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->handle_ = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    result = ::DefWindowProcW(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
  }
  return result;
}

}  // namespace qpad::platform::win32
