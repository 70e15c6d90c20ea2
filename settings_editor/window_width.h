#pragma once
// The settings window's two widths: narrow shows only the item lists, wide
// adds the timing page. "終了" moves so that it stays in the visible part.

namespace qpad::editor {

struct WidthMode {
  int windowWidth;
  int endButtonLeft;
  bool expandButtonVisible;
};

constexpr WidthMode kNarrow{345, 236, true};
constexpr WidthMode kWide{653, 524, false};

// Where "終了" stands before the window has been widened for the first time.
constexpr int kEndButtonDesignLeft = 228;

}  // namespace qpad::editor
