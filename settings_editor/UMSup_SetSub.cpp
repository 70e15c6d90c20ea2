#include "settings_editor/UMSup_SetSub.h"

#include <commctrl.h>
#include <commdlg.h>
#include <imm.h>

#include <vector>

#include "platform/file_system.h"
#include "platform/text_codec.h"
#include "settings_editor/form_ids.h"
#include "settings_editor/win32/browser_capture.h"
#include "settings_editor/win32/button_art.h"
#include "settings_editor/win32/form_kit.h"

namespace qpad::editor {
namespace {

using namespace win32;

constexpr int kFontPx = 12;
constexpr POINT kScreenPosition{198, 216};
constexpr int kPageLeft = 4, kPageTop = 4, kPageWidth = 289, kPageHeight = 161;
constexpr int kWindowWidth = kPageLeft + kPageWidth + 10;
constexpr int kHeightBelowCaption = 205;

std::wstring Wide(const std::string& utf8) { return platform::Utf8ToWide(utf8); }
std::string Utf8(const std::wstring& wide) { return platform::WideToUtf8(wide); }

LabelLook TextLook(bool wrap = false) {
  LabelLook look;
  look.font = FormFont(kFontPx);
  look.wrap = wrap;
  return look;
}

// The memo's first row as the memo shows it, wrapped at its width.
class MemoFirstRow : public MemoRows {
 public:
  explicit MemoFirstRow(HWND memo) : memo_(memo) {}
  std::string FirstRow() const override {
    LRESULT start = ::SendMessageW(memo_, EM_LINEINDEX, 0, 0);
    LRESULT length = ::SendMessageW(memo_, EM_LINELENGTH, start, 0);
    std::vector<wchar_t> row(static_cast<size_t>(length) + 2, L'\0');
    *reinterpret_cast<WORD*>(row.data()) = static_cast<WORD>(row.size());
    LRESULT copied = ::SendMessageW(memo_, EM_GETLINE, 0, reinterpret_cast<LPARAM>(row.data()));
    return Utf8(std::wstring(row.data(), static_cast<size_t>(copied)));
  }

 private:
  HWND memo_;
};

}  // namespace

bool TFrm_SetSub::Create(HWND owner) {
  owner_ = owner;
  platform::win32::WindowDescription spec;
  spec.className = kClassName;
  spec.caption = L"Quillpad カスタマイズ";
  spec.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  spec.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  spec.bounds = {kScreenPosition.x, kScreenPosition.y, kScreenPosition.x + kWindowWidth,
                 kScreenPosition.y + ::GetSystemMetrics(SM_CYCAPTION) + kHeightBelowCaption};
  spec.owner = owner;
  spec.background = SolidBrush(kMoneyGreen);
  return CreateNativeWindow(spec);
}

LRESULT TFrm_SetSub::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CLOSE:
      SBtn_CanselClick();  // the close box acts as "キャンセル"
      return 0;
    case WM_NCDESTROY:
      open_ = false;
      break;
  }
  return Default(message, wParam, lParam);
}

LRESULT CALLBACK TFrm_SetSub::KeyBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR selfPointer) {
  auto* self = reinterpret_cast<TFrm_SetSub*>(selfPointer);
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DLGC_WANTCHARS;  // Tab and Enter are keys to capture too
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      try {
        if (id == ids::Edit_keyIn) self->Edit_keyInKeyDown(static_cast<int>(wParam));
        if (id == ids::Edit_keyIn2Key) self->Edit_keyIn2KeyKeyDown(static_cast<int>(wParam));
      } catch (...) {
      }
      break;
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(box, KeyBoxProc, id);
      break;
  }
  return ::DefSubclassProc(box, message, wParam, lParam);
}

void TFrm_SetSub::CreateControls() {
  HWND w = Handle();
  HFONT font = FormFont(kFontPx);
  for (int kind = 0; kind < 5; ++kind) pages_[kind] = CreatePage(static_cast<ItemKind>(kind));

  // The name strip lies over the upper part of whichever page is shown.
  HWND strip = CreatePanel(w, ids::NamePanel, 12, 28, 273, 37, kMoneyGreen, true);
  CreateLabel(strip, ids::NameLabel, L"名称：", 4, 11, 32, 14, TextLook());
  CreateChild(strip, ids::Edit_Name, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, 36, 8, 229, 20, font,
              WS_EX_CLIENTEDGE);
  ::SetWindowPos(strip, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

  CreateFlatButton(w, ids::SBtn_Cansel, L"キャンセル", 88, 168, 101, 25, font);
  CreateFlatButton(w, ids::SBtn_Set, L"登録", 192, 168, 101, 25, font);
}

HWND TFrm_SetSub::CreatePage(ItemKind kind) {
  HFONT font = FormFont(kFontPx);
  const int index = static_cast<int>(kind);
  HWND page = CreatePanel(Handle(), ids::Panel_Moji + index, kPageLeft, kPageTop, kPageWidth,
                          kPageHeight, kMoneyGreen, true);
  ::ShowWindow(page, SW_HIDE);
  LabelLook title;
  title.back = kTeal;
  title.text = kWhite;
  title.centreVertically = true;
  title.font = font;
  CreateLabel(page, ids::PageTitle + index, Wide(PageOf(kind).title), 0, 0, kPageWidth, 16, title);

  switch (kind) {
    case ItemKind::FixedText:
      CreateLabel(page, ids::MojiLabel, L"投入したい文を入力してください。", 8, 86, 273, 14, TextLook());
      CreateChild(page, ids::Memo, L"EDIT", L"",
                  WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 8, 100,
                  273, 53, font, WS_EX_CLIENTEDGE);
      break;
    case ItemKind::ShortcutKey: {
      CreateLabel(page, ids::SKeyLabel, L"下のボックスにキーを入力してください", 8, 68, 273, 14,
                  TextLook());
      const struct {
        int id;
        const wchar_t* text;
        int left;
      } boxes[] = {{ids::CheckBox_Shift, L"Shift", 8}, {ids::CheckBox_Alt, L"Alt", 60},
                   {ids::CheckBox_Ctrl, L"Ctrl", 112}};
      for (const auto& box : boxes)
        CreateChild(page, box.id, L"BUTTON", box.text, WS_TABSTOP | BS_AUTOCHECKBOX, box.left, 88, 50,
                    16, font);
      HWND keyIn = CreateChild(page, ids::Edit_keyIn, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, 8,
                               108, 149, 20, font, WS_EX_CLIENTEDGE);
      CreateLabel(page, ids::PlusLabel, L"＋", 168, 110, 16, 16, TextLook());
      HWND keyIn2 = CreateChild(page, ids::Edit_keyIn2Key, L"EDIT", L"",
                                WS_TABSTOP | ES_AUTOHSCROLL, 192, 108, 77, 20, font, WS_EX_CLIENTEDGE);
      ::SetWindowSubclass(keyIn, KeyBoxProc, ids::Edit_keyIn, reinterpret_cast<DWORD_PTR>(this));
      ::SetWindowSubclass(keyIn2, KeyBoxProc, ids::Edit_keyIn2Key, reinterpret_cast<DWORD_PTR>(this));
      LabelLook keys = TextLook();
      keys.text = RGB(0x00, 0x00, 0x80);
      CreateLabel(page, ids::Label_Skey, L"", 8, 136, 182, 14, keys);
      CreateFlatButton(page, ids::SBtn_SKeyClear, L"クリア", 192, 132, 81, 21, font);
      break;
    }
    case ItemKind::ProgramLaunch:
      CreateLabel(page, ids::AppLabel, L"アプリケーションを選択してください（パス付きで指定）", 8, 88,
                  277, 14, TextLook());
      CreateChild(page, ids::Edit_AppName, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, 8, 104, 269, 20,
                  font, WS_EX_CLIENTEDGE);
      CreateFlatButton(page, ids::SBtn_CmnDlg, L"・・・", 232, 128, 45, 21, font);
      break;
    case ItemKind::WindowOperation: {
      CreateLabel(page, ids::OpeLabel, L"下のボタンの何れかを選択してください", 4, 62, 281, 14,
                  TextLook());
      for (const WindowOperationChoice& choice : WindowOperations())
        CreateFlatButton(page, ids::SBtn_Ws + choice.tag - 1, Wide(choice.defaultName),
                         4 + 40 * (choice.tag - 1), 76, 37, 37, font);
      LabelLook display = TextLook();
      display.back = kWhite;
      CreateLabel(page, ids::Label_Ope, L"", 8, 132, 273, 14, display);
      break;
    }
    case ItemKind::WebPage:
      CreateLabel(page, ids::INetLabel,
                  L"ブラウザで登録したいホームページを表示して、下記のボタンを押してください。", 8,
                  64, 273, 29, TextLook(true));
      CreateLabel(page, ids::INetNote, L"(Internet Explorerのみ対応）", 4, 100, 146, 14, TextLook());
      CreateFlatButton(page, ids::SBtn_UrlGet, L"URLを取得する", 152, 96, 125, 21, font);
      CreateLabel(page, ids::UrlLabel, L"登録するURL", 8, 122, 200, 14, TextLook());
      CreateChild(page, ids::Edit_Url, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, 4, 136, 277, 20, font,
                  WS_EX_CLIENTEDGE);
      break;
  }
  return page;
}

std::string TFrm_SetSub::ShowModal(const ItemHandOver& handOver) {
  if (Handle() == nullptr || open_) return {};
  handOver_ = handOver;
  FormShow();
  open_ = true;
  ::EnableWindow(owner_, FALSE);
  ::ShowWindow(Handle(), SW_SHOW);
  ::SetForegroundWindow(Handle());
  MSG message;
  while (open_) {
    BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      ::PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 0);
      break;
    }
    if (!::IsDialogMessageW(Handle(), &message)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
  }
  open_ = false;
  ::EnableWindow(owner_, TRUE);
  if (Handle()) ::ShowWindow(Handle(), SW_HIDE);
  ::SetForegroundWindow(owner_);
  return std::move(result_);
}

void TFrm_SetSub::FormShow() {
  for (HWND page : pages_) {
    ::ShowWindow(page, SW_HIDE);
    ::SetWindowPos(page, nullptr, kPageLeft, kPageTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
  ::SetWindowPos(Handle(), nullptr, 0, 0, kWindowWidth,
                 ::GetSystemMetrics(SM_CYCAPTION) + kHeightBelowCaption, SWP_NOMOVE | SWP_NOZORDER);
  ::SetWindowPos(Control(ids::NamePanel), HWND_TOP, 12, 28, 0, 0, SWP_NOSIZE);

  form_ = OpenItemForm(handOver_);
  result_.clear();
  ::SetWindowTextW(Control(ids::Edit_Name), Wide(form_.name).c_str());
  ::SetWindowTextW(Control(ids::Memo), Wide(form_.memo).c_str());
  ::SetWindowTextW(Control(ids::Edit_AppName), Wide(form_.program).c_str());
  ::SetWindowTextW(Control(ids::Edit_Url), Wide(form_.url).c_str());
  ::SetWindowTextW(Control(ids::Label_Ope), L"");
  for (int id : {ids::CheckBox_Shift, ids::CheckBox_Alt, ids::CheckBox_Ctrl})
    ::SendMessageW(Control(id), BM_SETCHECK, BST_UNCHECKED, 0);
  ::SetWindowTextW(Control(ids::Edit_keyIn), L"");
  ShowKeys();
  for (int tag = 1; tag <= 7; ++tag) ::InvalidateRect(Control(ids::SBtn_Ws + tag - 1), nullptr, FALSE);

  HWND page = pages_[static_cast<int>(form_.kind)];
  ::ShowWindow(page, SW_SHOW);
  switch (form_.kind) {
    case ItemKind::FixedText: ::SetFocus(Control(ids::Memo)); break;
    case ItemKind::WindowOperation: ::SetFocus(Control(ids::SBtn_Ws)); break;
    default: ::SetFocus(Control(ids::Edit_Name)); break;
  }
}

void TFrm_SetSub::OnCommand(int id, int notification) {
  if (id >= ids::SBtn_Ws && id < ids::SBtn_Ws + 7) return SBtn_WsClick(id - ids::SBtn_Ws + 1);
  switch (id) {
    case ids::SBtn_Set: return SBtn_SetClick();
    case ids::SBtn_Cansel:
    case IDCANCEL: return SBtn_CanselClick();
    case ids::SBtn_SKeyClear: return SBtn_SKeyClearClick();
    case ids::SBtn_CmnDlg: return SBtn_CmnDlgClick();
    case ids::SBtn_UrlGet: return SBtn_UrlGetClick();
    case ids::Edit_Name:
      if (notification == EN_SETFOCUS) Edit_NameEnter();
      return;
  }
}

void TFrm_SetSub::ReadBoxes() {
  form_.name = Utf8(WindowTextOf(Control(ids::Edit_Name)));
  form_.memo = Utf8(WindowTextOf(Control(ids::Memo)));
  form_.program = Utf8(WindowTextOf(Control(ids::Edit_AppName)));
  form_.url = Utf8(WindowTextOf(Control(ids::Edit_Url)));
}

void TFrm_SetSub::SBtn_SetClick() {
  ReadBoxes();
  const std::string nameBefore = form_.name;
  RegisterResult result = Register(form_, MemoFirstRow(Control(ids::Memo)));
  if (form_.name != nameBefore) ::SetWindowTextW(Control(ids::Edit_Name), Wide(form_.name).c_str());
  if (!result.ok()) {
    Tell(result.refusal);
    ::SetForegroundWindow(Handle());  // back to the dialog, whatever the box left active
    return;
  }
  Close(std::move(result.record));
}

void TFrm_SetSub::SBtn_CanselClick() { Close({}); }

void TFrm_SetSub::Close(std::string result) {
  result_ = std::move(result);
  open_ = false;
}

void TFrm_SetSub::Edit_keyInKeyDown(int virtualKey) {
  auto down = [](int key) { return (::GetKeyState(key) & 0x8000) != 0; };
  auto ticked = [this](int id) {
    return ::SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  };
  form_.keys.MainKeyDown(virtualKey, Modifiers{down(VK_SHIFT), down(VK_MENU), down(VK_CONTROL)},
                         Modifiers{ticked(ids::CheckBox_Shift), ticked(ids::CheckBox_Alt),
                                   ticked(ids::CheckBox_Ctrl)});
  ShowKeys();
}

void TFrm_SetSub::Edit_keyIn2KeyKeyDown(int virtualKey) {
  form_.keys.SecondKeyDown(virtualKey);
  ShowKeys();
}

void TFrm_SetSub::SBtn_SKeyClearClick() {
  form_.keys.Clear();
  ::SetWindowTextW(Control(ids::Edit_keyIn), L"");
  for (int id : {ids::CheckBox_Shift, ids::CheckBox_Alt, ids::CheckBox_Ctrl})
    ::SendMessageW(Control(id), BM_SETCHECK, BST_UNCHECKED, 0);
  ShowKeys();
}

void TFrm_SetSub::ShowKeys() {
  ::SetWindowTextW(Control(ids::Label_Skey), Wide(form_.keys.Display()).c_str());
  HWND second = Control(ids::Edit_keyIn2Key);
  const bool enabled = form_.keys.SecondBoxEnabled();
  if (enabled) ::SetWindowTextW(second, L"");
  if (!enabled && ::GetFocus() == second) ::SetFocus(Control(ids::SBtn_SKeyClear));
  ::EnableWindow(second, enabled);
}

void TFrm_SetSub::SBtn_CmnDlgClick() {
  std::wstring folder = platform::ProgramFolder().wstring();
  std::vector<wchar_t> file(32768, L'\0');
  static const wchar_t kFilter[] = L"実行ファイル\0*.exe\0全てのファイル\0*.*\0";
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Handle();
  dialog.lpstrFilter = kFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = folder.c_str();
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                 OFN_EXPLORER;
  std::wstring chosen = ::GetOpenFileNameW(&dialog) ? std::wstring(file.data()) : std::wstring();
  ::SetForegroundWindow(Handle());
  ::SetWindowTextW(Control(ids::Edit_AppName), chosen.c_str());
}

void TFrm_SetSub::SBtn_UrlGetClick() {
  HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
  CaptureResult capture = CaptureBrowserPage();
  ::SetCursor(previous);
  if (!capture.page) {
    Tell(CaptureFailureMessage(capture.failure));
    ::SetForegroundWindow(Handle());
    return;
  }
  ::SetWindowTextW(Control(ids::Edit_Url), platform::Cp932ToWide(capture.page->url).c_str());
  ::SetWindowTextW(Control(ids::Edit_Name), platform::Cp932ToWide(capture.page->title).c_str());
}

void TFrm_SetSub::SBtn_WsClick(int tag) {
  form_.name = Utf8(WindowTextOf(Control(ids::Edit_Name)));
  ChooseWindowOperation(form_, tag);
  ::SetWindowTextW(Control(ids::Label_Ope), Wide(form_.operationDisplay).c_str());
  ::SetWindowTextW(Control(ids::Edit_Name), Wide(form_.name).c_str());
  for (int t = 1; t <= 7; ++t) ::InvalidateRect(Control(ids::SBtn_Ws + t - 1), nullptr, FALSE);
}

void TFrm_SetSub::Edit_NameEnter() {
  // Names are mostly Japanese: switch the input method on for them.
  HWND name = Control(ids::Edit_Name);
  HIMC context = ::ImmGetContext(name);
  if (context == nullptr) return;
  ::ImmSetOpenStatus(context, TRUE);
  ::ImmReleaseContext(name, context);
}

void TFrm_SetSub::DrawButton(const DRAWITEMSTRUCT& item) {
  const int id = static_cast<int>(item.CtlID);
  if (id >= ids::SBtn_Ws && id < ids::SBtn_Ws + 7) {
    int tag = id - ids::SBtn_Ws + 1;
    return DrawFlatButton(item, art::WindowOperationArt(tag), tag == form_.operation);
  }
  DrawFlatButton(item, nullptr, false);
}

HWND TFrm_SetSub::Control(int id) const { return ControlById(Handle(), id); }

}  // namespace qpad::editor
