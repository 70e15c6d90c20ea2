#pragma once
// TFrm_SetSub, the modal item editor: one page per item kind, the name
// strip, "キャンセル" and "登録". It hands back the finished ItemRecord, or
// an empty text when nothing is to change.

#include <windows.h>

#include <array>
#include <string>

#include "platform/win32/window.h"
#include "settings_editor/item_form.h"

namespace qpad::editor {

class TFrm_SetSub : public platform::win32::Window {
 public:
  static constexpr const wchar_t* kClassName = L"TFrm_SetSub";

  // Created once, hidden, owned by the settings window.
  bool Create(HWND owner);

  // Opens the dialog for the handed-over item and waits until it closes.
  std::string ShowModal(const ItemHandOver& handOver);

 private:
  static LRESULT CALLBACK KeyBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void CreateControls();
  HWND CreatePage(ItemKind kind);

  void FormShow();
  void OnCommand(int id, int notification);
  void SBtn_SetClick();
  void SBtn_CanselClick();
  void Edit_keyInKeyDown(int virtualKey);
  void Edit_keyIn2KeyKeyDown(int virtualKey);
  void SBtn_SKeyClearClick();
  void SBtn_CmnDlgClick();
  void SBtn_UrlGetClick();
  void SBtn_WsClick(int tag);
  void Edit_NameEnter();

  void ReadBoxes();    // the typed texts into the form
  void ShowKeys();     // the key capture's state into the key boxes
  void Close(std::string result);
  void DrawButton(const DRAWITEMSTRUCT& item);
  HWND Control(int id) const;

  HWND owner_ = nullptr;
  std::array<HWND, 5> pages_{};
  ItemHandOver handOver_;
  ItemForm form_;
  std::string result_;
  bool open_ = false;
};

}  // namespace qpad::editor
