#pragma once
// The body of a shortcut-key item: "Key=" code ":" modifier words, optionally
// followed by " +Key2=" code "|" and the first part again.

#include <optional>
#include <string_view>

namespace qpad {

struct KeySpec {
  int key1 = 0;  // 0: no first key
  int key2 = 0;  // 0: no second key
  bool shift = false;
  bool alt = false;
  bool ctrl = false;
};

// The resident program's reading: key1 between "Key=" and the first ":",
// key2 between "Key2=" and the first "|", blanks trimmed; a missing part
// means no such key. Shift, Alt, Ctrl when "Shift", "Alt", "Ctr" occur
// anywhere. nullopt when a present number is not a decimal integer, so that
// no input is sent for a spec that cannot be carried out in full.
std::optional<KeySpec> ReadKeySpec(std::string_view body);

}  // namespace qpad
