#include "resident/panel_outline.h"

#include <algorithm>

namespace qpad {
namespace {

Point Offset(Point p, int32_t dx, int32_t dy) { return {p.x + dx, p.y + dy}; }

Rect BoundsOf(const std::vector<Point>& points) {
  Rect r{points[0].x, points[0].y, points[0].x, points[0].y};
  for (Point p : points) {
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
  }
  return r;
}

OutlinePart PolygonPart(PartRole role, std::vector<Point> points) {
  const Rect bounds = BoundsOf(points);
  return {role, false, bounds, std::move(points)};
}

// A thin band across the gap between two parts that lie side by side (same
// row) or one above the other, along the line through their centres. It
// reaches one pixel into each, so that the outline has no seam.
OutlinePart JoiningLine(Rect a, Rect b) {
  const int32_t half = kLineThickness / 2;
  const bool sideBySide = a.right <= b.left || b.right <= a.left;
  Rect r;
  if (sideBySide) {
    const int32_t y = (a.top + a.bottom) / 2 - half;
    r = {std::min(a.right, b.right) - 1, y, std::max(a.left, b.left) + 1, y + kLineThickness};
  } else {
    const int32_t x = (a.left + a.right) / 2 - half;
    r = {x, std::min(a.bottom, b.bottom) - 1, x + kLineThickness, std::max(a.top, b.top) + 1};
  }
  return PolygonPart(PartRole::Line, {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}});
}

// A dog-ear filling the touching corner, with a tail that runs into the R
// button's nearest corner so that the mark and the buttons are one piece.
std::vector<OutlinePart> CornerMark(const ShapeLayout& shape) {
  const bool right = shape.corner == Corner::TopRight || shape.corner == Corner::BottomRight;
  const bool bottom = shape.corner == Corner::BottomLeft || shape.corner == Corner::BottomRight;
  const int32_t sx = right ? -1 : 1;
  const int32_t sy = bottom ? -1 : 1;
  const Point tip{right ? kPanelWidth : 0, bottom ? kPanelHeight : 0};
  const Rect r = ButtonBounds(shape, PanelButton::R);
  const Point nearest{right ? r.right : r.left, bottom ? r.bottom : r.top};

  const Point tailStart = Offset(tip, 5 * sx, 5 * sy);
  const Point tailEnd = Offset(nearest, kButtonCornerCut * sx, kButtonCornerCut * sy);
  return {
      PolygonPart(PartRole::CornerMark, {tip, Offset(tip, 12 * sx, 0), Offset(tip, 0, 12 * sy)}),
      PolygonPart(PartRole::CornerMark, {Offset(tailStart, sx, -sy), Offset(tailEnd, sx, -sy),
                                         Offset(tailEnd, -sx, sy), Offset(tailStart, -sx, sy)}),
  };
}

}  // namespace

std::vector<Point> ButtonOutline() {
  constexpr int32_t s = kButtonSize;
  constexpr int32_t c = kButtonCornerCut;
  return {{c, 0}, {s - c, 0}, {s, c}, {s, s - c}, {s - c, s}, {c, s}, {0, s - c}, {0, c}};
}

std::vector<OutlinePart> ShapeOutline(int number) {
  const ShapeLayout* shape = FindShape(number);
  if (!shape) return {};
  std::vector<OutlinePart> parts;

  const struct {
    PanelButton button;
    PartRole role;
  } buttons[] = {{PanelButton::R, PartRole::ButtonR}, {PanelButton::M, PartRole::ButtonM}, {PanelButton::W, PartRole::ButtonW}};
  for (const auto& b : buttons) {
    const Rect at = ButtonBounds(*shape, b.button);
    std::vector<Point> corners = ButtonOutline();
    for (Point& p : corners) p = Offset(p, at.left, at.top);
    parts.push_back(PolygonPart(b.role, std::move(corners)));
  }

  // The handle takes the cell diagonal to R: M's column, W's row.
  const Rect r = ButtonBounds(*shape, PanelButton::R);
  const Rect m = ButtonBounds(*shape, PanelButton::M);
  const Rect w = ButtonBounds(*shape, PanelButton::W);
  const Point centre{(m.left + m.right) / 2, (w.top + w.bottom) / 2};
  const int32_t radius = kHandleDiameter / 2;
  const Rect handle{centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius};
  parts.push_back({PartRole::Handle, true, handle, {}});

  parts.push_back(JoiningLine(r, m));
  parts.push_back(JoiningLine(r, w));
  parts.push_back(JoiningLine(m, handle));
  parts.push_back(JoiningLine(w, handle));

  for (OutlinePart& part : CornerMark(*shape)) parts.push_back(std::move(part));
  return parts;
}

}  // namespace qpad
