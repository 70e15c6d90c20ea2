#pragma once
// TFrm_SetSub, the modal item editor: one page per item kind, the name
// strip, "キャンセル" and "登録". It hands back the finished ItemRecord, or
// an empty text when nothing is to change.

#include <windows.h>

#include <array>
#include <string>

#include "settings_editor/item_form.h"

namespace qpad::editor {

class TFrm_SetSub {
 public:
  static constexpr const wchar_t* kClassName = L"TFrm_SetSub";

  TFrm_SetSub() = default;
  TFrm_SetSub(const TFrm_SetSub&) = delete;
  TFrm_SetSub& operator=(const TFrm_SetSub&) = delete;

  static void RegisterWindowClass(HINSTANCE instance);

  // Created once, hidden, owned by the settings window.
  bool Create(HWND owner);

  // Opens the dialog for the handed-over item and waits until it closes.
  std::string ShowModal(const ItemHandOver& handOver);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK KeyBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
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

  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  std::array<HWND, 5> pages_{};
  ItemHandOver handOver_;
  ItemForm form_;
  std::string result_;
  bool open_ = false;
};

}  // namespace qpad::editor
