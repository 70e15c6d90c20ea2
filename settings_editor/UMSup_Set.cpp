#include "settings_editor/UMSup_Set.h"

#include <commctrl.h>

#include "platform/text_codec.h"
#include "hook/hook_protocol.h"
#include "platform/win32/message_pump.h"
#include "settings_editor/UMSup_SetSub.h"
#include "settings_editor/categories.h"
#include "settings_editor/display_cases.h"
#include "settings_editor/form_ids.h"
#include "settings_editor/win32/button_art.h"
#include "settings_editor/win32/form_kit.h"
#include "shared/menu_files.h"
#include "shared/settings_file.h"

namespace qpad::editor {
namespace {

using namespace win32;
using platform::win32::ProcessPendingMessages;

constexpr int kClientHeight = 474;
constexpr POINT kScreenPosition{180, 123};
constexpr int kListRowHeight = 15;
constexpr int kFormFontPx = 15;
constexpr int kCaptionFontPx = 13;

// The selector buttons in the order of the category table.
struct SelectorButton {
  int id;
  ButtonArt art;
  const wchar_t* hint;
};
const SelectorButton kSelectors[kCategoryCount] = {
    {ids::SpeedButton1, art::FixedText, L"定型文字"},
    {ids::SpeedButton3, art::ShortcutKey, L"ショートカット"},
    {ids::SpeedButton4, art::Launcher, L"ランチャー"},
    {ids::SpeedButton5, art::WindowOperation, L"ウィンドウ操作"},
    {ids::SpeedButton6, art::Browser, L"ブラウザ操作"},
};

// The other picture buttons of the window.
struct PictureButton {
  int id;
  ButtonArt art;
};
const PictureButton kPictureButtons[] = {
    {ids::SBtn_Up, art::ArrowUp},
    {ids::SBtn_Dn, art::ArrowDown},
    {ids::SBtn_Kakutyou, art::Widen},
    {ids::SBtn_Kakutyou2, art::Narrow},
};

LabelLook TitleStripLook() {
  LabelLook look;
  look.back = kTeal;
  look.text = kWhite;
  look.centreVertically = true;
  look.font = FormFont(kCaptionFontPx);
  return look;
}

LabelLook PlainLook(int fontPx, bool bold = false, bool underline = false) {
  LabelLook look;
  look.font = FormFont(fontPx, bold, underline);
  return look;
}

LabelLook WhiteBoxLook(Align align) {
  LabelLook look;
  look.back = kWhite;
  look.align = align;
  look.centreVertically = true;
  look.font = FormFont(kCaptionFontPx);
  return look;
}

std::wstring Wide(const char* utf8) { return platform::Utf8ToWide(utf8); }

void ShowStatus(const Status& status) {
  if (!status.ok()) Tell(status.message);
}

}  // namespace

TFrm_Set::TFrm_Set(DataFolder data, TFrm_SetSub& itemEditor)
    : data_(std::move(data)), itemEditor_(itemEditor) {}

bool TFrm_Set::Create() {
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;
  RECT frame{0, 0, kWide.windowWidth, kClientHeight};
  ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  platform::win32::WindowDescription spec;
  spec.className = kClassName;
  spec.caption = L"Quillpad カスタマイズ";
  spec.style = style;
  spec.exStyle = exStyle;
  spec.bounds = {kScreenPosition.x, kScreenPosition.y, kScreenPosition.x + kNarrow.windowWidth,
                 kScreenPosition.y + frame.bottom - frame.top};
  spec.background = SolidBrush(kMoneyGreen);
  if (!CreateNativeWindow(spec)) return false;
  if (!FormCreate()) {
    ::DestroyWindow(Handle());
    return false;
  }
  return true;
}

void TFrm_Set::Show() {
  FormShow();
  ::ShowWindow(Handle(), SW_SHOW);
  ::SetForegroundWindow(Handle());
}

LRESULT TFrm_Set::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_HSCROLL:
      for (int i = 0; i < kTimingBarCount; ++i)
        if (reinterpret_cast<HWND>(lParam) == bars_[i]) TBar_Change(i);
      return 0;
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CLOSE:
      return 0;  // the run ends through "終了" only
    case WM_DESTROY:
      FormDestroy();
      ::PostQuitMessage(0);
      return 0;
  }
  return Default(message, wParam, lParam);
}

bool TFrm_Set::FormCreate() {
  CreateControls();
  // Linked only when the resident program runs; its absence is no fault.
  if (residentLink_.OpenExisting()) {
    hookWindow_ = residentLink_.Window();
    hookMessage_ = residentLink_.Message();
  }

  LoadSettingsResult settings = LoadSettings(data_, settings_, names_, table_);
  if (!settings.found) {
    std::string problem = settings.readError.empty()
                              ? "設定ファイル「Qpad.ini」が見つかりません。\n"
                                "Qpad.exe と同じフォルダーにある\n"
                                "Qpad_Set.exe を起動してください。"
                              : "設定ファイル「Qpad.ini」を読み込めません。\n" + settings.readError;
    Tell(problem + "\n何も保存せずに終了します。");
    return false;
  }
  if (!settings.conversionError.empty()) {
    Tell(settings.conversionError +
         "\n\n設定ファイル「Qpad.ini」を読み込めないため、何も保存せずに終了します。");
    return false;
  }
  loaded_ = true;
  LoadMenusResult menus = LoadMenus(data_, BlankLines::Drop, table_, ProcessPendingMessages);
  if (!menus.ok) Tell(menus.message);

  ::DeleteMenu(::GetSystemMenu(Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND);
  ::DrawMenuBar(Handle());
  return true;
}

void TFrm_Set::CreateControls() {
  HWND w = Handle();
  HFONT font = FormFont(kFormFontPx);

  // Left half: menu item editing.
  CreateLabel(w, ids::Label7, L"　メニュー項目編集", 1, 0, 340, 17, TitleStripLook());
  for (int i = 0; i < kCategoryCount; ++i) {
    HWND button = CreateFlatButton(w, kSelectors[i].id, kSelectors[i].hint, 48 + 36 * i, 24, 32, 32, font);
    ::EnableWindow(button, FALSE);  // until the menus are known to be there
  }
  CreateLabel(w, ids::Label15, L"項目リスト", 4, 60, 69, 20, PlainLook(kFormFontPx, true, true));
  CreateLabel(w, ids::Label2, L"", 80, 60, 253, 20, PlainLook(kFormFontPx, true, true));
  HWND list = CreateChild(w, ids::ListBox_ItemList, L"LISTBOX", L"",
                          WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 44, 80, 289,
                          297, font, WS_EX_CLIENTEDGE);
  ::SendMessageW(list, LB_SETITEMHEIGHT, 0, kListRowHeight);
  CreateFlatButton(w, ids::SBtn_Up, L"", 4, 84, 37, 24, font);
  CreateFlatButton(w, ids::SBtn_Dn, L"", 4, 108, 37, 24, font);
  CreateLabel(w, ids::Label1, L"入替", 8, 136, 33, 17, PlainLook(kCaptionFontPx));
  CreateFlatButton(w, ids::SpeedButton2, L"項目追加", 44, 384, 81, 38, font);
  CreateFlatButton(w, ids::SBtn_ItemEdit, L"選択項目編集", 128, 384, 97, 38, font);
  CreateFlatButton(w, ids::SBtn_ItemDel, L"選択項目削除", 228, 384, 97, 38, font);
  LabelLook rule;
  rule.back = kGrey;
  CreateLabel(w, ids::Label6, L"", 12, 429, 625, 4, rule);
  LabelLook expand = PlainLook(kCaptionFontPx);
  expand.centreVertically = true;
  CreateLabel(w, ids::Label22, L"拡張→", 16, 436, 46, 29, expand);
  CreateFlatButton(w, ids::SBtn_Kakutyou, L"", 64, 436, 37, 29, font);
  CreateFlatButton(w, ids::SBtn_End, L"終了", kEndButtonDesignLeft, 436, 93, 29, font);

  // Right half: the timing page.
  CreateLabel(w, ids::Label8, L"　タイミング設定（詳細はマニュアル参照）", 348, 0, 289, 17,
              TitleStripLook());
  HWND combo = CreateChild(w, ids::ComboBox1, L"COMBOBOX", L"",
                           WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 348, 16, 289, 200,
                           FormFont(kCaptionFontPx));
  for (const DisplayCase& displayCase : DisplayCases())
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(displayCase.text).c_str()));
  LabelLook white;
  white.back = kWhite;
  CreateLabel(w, ids::Label3, L"", 348, 44, 289, 150, white);
  HWND image = CreateChild(w, ids::Image1, L"STATIC", L"", SS_BITMAP, 360, 44, 0, 0, nullptr);
  ::SetWindowPos(image, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  for (int i = 0; i < kTimingBarCount; ++i) CreateTimingPanel(i);
  CreateFlatButton(w, ids::SBtn_Kakutyou2, L"", 352, 436, 37, 29, font);
  CreateLabel(w, ids::Label24, L"←拡張閉じる", 393, 436, 90, 29, expand);
}

void TFrm_Set::CreateTimingPanel(int index) {
  const TimingBar& bar = TimingBars()[index];
  const bool oneLine = bar.oneLine;
  const int top = oneLine ? 396 : 200 + 48 * (index % 3);
  HWND panel = CreatePanel(Handle(), ids::TimingPanel + index, 352, top, 280, oneLine ? 29 : 45,
                           kMoneyGreen, true);
  panels_[index] = panel;
  LabelLook caption = PlainLook(kCaptionFontPx);
  caption.centreVertically = oneLine;
  HWND trackBar;
  if (oneLine) {
    CreateLabel(panel, ids::TimingCaption + index, Wide(bar.caption), 4, 2, 152, 25, caption);
    trackBar = CreateChild(panel, ids::TimingBar + index, TRACKBAR_CLASSW, L"",
                           WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS, 156, 2, 57, 25, nullptr);
    CreateLabel(panel, ids::TimingValue + index, L"", 215, 6, 30, 17, WhiteBoxLook(Align::Center));
    CreateLabel(panel, ids::TimingUnit + index, Wide(bar.unit), 247, 6, 28, 17,
                WhiteBoxLook(Align::Left));
  } else {
    CreateLabel(panel, ids::TimingCaption + index, Wide(bar.caption), 4, 2, 272, 16, caption);
    trackBar = CreateChild(panel, ids::TimingBar + index, TRACKBAR_CLASSW, L"",
                           WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS, 2, 18, 180, 25, nullptr);
    CreateLabel(panel, ids::TimingValue + index, L"", 186, 22, 37, 17, WhiteBoxLook(Align::Right));
    CreateLabel(panel, ids::TimingUnit + index, Wide(bar.unit), 225, 22, 34, 17,
                WhiteBoxLook(Align::Left));
  }
  ::SendMessageW(trackBar, TBM_SETRANGEMIN, FALSE, bar.min);
  ::SendMessageW(trackBar, TBM_SETRANGEMAX, FALSE, bar.max);
  ::SendMessageW(trackBar, TBM_SETLINESIZE, 0, bar.lineSize);
  ::SendMessageW(trackBar, TBM_SETPAGESIZE, 0, bar.pageSize);
  ::SendMessageW(trackBar, TBM_SETTICFREQ, bar.max - bar.min > 60 ? 10 : 5, 0);
  bars_[index] = trackBar;
}

void TFrm_Set::FormShow() {
  BarPositions positions = PositionsFromSettings(settings_);
  for (int i = 0; i < kTimingBarCount; ++i) {
    ::SendMessageW(bars_[i], TBM_SETPOS, TRUE, positions[i]);
    TBar_Change(i);
  }
  for (int i = 0; i < kCategoryCount; ++i)
    ::EnableWindow(Control(kSelectors[i].id), CategoryAvailable(table_, Categories()[i].menu));
  SelectCategory(FirstAvailableCategory(table_));
  ::SendMessageW(Control(ids::ComboBox1), CB_SETCURSEL, 0, 0);
  ComboBox1Change();
  ApplyWidth(kNarrow);
  // The first opening keeps "終了" where the design put it.
  ::SetWindowPos(Control(ids::SBtn_End), nullptr, kEndButtonDesignLeft, 436, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
}

void TFrm_Set::OnCommand(int id, int notification) {
  for (int i = 0; i < kCategoryCount; ++i)
    if (id == kSelectors[i].id) return SelectCategory(Categories()[i].menu);
  switch (id) {
    case ids::SpeedButton2: return SBtn_ListAddClick();
    case ids::SBtn_ItemEdit: return SBtn_ItemEditClick();
    case ids::SBtn_ItemDel: return SBtn_ItemDelClick();
    case ids::SBtn_Up: return SBtn_UpDnClick(MoveDirection::Up);
    case ids::SBtn_Dn: return SBtn_UpDnClick(MoveDirection::Down);
    case ids::SBtn_Kakutyou: return SBtn_KakutyouClick();
    case ids::SBtn_Kakutyou2: return SBtn_Kakutyou2Click();
    case ids::SBtn_End: return SBtn_EndClick();
    case ids::ComboBox1:
      if (notification == CBN_SELCHANGE) ComboBox1Change();
      return;
    case ids::ListBox_ItemList:
      if (notification == LBN_DBLCLK) SBtn_ItemEditClick();
      return;
  }
}

void TFrm_Set::SelectCategory(int menu) {
  const Category* category = CategoryOfMenu(menu);
  ::SetWindowTextW(Control(ids::Label2), category ? Wide(category->caption).c_str() : L"");
  const bool changed = menu != currentMenu_;
  currentMenu_ = menu;
  const bool editable = category != nullptr;
  for (int id : {ids::SpeedButton2, ids::SBtn_ItemEdit, ids::SBtn_ItemDel, ids::SBtn_Up, ids::SBtn_Dn})
    ::EnableWindow(Control(id), editable);
  for (const SelectorButton& selector : kSelectors)
    ::InvalidateRect(Control(selector.id), nullptr, FALSE);
  if (changed) RefillItemList();
}

Menu* TFrm_Set::CurrentMenu() {
  if (!CategoryAvailable(table_, currentMenu_)) return nullptr;
  return &table_[currentMenu_];
}

int TFrm_Set::SelectedRow() const {
  LRESULT row = ::SendMessageW(Control(ids::ListBox_ItemList), LB_GETCURSEL, 0, 0);
  return row == LB_ERR ? -1 : static_cast<int>(row);
}

void TFrm_Set::RefillItemList() {
  HWND list = Control(ids::ListBox_ItemList);
  ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  if (Menu* menu = CurrentMenu())
    for (const std::string& row : ItemRows(*menu))
      ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::Cp932ToWide(row).c_str()));
  ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
}

void TFrm_Set::SBtn_ListAddClick() {
  Menu* menu = CurrentMenu();
  if (menu == nullptr) return;
  std::string record = itemEditor_.ShowModal(ItemHandOver{CategoryOfMenu(currentMenu_)->kind, false, {}, {}});
  if (record.empty()) return;
  std::wstring row = platform::Cp932ToWide(ExtractDisplayName(record));
  AppendItem(*menu, std::move(record));
  ::SendMessageW(Control(ids::ListBox_ItemList), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
}

void TFrm_Set::SBtn_ItemEditClick() {
  Menu* menu = CurrentMenu();
  int row = SelectedRow();
  if (menu == nullptr || row < 0 || row >= menu->ItemCount()) return;
  const std::string& current = menu->elements[static_cast<size_t>(row) + 1];
  std::string record = itemEditor_.ShowModal(
      ItemHandOver{CategoryOfMenu(currentMenu_)->kind, true, ExtractDisplayName(current), current});
  if (record.empty()) return;
  std::wstring text = platform::Cp932ToWide(ExtractDisplayName(record));
  ReplaceItem(*menu, row, std::move(record));
  HWND list = Control(ids::ListBox_ItemList);
  ::SendMessageW(list, LB_DELETESTRING, row, 0);
  ::SendMessageW(list, LB_INSERTSTRING, row, reinterpret_cast<LPARAM>(text.c_str()));
  ::SendMessageW(list, LB_SETCURSEL, row, 0);
}

void TFrm_Set::SBtn_ItemDelClick() {
  Menu* menu = CurrentMenu();
  if (menu != nullptr && DeleteItem(*menu, SelectedRow())) RefillItemList();
}

void TFrm_Set::SBtn_UpDnClick(MoveDirection direction) {
  Menu* menu = CurrentMenu();
  if (menu != nullptr && MoveItem(*menu, SelectedRow(), direction)) RefillItemList();
}

void TFrm_Set::ComboBox1Change() {
  int displayCase = static_cast<int>(::SendMessageW(Control(ids::ComboBox1), CB_GETCURSEL, 0, 0));
  // The picture first; a missing or unreadable one leaves the box blank.
  picture_.Reset();
  if (displayCase >= 0 && displayCase < kDisplayCaseCount) {
    std::wstring path = (platform::ProgramFolder() / Wide(DisplayCases()[displayCase].picture)).wstring();
    picture_.Reset(static_cast<HBITMAP>(
        ::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
  }
  HWND image = Control(ids::Image1);
  ::SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.Get()));
  BITMAP size{};
  if (picture_) ::GetObjectW(picture_.Get(), sizeof size, &size);
  ::SetWindowPos(image, HWND_TOP, 0, 0, size.bmWidth, size.bmHeight, SWP_NOMOVE);
  ::InvalidateRect(Control(ids::Label3), nullptr, TRUE);
  ::InvalidateRect(image, nullptr, TRUE);

  PanelTops tops = PanelTopsFor(displayCase);
  for (int i = 0; i < kTimingBarCount; ++i) {
    if (tops[i]) {
      ::SetWindowPos(panels_[i], nullptr, 352, *tops[i], 0, 0, SWP_NOSIZE | SWP_NOZORDER);
      ::ShowWindow(panels_[i], SW_SHOW);
    } else {
      ::ShowWindow(panels_[i], SW_HIDE);
    }
  }
}

void TFrm_Set::TBar_Change(int index) {
  int position = static_cast<int>(::SendMessageW(bars_[index], TBM_GETPOS, 0, 0));
  ::SetWindowTextW(ControlById(panels_[index], ids::TimingValue + index),
                   Wide(ValueLabelText(position).c_str()).c_str());
}

void TFrm_Set::SBtn_KakutyouClick() { ApplyWidth(kWide); }

void TFrm_Set::SBtn_Kakutyou2Click() { ApplyWidth(kNarrow); }

void TFrm_Set::ApplyWidth(const WidthMode& mode) {
  RECT frame;
  ::GetWindowRect(Handle(), &frame);
  ::SetWindowPos(Handle(), nullptr, 0, 0, mode.windowWidth, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::SetWindowPos(Control(ids::SBtn_End), nullptr, mode.endButtonLeft, 436, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
  HWND expand = Control(ids::SBtn_Kakutyou);
  if (!mode.expandButtonVisible && ::GetFocus() == expand) ::SetFocus(Control(ids::SBtn_End));
  // The label goes with its button, so that no caption points at nothing.
  for (HWND control : {expand, Control(ids::Label22)})
    ::ShowWindow(control, mode.expandButtonVisible ? SW_SHOW : SW_HIDE);
}

void TFrm_Set::SBtn_EndClick() {
  BarPositions positions{};
  for (int i = 0; i < kTimingBarCount; ++i)
    positions[i] = static_cast<int32_t>(::SendMessageW(bars_[i], TBM_GETPOS, 0, 0));
  StorePositions(positions, settings_);
  ::DestroyWindow(Handle());
}

void TFrm_Set::FormDestroy() {
  if (loaded_) {
    ShowStatus(SaveEditorSettings(data_, settings_, names_));
    ShowStatus(SaveAllMenus(data_, table_, ProcessPendingMessages));
    ProcessPendingMessages();
    if (residentLink_.IsOpen()) {
      ::PostMessageW(hookWindow_, hookMessage_, hook::kCodeReload, 0);
      ProcessPendingMessages();
    }
  }
  residentLink_.Close();
}

void TFrm_Set::DrawButton(const DRAWITEMSTRUCT& item) {
  const int id = static_cast<int>(item.CtlID);
  for (int i = 0; i < kCategoryCount; ++i)
    if (id == kSelectors[i].id)
      return DrawFlatButton(item, kSelectors[i].art, Categories()[i].menu == currentMenu_);
  for (const PictureButton& button : kPictureButtons)
    if (id == button.id) return DrawFlatButton(item, button.art, false);
  DrawFlatButton(item, nullptr, false);
}

HWND TFrm_Set::Control(int id) const { return ControlById(Handle(), id); }

}  // namespace qpad::editor
