#pragma once
// TFrm_Set, the settings editor's main window: the item lists of the five
// editable categories on the left, the timing page on the right (shown when
// the window is widened), and the end of the run that writes every file and
// asks the resident program to reload.

#include <windows.h>

#include <array>
#include <string>

#include "platform/win32/hook_shared_block.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window.h"
#include "settings_editor/item_list.h"
#include "settings_editor/timing_bars.h"
#include "settings_editor/window_width.h"
#include "shared/data_folder.h"
#include "shared/menu_table.h"
#include "shared/settings_record.h"

namespace qpad::editor {

class TFrm_SetSub;

class TFrm_Set : public platform::win32::Window {
 public:
  static constexpr const wchar_t* kClassName = L"TFrm_Set";

  TFrm_Set(DataFolder data, TFrm_SetSub& itemEditor);
  // Creates the window and loads the data (FormCreate). False when the run
  // cannot go on (no settings file); the window is then gone and nothing
  // has been written.
  bool Create();
  void Show();  // FormShow, then the window appears

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  bool FormCreate();
  void FormShow();
  void FormDestroy();
  void CreateControls();
  void CreateTimingPanel(int index);

  void OnCommand(int id, int notification);
  void SelectCategory(int menu);  // SpeedButton1Click, SpeedButton3Click .. SpeedButton6Click
  void SBtn_ListAddClick();
  void SBtn_ItemEditClick();
  void SBtn_ItemDelClick();
  void SBtn_UpDnClick(MoveDirection direction);
  void ComboBox1Change();
  void TBar_Change(int index);  // the eight track bars' OnChange
  void SBtn_KakutyouClick();
  void SBtn_Kakutyou2Click();
  void SBtn_EndClick();

  void RefillItemList();
  void ApplyWidth(const WidthMode& mode);
  void DrawButton(const DRAWITEMSTRUCT& item);
  Menu* CurrentMenu();
  int SelectedRow() const;
  HWND Control(int id) const;

  DataFolder data_;
  TFrm_SetSub& itemEditor_;
  SettingsRecord settings_;
  MenuNames names_;
  MenuTable table_;
  bool loaded_ = false;  // the files were read, so the end of the run writes them
  // The resident program's shared block, when it runs: the window and the
  // message that the reload request goes to.
  platform::win32::HookSharedBlock residentLink_;
  HWND hookWindow_ = nullptr;
  UINT hookMessage_ = 0;

  int currentMenu_ = 0;  // 0: no category can be edited
  std::array<HWND, kTimingBarCount> bars_{};
  std::array<HWND, kTimingBarCount> panels_{};
  platform::win32::UniqueGdiObject<HBITMAP> picture_;
};

}  // namespace qpad::editor
