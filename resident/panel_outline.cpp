#include "resident/panel_outline.h"

#include <algorithm>

namespace qpad {
namespace {

Point Offset(Point p, int32_t dx, int32_t dy) { return {p.x + dx, p.y + dy}; }

Point Center(const ShapeLayout& shape, PanelButton button) {
  const Rect r = ButtonBounds(shape, button);
  return {r.left + kButtonSize / 2, r.top + kButtonSize / 2};
}

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

// A thin straight band between two points on one row or one column.
OutlinePart StraightLine(Point a, Point b) {
  const int32_t half = kLineThickness / 2;
  const Rect r = a.y == b.y ? Rect{std::min(a.x, b.x), a.y - half, std::max(a.x, b.x), a.y - half + kLineThickness}
                            : Rect{a.x - half, std::min(a.y, b.y), a.x - half + kLineThickness, std::max(a.y, b.y)};
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
  const Point handle{Center(*shape, PanelButton::M).x, Center(*shape, PanelButton::W).y};
  const int32_t radius = kHandleDiameter / 2;
  parts.push_back({PartRole::Handle, true, {handle.x - radius, handle.y - radius, handle.x + radius, handle.y + radius}, {}});

  const Point r = Center(*shape, PanelButton::R);
  const Point m = Center(*shape, PanelButton::M);
  const Point w = Center(*shape, PanelButton::W);
  parts.push_back(StraightLine(r, m));
  parts.push_back(StraightLine(r, w));
  parts.push_back(StraightLine(m, handle));
  parts.push_back(StraightLine(w, handle));

  for (OutlinePart& part : CornerMark(*shape)) parts.push_back(std::move(part));
  return parts;
}

}  // namespace qpad
