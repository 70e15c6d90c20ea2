#include "resident/panel_shapes.h"

#include <array>

namespace qpad {
namespace {

constexpr std::array<ShapeLayout, 4> kShapes = {{
    {1, "RgnUr", {15, 20}, {52, 20}, {15, 63}, Corner::TopLeft},
    {2, "RgnUl", {38, 20}, {0, 20}, {38, 63}, Corner::TopRight},
    {3, "RgnDr", {14, 48}, {52, 48}, {14, 5}, Corner::BottomLeft},
    {4, "RgnDl", {38, 48}, {0, 48}, {38, 5}, Corner::BottomRight},
}};

bool IsRight(Corner c) { return c == Corner::TopRight || c == Corner::BottomRight; }
bool IsBottom(Corner c) { return c == Corner::BottomLeft || c == Corner::BottomRight; }

}  // namespace

const ShapeLayout* FindShape(int number) {
  if (number < 1 || number > static_cast<int>(kShapes.size())) return nullptr;
  return &kShapes[number - 1];
}

int ShapeForPress(Point p) {
  const bool left = p.x < kShapeWidth;
  const bool top = p.y < kShapeHeight;
  if (left && top) return 1;
  if (top) return 2;
  if (left) return 3;
  return 4;
}

Point PanelTopLeft(int shape, Point panelPoint) {
  const Corner corner = FindShape(shape)->corner;
  return {IsRight(corner) ? panelPoint.x - kPanelWidth : panelPoint.x,
          IsBottom(corner) ? panelPoint.y - kPanelHeight : panelPoint.y};
}

Point TouchingCorner(int shape, Rect panel) {
  const ShapeLayout* layout = FindShape(shape);
  const Corner corner = layout ? layout->corner : Corner::TopLeft;
  return {IsRight(corner) ? panel.right : panel.left, IsBottom(corner) ? panel.bottom : panel.top};
}

Rect ButtonBounds(const ShapeLayout& shape, PanelButton button) {
  const Point at = button == PanelButton::R ? shape.r : button == PanelButton::M ? shape.m : shape.w;
  return {at.x, at.y, at.x + kButtonSize, at.y + kButtonSize};
}

bool PointInScaledRect(Point point, int32_t percent, Rect rect) {
  auto scaled = [percent](int32_t v) { return static_cast<int32_t>(int64_t{v} * percent / 100); };
  return scaled(rect.left) < point.x && point.x < scaled(rect.right) && scaled(rect.top) < point.y &&
         point.y < scaled(rect.bottom);
}

std::optional<PanelButton> ButtonAt(int shape, Point inPanel) {
  const ShapeLayout* layout = FindShape(shape);
  if (!layout) return std::nullopt;
  for (PanelButton button : {PanelButton::R, PanelButton::M, PanelButton::W}) {
    if (PointInScaledRect(inPanel, 100, ButtonBounds(*layout, button))) return button;
  }
  return std::nullopt;
}

}  // namespace qpad
