#pragma once
// Which of the registered message's codes Qpad acts on, and how. The window
// procedure of the main window asks this for every such message; it sees
// them in every message loop of the program, the modal ones included.

#include <cstdint>

namespace qpad::resident {

enum class HookAction {
  Ignore,
  Press,    // the press handling of the display logic
  Release,  // the release handling of the display logic
  Reload,   // ReloadSettings
};

struct HookFilterState {
  bool running = false;          // start-up has completed
  bool hookOn = false;           // Hook_ON: the assistant reacts to the pointer
  bool menuWindowReady = false;  // Frm_PopMenu exists; the release handling writes into it
};

// `code` is the message's word parameter, taken whole: only exactly 1, 2 and
// 3 mean anything.
HookAction FilterHookCode(const HookFilterState& state, uint64_t code);

}  // namespace qpad::resident
