#pragma once
// The base of the settings editor's end-to-end tests: starts Qpad_Set in the
// test's folder (with the "editor" data set: all seven menus, some shared
// names, a two-line text) and reaches its controls by their identifiers, as
// a user would, with taps and key presses.

#include <string>
#include <vector>

#include "settings_editor/form_ids.h"
#include "tests/e2e/qpad_e2e_test.h"

namespace qpad::e2e {

inline constexpr char kEditorDataSet[] = "editor";
namespace ids = editor::ids;

class EditorE2eTest : public QpadE2eTest {
 protected:
  void SetUp() override { UseDataSet(kEditorDataSet); }

  // Starts Qpad_Set and waits until its settings window is shown.
  ChildProcess& StartEditor();
  // Taps "終了" and waits until the editor has ended.
  void EndEditor(ChildProcess& editor);

  HWND MainForm() const;  // TFrm_Set of the editor
  HWND SubForm() const;      // TFrm_SetSub, shown or not
  bool ItemEditorOpen() const { return SubForm() && IsVisible(SubForm()); }

  // A control of a form (panels' controls included) by its identifier.
  static HWND Control(HWND form, int id);
  HWND Main(int id) const { return Control(MainForm(), id); }
  HWND Sub(int id) const { return Control(SubForm(), id); }

  void Tap(HWND control);  // at the middle of the control
  void TapMain(int id) { Tap(Main(id)); }
  void TapSub(int id) { Tap(Sub(id)); }
  static void SetText(HWND control, const std::string& utf8);

  // Opens the item editor with "項目追加" or "選択項目編集" and waits for it.
  void OpenItemEditor(int buttonId);
  // Taps "登録" and waits until the dialog has closed.
  void Register();

  // Category selection, list rows and selection.
  void SelectCategory(int buttonId);
  std::vector<std::string> ListRows() const;  // UTF-8
  void TapRow(int row);
  int SelectedRow() const;

  int BarPosition(int index) const;  // TimingBars() order
  std::string ValueLabel(int index) const;

  // A key press in the window that has the keyboard, with modifiers held.
  static void PressKey(WORD key, const std::vector<WORD>& held = {});
  // Characters typed into the window that has the keyboard.
  static void TypeText(const std::string& utf8);

  // A screenshot once both forms have painted everything they show.
  void PaintedScreenshot(const std::string& label);

  // The file's modification time set far back, to see that a run writes it.
  void Age(const std::string& utf8Name) const;
  bool WrittenSinceAged(const std::string& utf8Name) const;

  // While Qpad runs, its hook sees every tap on the editor as well and its
  // panel logic reacts to them; tests of the hand-over to Qpad then press
  // the editor's buttons and pick rows by their messages instead.
  ChildProcess& StartQpadBesideTheEditor();

  // The editor whose windows the helpers look at.
  void Watch(const ChildProcess& editor) {
    editorId_ = editor.Id();
    editorThread_ = editor.MainThreadId();
  }

 private:
  DWORD editorId_ = 0;
  DWORD editorThread_ = 0;
  bool byMessages_ = false;
};

}  // namespace qpad::e2e
