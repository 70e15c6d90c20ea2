#pragma once
// The panel's outline as geometry, so that the window code only turns it into
// regions and pictures. Each shape is the union of its parts: three button
// squares with clipped corners, a round handle in the fourth cell, thin lines
// that join the buttons and the handle, and a mark pointing at the corner
// that touches TargetPoint. Coordinates are panel coordinates in the way
// polygon and ellipse regions take them (edges between pixels), inside the
// 86 x 101 window.

#include <cstdint>
#include <vector>

#include "resident/panel_shapes.h"

namespace qpad {

enum class PartRole { ButtonR, ButtonM, ButtonW, Handle, Line, CornerMark };

struct OutlinePart {
  PartRole role;
  bool ellipse;                // true: the ellipse inside `bounds`; false: `polygon`
  Rect bounds;                 // the part's bounding box
  std::vector<Point> polygon;  // corners in drawing order (empty for an ellipse)
};

// How far a button square's corners are cut off, in pixels.
constexpr int32_t kButtonCornerCut = 6;
constexpr int32_t kHandleDiameter = 28;
constexpr int32_t kLineThickness = 3;

// A button's own outline, in the button's coordinates (0..32).
std::vector<Point> ButtonOutline();

// Every part of shape 1 to 4, buttons first (R, M, W), then the handle, the
// lines and the corner mark; empty for any other number.
std::vector<OutlinePart> ShapeOutline(int shape);

}  // namespace qpad
