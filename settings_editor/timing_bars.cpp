#include "settings_editor/timing_bars.h"

#include <algorithm>
#include <cstring>

namespace qpad::editor {

const std::array<TimingBar, kTimingBarCount>& TimingBars() {
  static const std::array<TimingBar, kTimingBarCount> kBars = {{
      {"Panel1", "①ウェイト表示タイミング", "TBar_WaitTime", 1, 100, 2, 5, "Label_WaitTime",
       "00ms", &SettingsRecord::WaitTime, false},
      {"Panel2", "②操作ボタン表示タイミング", "TBar_SbTime", 1, 100, 2, 5, "Label_SbTime", "00ms",
       &SettingsRecord::SbTime, false},
      {"Panel3", "③操作ボタン、非表示タイミング", "TBar_SbUnTime", 10, 200, 5, 5,
       "Label_SbUnTime", "00ms", &SettingsRecord::SbUnTime, false},
      {"Panel4", "④描画後の操作ボタン表示タイミング", "TBar_SbDrawTime", 5, 200, 5, 5,
       "Label_SbDrawTime", "00ms", &SettingsRecord::SbDrawTime, false},
      {"Panel5", "⑤描画後の操作ボタン、非表示タイミング", "TBar_SbDrawUnTime", 5, 200, 5, 5,
       "Label_SbDrawUnTime", "00ms", &SettingsRecord::SbDrawUnTime, false},
      {"Panel6", "⑥描画後のタイミングを戻す時間", "TBar_SbDrawBakTime", 10, 200, 10, 10,
       "Label_SbDrawBakTime", "00ms", &SettingsRecord::SbDrawBakTime, false},
      {"Panel7", "②操作ボタン表示タイミング", "TBar_SbTime2", 1, 100, 2, 5, "Label_SbTime2",
       "00ms", &SettingsRecord::SbTime_ck, false},
      {"Panel8", "⑦非表示にする範囲の余裕", "TBar_SbiUnVis", 5, 50, 1, 1, "L_TBar_SbiUnVis", "pt",
       &SettingsRecord::iUnVis, true},
  }};
  return kBars;
}

int TimingBarIndex(const char* panel) {
  const auto& bars = TimingBars();
  for (int i = 0; i < kTimingBarCount; ++i)
    if (std::strcmp(bars[i].panel, panel) == 0) return i;
  return -1;
}

int32_t ClampToBar(const TimingBar& bar, int32_t value) {
  return std::clamp(value, bar.min, bar.max);
}

BarPositions PositionsFromSettings(const SettingsRecord& settings) {
  BarPositions positions{};
  const auto& bars = TimingBars();
  for (int i = 0; i < kTimingBarCount; ++i)
    positions[i] = ClampToBar(bars[i], settings.*(bars[i].field));
  return positions;
}

void StorePositions(const BarPositions& positions, SettingsRecord& settings) {
  const auto& bars = TimingBars();
  for (int i = 0; i < kTimingBarCount; ++i)
    settings.*(bars[i].field) = ClampToBar(bars[i], positions[i]);
}

std::string ValueLabelText(int32_t position) { return std::to_string(position); }

}  // namespace qpad::editor
