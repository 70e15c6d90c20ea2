#include "settings_editor/key_capture.h"

namespace qpad::editor {

void KeyCapture::MainKeyDown(int virtualKey, Modifiers held, Modifiers ticked) {
  // Each modifier goes in whenever it is in force for this press: the
  // resident program needs every modifier of the combination once, so what
  // the replaced spec held must not decide.
  std::string spec = "Key=" + std::to_string(virtualKey) + ":";
  if (held.shift || ticked.shift) spec += " Shift ";
  if (held.alt || ticked.alt) spec += " Alt ";
  if (held.ctrl || ticked.ctrl) spec += " Ctrl ";
  spec_ = spec;
  display_ = spec;
}

void KeyCapture::SecondKeyDown(int virtualKey) {
  if (!secondBoxEnabled_) return;
  std::string fragment = " +Key2=" + std::to_string(virtualKey) + "|" + spec_;
  spec_ += fragment;
  display_ = fragment;
  secondBoxEnabled_ = false;
}

void KeyCapture::Clear() { *this = KeyCapture(); }

}  // namespace qpad::editor
