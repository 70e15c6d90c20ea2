#include "settings_editor/display_cases.h"

namespace qpad::editor {
namespace {

constexpr int kFixedPanel6Top = 344;
constexpr int kFixedPanel8Top = 396;

struct Placement {
  const char* panel;
  int top;
};

// The movable panels of each case, in the order they stand on the page.
const std::array<std::array<Placement, 3>, kDisplayCaseCount> kPlacements = {{
    {{{"Panel1", 200}, {"Panel2", 248}, {"Panel3", 296}}},
    {{{"Panel1", 200}, {"Panel4", 248}, {"Panel5", 296}}},
    {{{"Panel7", 200}, {"Panel3", 248}, {nullptr, 0}}},
    {{{"Panel7", 200}, {"Panel4", 248}, {"Panel5", 296}}},
}};

}  // namespace

const std::array<DisplayCase, kDisplayCaseCount>& DisplayCases() {
  static const std::array<DisplayCase, kDisplayCaseCount> kCases = {{
      {"ウェイトＯＮ表示の場合の通常操作", "説明１.bmp"},
      {"ウェイトＯＮ表示の場合の描画後の操作", "説明２.bmp"},
      {"クリックＯＮ表示の場合の通常操作", "説明３.bmp"},
      {"クリックＯＮ表示の場合の描画後の操作", "説明４.bmp"},
  }};
  return kCases;
}

PanelTops PanelTopsFor(int displayCase) {
  PanelTops tops{};
  tops[TimingBarIndex("Panel6")] = kFixedPanel6Top;
  tops[TimingBarIndex("Panel8")] = kFixedPanel8Top;
  if (displayCase < 0 || displayCase >= kDisplayCaseCount) return tops;
  for (const Placement& place : kPlacements[displayCase])
    if (place.panel != nullptr) tops[TimingBarIndex(place.panel)] = place.top;
  return tops;
}

}  // namespace qpad::editor
