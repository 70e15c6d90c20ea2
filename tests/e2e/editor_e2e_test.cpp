#include "tests/e2e/editor_e2e_test.h"

#include <commctrl.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "platform/win32/find_control.h"

namespace qpad::e2e {
namespace {

constexpr int kListRowHeight = 15;
const auto kAged = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 365);

}  // namespace

ChildProcess& EditorE2eTest::StartEditor() {
  ChildProcess& editor = Start("Qpad_Set.exe");
  Watch(editor);
  EXPECT_TRUE(WaitUntil([&] { return MainForm() && IsVisible(MainForm()); }))
      << "the settings window did not appear";
  return editor;
}

void EditorE2eTest::EndEditor(ChildProcess& editor) {
  TapMain(ids::SBtn_End);
  EXPECT_TRUE(editor.WaitForExit()) << "the editor did not end";
}

HWND EditorE2eTest::MainForm() const { return FindProcessWindow(editorId_, L"TFrm_Set"); }
HWND EditorE2eTest::SubForm() const { return FindProcessWindow(editorId_, L"TFrm_SetSub"); }

HWND EditorE2eTest::Control(HWND form, int id) { return platform::win32::FindControl(form, id); }

ChildProcess& EditorE2eTest::StartQpadBesideTheEditor() {
  byMessages_ = true;
  return StartRunningQpad();
}

void EditorE2eTest::Tap(HWND control) {
  ASSERT_NE(control, nullptr) << "no such control";
  if (byMessages_) {
    ::PostMessageW(::GetAncestor(control, GA_ROOT), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(control), BN_CLICKED), reinterpret_cast<LPARAM>(control));
    return;
  }
  RECT r = WindowRect(control);
  POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  // The system routes a press to the window under it, or to the one that
  // holds the mouse capture, when the press is queued: wait until the
  // control is the one that will get it.
  ASSERT_TRUE(WaitUntil([&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    bool captured = editorThread_ && ::GetGUIThreadInfo(editorThread_, &info) && info.hwndCapture;
    return !captured && ::WindowFromPoint(middle) == control;
  })) << "the control is not where a tap would reach it";
  // Two taps on one spot within the double-click time make a double click,
  // which a button reports as such rather than as a second click.
  static std::chrono::steady_clock::time_point lastTap;
  static POINT lastPlace{-100, -100};
  if (std::abs(middle.x - lastPlace.x) < 8 && std::abs(middle.y - lastPlace.y) < 8) {
    const auto apart = std::chrono::milliseconds(::GetDoubleClickTime() + 100);
    WaitUntil([&] { return std::chrono::steady_clock::now() - lastTap > apart; });
  }
  lastTap = std::chrono::steady_clock::now();
  lastPlace = middle;
  pointer.Move(middle);
  wchar_t className[16] = {};
  ::GetClassNameW(control, className, 16);
  if (lstrcmpiW(className, L"Button") != 0) return pointer.Tap(middle);
  // A button: released only once it shows the press, as a finger lifts.
  pointer.Press(middle);
  bool pushed = WaitUntil([&] { return (::SendMessageW(control, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; });
  pointer.Release(middle);
  ASSERT_TRUE(pushed) << "button " << ::GetDlgCtrlID(control) << " did not take the press";
}

void EditorE2eTest::SetText(HWND control, const std::string& utf8) {
  std::wstring text = platform::Utf8ToWide(utf8);
  ::SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void EditorE2eTest::OpenItemEditor(int buttonId) {
  TapMain(buttonId);
  ASSERT_TRUE(WaitUntil([&] { return ItemEditorOpen(); })) << "the item editor did not open";
}

void EditorE2eTest::Register() {
  TapSub(ids::SBtn_Set);
  ASSERT_TRUE(WaitUntil([&] { return !ItemEditorOpen(); })) << "the item editor stayed open";
}

void EditorE2eTest::SelectCategory(int buttonId) {
  TapMain(buttonId);
  // The selected category's button is drawn down; the caption follows.
  const char* captions[] = {"定型文字", "ショートカット", "ランチャー", "ウィンドウ操作", "ブラウザ操作"};
  std::string wanted = captions[buttonId - ids::SpeedButton1];
  ASSERT_TRUE(WaitUntil([&] { return WindowText(Main(ids::Label2)) == wanted; }));
}

std::vector<std::string> EditorE2eTest::ListRows() const {
  HWND list = Main(ids::ListBox_ItemList);
  std::vector<std::string> rows;
  LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring row(static_cast<size_t>(::SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    LRESULT n = ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(row.data()));
    rows.push_back(platform::WideToUtf8(row.substr(0, static_cast<size_t>(n < 0 ? 0 : n))));
  }
  return rows;
}

void EditorE2eTest::TapRow(int row) {
  if (byMessages_) ::SendMessageW(Main(ids::ListBox_ItemList), LB_SETCURSEL, row, 0);
  RECT r = WindowRect(Main(ids::ListBox_ItemList));
  if (!byMessages_) pointer.Tap({r.left + 40, r.top + 2 + row * kListRowHeight + kListRowHeight / 2});
  ASSERT_TRUE(WaitUntil([&] { return SelectedRow() == row; })) << "row " << row << " not selected";
}

int EditorE2eTest::SelectedRow() const {
  return static_cast<int>(::SendMessageW(Main(ids::ListBox_ItemList), LB_GETCURSEL, 0, 0));
}

int EditorE2eTest::BarPosition(int index) const {
  return static_cast<int>(::SendMessageW(Main(ids::TimingBar + index), TBM_GETPOS, 0, 0));
}

std::string EditorE2eTest::ValueLabel(int index) const {
  return WindowText(Main(ids::TimingValue + index));
}

void EditorE2eTest::PressKey(WORD key, const std::vector<WORD>& held) {
  std::vector<INPUT> inputs;
  auto add = [&](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  for (WORD modifier : held) add(modifier, false);
  add(key, false);
  add(key, true);
  for (auto it = held.rbegin(); it != held.rend(); ++it) add(*it, true);
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void EditorE2eTest::TypeText(const std::string& utf8) {
  std::vector<INPUT> inputs;
  for (wchar_t c : platform::Utf8ToWide(utf8)) {
    for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = KEYEVENTF_UNICODE | up;
      inputs.push_back(input);
    }
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void EditorE2eTest::PaintedScreenshot(const std::string& label) {
  // Painting another thread's window now sends it WM_PAINT and waits.
  for (HWND form : {MainForm(), SubForm()})
    if (form) ::RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Screenshot(label);
}

void EditorE2eTest::Age(const std::string& utf8Name) const {
  std::filesystem::last_write_time(Folder().PathOf(utf8Name), kAged);
}

bool EditorE2eTest::WrittenSinceAged(const std::string& utf8Name) const {
  return std::filesystem::last_write_time(Folder().PathOf(utf8Name)) > kAged + std::chrono::hours(1);
}

}  // namespace qpad::e2e
