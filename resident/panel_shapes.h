#pragma once
// The floating panel's four shapes as data: which shape a press chooses,
// where the panel goes against the point of release, where its three
// buttons sit, which corner touches the pointed place, and which part of the
// panel a point falls on. No window system here; the panel window turns
// these numbers into its size, button positions and hit-test answers.

#include <cstdint>
#include <optional>

#include "platform/types.h"

namespace qpad {

using platform::Point;
using platform::Rect;

// Every shape is 85 x 100; the panel window is one pixel larger each way.
constexpr int32_t kShapeWidth = 85;
constexpr int32_t kShapeHeight = 100;
constexpr int32_t kPanelWidth = kShapeWidth + 1;
constexpr int32_t kPanelHeight = kShapeHeight + 1;
constexpr int32_t kButtonSize = 32;

enum class PanelButton { R, M, W };
enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight };

// One row of the shape table. Button positions are top-left corners inside
// the panel.
struct ShapeLayout {
  int number;        // 1 to 4, the value of ActiveShape
  const char* name;  // "RgnUr", "RgnUl", "RgnDr", "RgnDl"
  Point r;
  Point m;
  Point w;
  Corner corner;  // the corner that touches TargetPoint
};

// The layout of shape 1 to 4; nullptr for anything else (ActiveShape 0 means
// no shape has been chosen yet).
const ShapeLayout* FindShape(int number);

// The shape a press at `p` chooses: the panel opens away from the screen's
// left and top edges when the press is closer to them than a shape's size.
int ShapeForPress(Point p);

// The panel's top-left corner when `shape` is shown with its touching
// corner at `panelPoint`. `shape` must be 1 to 4.
Point PanelTopLeft(int shape, Point panelPoint);

// The screen point of the shape's touching corner for a panel at `panel`
// (the window's current rectangle, after any move by the user).
Point TouchingCorner(int shape, Rect panel);

// A button's rectangle inside the panel.
Rect ButtonBounds(const ShapeLayout& shape, PanelButton button);

// Left*p/100 < x < Right*p/100 and Top*p/100 < y < Bottom*p/100, each bound
// in integers truncated toward zero. With p = 100 the left column and top
// row of the rectangle are outside it.
bool PointInScaledRect(Point point, int32_t percent, Rect rect);

// The button under `inPanel` (panel coordinates), tested R, M, W in turn;
// nothing when the point is on the handle, the lines, the corner mark, a
// button's edge, or when no shape is active.
std::optional<PanelButton> ButtonAt(int shape, Point inPanel);

}  // namespace qpad
