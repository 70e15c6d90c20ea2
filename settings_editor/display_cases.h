#pragma once
// The four display cases of the timing page: which explanatory picture each
// shows and which timing panels, at which tops. Panel6 and Panel8 belong to
// every case and never move.

#include <array>
#include <optional>

#include "settings_editor/timing_bars.h"

namespace qpad::editor {

struct DisplayCase {
  const char* text;     // UTF-8, the entry of ComboBox1
  const char* picture;  // UTF-8 file name in the program folder
};

constexpr int kDisplayCaseCount = 4;

const std::array<DisplayCase, kDisplayCaseCount>& DisplayCases();

// For each timing panel (index as in TimingBars()): its top when the case
// shows it, nullopt when the case hides it. A case index out of range shows
// only the two fixed panels.
using PanelTops = std::array<std::optional<int>, kTimingBarCount>;
PanelTops PanelTopsFor(int displayCase);

}  // namespace qpad::editor
