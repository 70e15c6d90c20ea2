#pragma once
// The base of every window of the programs: one window class per kind of
// window, one static procedure for all of them that finds the object behind
// the window and hands it the message. No exception leaves the procedure.

#include <windows.h>

namespace qpad::platform::win32 {

struct WindowDescription {
  const wchar_t* className = nullptr;
  const wchar_t* caption = L"";
  DWORD style = WS_POPUP;
  DWORD exStyle = 0;
  RECT bounds = {0, 0, 0, 0};  // screen coordinates for top-level windows
  HWND owner = nullptr;
  HBRUSH background = nullptr;  // null: the window paints everything itself
};

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();  // destroys the window when it is still there

  HWND Handle() const { return handle_; }

 protected:
  // Registers the class on first use and creates the window; false when the
  // system refuses.
  bool CreateNativeWindow(const WindowDescription& description);

  // The object's handler; the default passes everything to the system.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
};

}  // namespace qpad::platform::win32
