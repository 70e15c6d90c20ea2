#pragma once
// The item editor's contents and decisions, without the window: what the
// dialog shows when it opens, the window-operation choice, and "登録" with
// its checks in order, building the ItemRecord. Texts in the form are UTF-8
// as the boxes hold them; the handed-over and the built records are
// Shift-JIS bytes as the menu files hold them.

#include <array>
#include <string>

#include "settings_editor/key_capture.h"
#include "shared/item_record.h"

namespace qpad::editor {

// The page of each kind, with the text of its title strip (UTF-8).
struct ItemPage {
  ItemKind kind;
  const char* panel;
  const char* title;
};
const ItemPage& PageOf(ItemKind kind);

// The seven window operations; the tag is the record's body.
struct WindowOperationChoice {
  int tag;
  const char* button;
  const char* display;      // UTF-8, "選択内容：" + the operation
  const char* defaultName;  // UTF-8
};
const std::array<WindowOperationChoice, 7>& WindowOperations();

// What the settings window hands over before each opening.
struct ItemHandOver {
  ItemKind kind = ItemKind::FixedText;
  bool editing = false;
  std::string displayName;  // Shift-JIS, the row's text
  std::string record;       // Shift-JIS, the ItemRecord
};

struct ItemForm {
  ItemKind kind = ItemKind::FixedText;
  std::string name;
  std::string memo;  // lines separated by CR LF
  std::string program;
  std::string url;
  int operation = 0;  // 0: none chosen
  std::string operationDisplay;
  KeyCapture keys;
};

// Everything reset, then, for an existing item, the name and the field that
// is read back (the text, the program or the address; keys and operations
// are given anew).
ItemForm OpenItemForm(const ItemHandOver& handOver);

// A window-operation button: the number and the display follow the button;
// the default name goes into an empty name box only.
void ChooseWindowOperation(ItemForm& form, int tag);

// The memo's first displayed row: the memo wraps long lines at its width,
// which only the window can measure.
class MemoRows {
 public:
  virtual ~MemoRows() = default;
  virtual std::string FirstRow() const = 0;  // UTF-8
};

struct RegisterResult {
  std::string refusal;  // UTF-8 message; empty when the record was built
  std::string record;   // Shift-JIS ItemRecord when accepted
  bool ok() const { return refusal.empty(); }
};

// The checks of "登録" in order; the first that fails gives its message.
// An empty name takes the memo's first row on the way (the form's name
// changes even when a later check refuses). Then every text must have a
// Shift-JIS form; a character without one is refused rather than stored as
// '?'.
RegisterResult Register(ItemForm& form, const MemoRows& memoRows);

}  // namespace qpad::editor
