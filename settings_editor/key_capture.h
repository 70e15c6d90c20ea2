#pragma once
// Builds a shortcut item's KeySpec from key presses in the item editor's two
// key boxes. Every press in the main box starts the spec afresh:
//   "Key=" code ":" then " Shift ", " Alt ", " Ctrl " for each modifier that
//   is held or ticked during that press;
// a press in the second box appends " +Key2=" code "|" and the first part,
// after which the second box takes no more keys until Clear().

#include <string>

namespace qpad::editor {

struct Modifiers {
  bool shift = false;
  bool alt = false;
  bool ctrl = false;
};

class KeyCapture {
 public:
  // A key-down in the main box, repeats and the modifier keys included.
  void MainKeyDown(int virtualKey, Modifiers held, Modifiers ticked);
  // A key-down in the second box; ignored while that box is disabled.
  void SecondKeyDown(int virtualKey);
  // "クリア": both boxes, the spec and the display empty, second box enabled.
  void Clear();

  const std::string& Spec() const { return spec_; }
  // The key display: the spec after a main-key press, the appended part
  // alone after a second-key press.
  const std::string& Display() const { return display_; }
  bool SecondBoxEnabled() const { return secondBoxEnabled_; }

 private:
  std::string spec_;
  std::string display_;
  bool secondBoxEnabled_ = true;
};

}  // namespace qpad::editor
