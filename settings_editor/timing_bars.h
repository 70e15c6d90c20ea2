#pragma once
// The timing page's eight track bars: one row per bar with everything that
// differs between them, and the conversions between the SettingsRecord and
// the bar positions. A bar holds its value inside its own range, so a stored
// value outside it is shown, and later written back, limited to the range.

#include <array>
#include <cstdint>
#include <string>

#include "shared/settings_record.h"

namespace qpad::editor {

struct TimingBar {
  const char* panel;       // the panel that holds the bar, e.g. "Panel1"
  const char* caption;     // UTF-8, the panel's caption
  const char* bar;         // e.g. "TBar_WaitTime"
  int32_t min;
  int32_t max;
  int32_t lineSize;        // step of an arrow key
  int32_t pageSize;        // step of Page Up / Page Down and a click beside the thumb
  const char* valueLabel;  // e.g. "Label_WaitTime"
  const char* unit;        // UTF-8, shown after the value: "00ms" or "pt"
  int32_t SettingsRecord::*field;
  bool oneLine;            // caption, bar, value and unit on one line (Panel8)
};

constexpr int kTimingBarCount = 8;
using BarPositions = std::array<int32_t, kTimingBarCount>;

// In the order Panel1 .. Panel8; Panel7 edits the click-ON delay SbTime_ck.
const std::array<TimingBar, kTimingBarCount>& TimingBars();

// Index of a bar in TimingBars() by its panel's name; -1 when unknown.
int TimingBarIndex(const char* panel);

int32_t ClampToBar(const TimingBar& bar, int32_t value);

// The positions that the bars show for the stored values.
BarPositions PositionsFromSettings(const SettingsRecord& settings);

// "終了": the bar positions into the record, each limited to its range.
void StorePositions(const BarPositions& positions, SettingsRecord& settings);

// The value label's text: the position in decimal.
std::string ValueLabelText(int32_t position);

}  // namespace qpad::editor
