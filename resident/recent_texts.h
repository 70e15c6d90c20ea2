#pragma once
// The ring of recently pasted texts: items 1 .. 15 of the HistoryMenu
// (menu 1), overwritten in turn; iBast16 names the slot written next.

#include <cstdint>
#include <string_view>

#include "shared/menu_table.h"

namespace qpad {

constexpr int32_t kRecentTextSlots = 15;

// Records a pasted `text` (Shift-JIS) under the display name `caption`
// (the row's text) as "[#" + caption + "#][M:]" + text, in slot `nextSlot`,
// and moves `nextSlot` on (after slot 15 comes slot 1). Nothing is recorded
// when an item of the HistoryMenu already holds "#][M:]" + text anywhere
// (so a text that begins a recorded one counts as present, and pasting a
// history item records nothing) or when there is no HistoryMenu at all.
//
// The ring never writes outside the menu: a slot beyond the end of a
// HistoryMenu with fewer items is appended, and a slot outside 1 .. 15 (a
// hand-edited setting) starts the ring again at slot 1.
// Returns whether the text was recorded.
bool RecordRecentText(MenuTable& menus, int32_t& nextSlot, std::string_view text,
                      std::string_view caption);

}  // namespace qpad
