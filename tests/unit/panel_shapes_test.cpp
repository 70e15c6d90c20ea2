#include <gtest/gtest.h>

#include <cmath>
#include <queue>

#include "resident/panel_outline.h"
#include "resident/panel_shapes.h"

namespace qpad {
namespace {

TEST(PanelShapes, PressZonesChooseTheShape) {
  const struct {
    Point press;
    int shape;
  } cases[] = {
      {{0, 0}, 1},     {{84, 99}, 1},   {{85, 99}, 2},    {{84, 100}, 3},
      {{85, 100}, 4},  {{1000, 10}, 2}, {{10, 700}, 3},   {{-5, -5}, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShapeForPress(c.press), c.shape) << c.press.x << "," << c.press.y;
  }
}

TEST(PanelShapes, PlacementPutsTheTouchingCornerOnThePanelPoint) {
  const Point panelPoint{500, 400};
  const struct {
    int shape;
    Point topLeft;
  } cases[] = {{1, {500, 400}}, {2, {414, 400}}, {3, {500, 299}}, {4, {414, 299}}};
  for (const auto& c : cases) {
    const Point topLeft = PanelTopLeft(c.shape, panelPoint);
    EXPECT_EQ(topLeft, c.topLeft) << "shape " << c.shape;
    const Rect panel{topLeft.x, topLeft.y, topLeft.x + kPanelWidth, topLeft.y + kPanelHeight};
    EXPECT_EQ(TouchingCorner(c.shape, panel), panelPoint) << "shape " << c.shape;
  }
}

TEST(PanelShapes, ButtonPositionsFollowTheTable) {
  const struct {
    int shape;
    const char* name;
    Point r, m, w;
  } cases[] = {
      {1, "RgnUr", {15, 20}, {52, 20}, {15, 63}},
      {2, "RgnUl", {38, 20}, {0, 20}, {38, 63}},
      {3, "RgnDr", {14, 48}, {52, 48}, {14, 5}},
      {4, "RgnDl", {38, 48}, {0, 48}, {38, 5}},
  };
  for (const auto& c : cases) {
    const ShapeLayout* s = FindShape(c.shape);
    ASSERT_NE(s, nullptr);
    EXPECT_STREQ(s->name, c.name);
    EXPECT_EQ(ButtonBounds(*s, PanelButton::R), (Rect{c.r.x, c.r.y, c.r.x + 32, c.r.y + 32}));
    EXPECT_EQ(ButtonBounds(*s, PanelButton::M), (Rect{c.m.x, c.m.y, c.m.x + 32, c.m.y + 32}));
    EXPECT_EQ(ButtonBounds(*s, PanelButton::W), (Rect{c.w.x, c.w.y, c.w.x + 32, c.w.y + 32}));
  }
  EXPECT_EQ(FindShape(0), nullptr);
  EXPECT_EQ(FindShape(5), nullptr);
}

TEST(PanelShapes, PointInScaledRectExcludesTheEdgesAndTruncatesTheScaledBounds) {
  const Rect button{15, 20, 47, 52};
  const Rect negative{-7, -1, 20, 20};
  const struct {
    Rect rect;
    int32_t percent;
    Point p;
    bool inside;
  } cases[] = {
      {button, 100, {16, 21}, true},  {button, 100, {46, 51}, true},  {button, 100, {15, 30}, false},
      {button, 100, {30, 20}, false}, {button, 100, {47, 30}, false}, {button, 100, {30, 52}, false},
      {button, 50, {8, 11}, true},    // 15 * 50 / 100 = 7
      {button, 50, {7, 11}, false},
      {negative, 50, {-3, 5}, false},  // -7 * 50 / 100 is -3 toward zero, not -4
      {negative, 50, {-2, 5}, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PointInScaledRect(c.p, c.percent, c.rect), c.inside) << c.p.x << "," << c.p.y << " at " << c.percent;
  }
}

TEST(PanelShapes, ButtonAtAnswersButtonsAndTreatsEdgesAndTheRestAsHandle) {
  const struct {
    int shape;
    Point p;
    std::optional<PanelButton> button;
  } cases[] = {
      {1, {31, 36}, PanelButton::R}, {1, {68, 36}, PanelButton::M}, {1, {31, 79}, PanelButton::W},
      {1, {15, 36}, std::nullopt},   // R's left column
      {1, {31, 20}, std::nullopt},   // R's top row
      {1, {46, 51}, PanelButton::R}, // last pixel inside R
      {1, {68, 79}, std::nullopt},   // the handle
      {1, {2, 2}, std::nullopt},     // the corner mark
      {4, {16, 64}, PanelButton::M}, {4, {54, 21}, PanelButton::W}, {4, {16, 21}, std::nullopt},
      {0, {31, 36}, std::nullopt},   // no shape chosen yet
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ButtonAt(c.shape, c.p), c.button) << "shape " << c.shape << " at " << c.p.x << "," << c.p.y;
  }
}

// Rasterizes an outline: pixel (x, y) belongs to it when its centre lies in a part.
class Raster {
 public:
  explicit Raster(const std::vector<OutlinePart>& parts) : parts_(parts) {}
  bool Contains(int x, int y) const {
    const double px = x + 0.5, py = y + 0.5;
    for (const OutlinePart& part : parts_) {
      if (part.ellipse ? InEllipse(part.bounds, px, py) : InPolygon(part.polygon, px, py)) return true;
    }
    return false;
  }

 private:
  static bool InEllipse(Rect b, double x, double y) {
    const double rx = b.Width() / 2.0, ry = b.Height() / 2.0;
    const double dx = (x - b.left - rx) / rx, dy = (y - b.top - ry) / ry;
    return dx * dx + dy * dy <= 1.0;
  }
  static bool InPolygon(const std::vector<Point>& poly, double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
      const Point a = poly[i], b = poly[j];
      if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / double(b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
  }
  const std::vector<OutlinePart>& parts_;
};

TEST(PanelOutline, EachShapeIsOnePieceTouchingItsCornerWithEveryButtonInside) {
  for (int shape = 1; shape <= 4; ++shape) {
    SCOPED_TRACE("shape " + std::to_string(shape));
    const std::vector<OutlinePart> parts = ShapeOutline(shape);
    const Raster raster(parts);
    const ShapeLayout& layout = *FindShape(shape);

    // The pixel at the touching corner belongs to the outline.
    const Point corner = TouchingCorner(shape, {0, 0, kPanelWidth, kPanelHeight});
    const int cx = corner.x == 0 ? 0 : kPanelWidth - 1;
    const int cy = corner.y == 0 ? 0 : kPanelHeight - 1;
    ASSERT_TRUE(raster.Contains(cx, cy));

    // Everything lies in the window, and all of it is reached from the corner.
    std::vector<std::vector<bool>> seen(kPanelWidth, std::vector<bool>(kPanelHeight, false));
    std::queue<Point> open;
    open.push({cx, cy});
    seen[cx][cy] = true;
    while (!open.empty()) {
      const Point p = open.front();
      open.pop();
      for (Point d : {Point{1, 0}, Point{-1, 0}, Point{0, 1}, Point{0, -1}}) {
        const int x = p.x + d.x, y = p.y + d.y;
        if (x < 0 || y < 0 || x >= kPanelWidth || y >= kPanelHeight || seen[x][y] || !raster.Contains(x, y)) continue;
        seen[x][y] = true;
        open.push({x, y});
      }
    }
    for (int x = -2; x < kPanelWidth + 2; ++x) {
      for (int y = -2; y < kPanelHeight + 2; ++y) {
        const bool inWindow = x >= 0 && y >= 0 && x < kPanelWidth && y < kPanelHeight;
        if (raster.Contains(x, y)) {
          ASSERT_TRUE(inWindow && seen[x][y]) << "stray pixel " << x << "," << y;
        }
      }
    }

    // The buttons are where the hit test finds them; the handle stays clear of them.
    for (PanelButton b : {PanelButton::R, PanelButton::M, PanelButton::W}) {
      const Rect r = ButtonBounds(layout, b);
      EXPECT_TRUE(raster.Contains(r.left + 16, r.top + 16));
      EXPECT_TRUE(raster.Contains(r.left + 1, r.top + 16));
      // The corner away from the touching corner is clipped (the one towards it
      // may carry the mark's tail).
      const int farX = corner.x == 0 ? r.right - 1 : r.left;
      const int farY = corner.y == 0 ? r.bottom - 1 : r.top;
      EXPECT_FALSE(raster.Contains(farX, farY)) << "corners are clipped";
      for (const OutlinePart& part : parts) {
        if (part.role != PartRole::Handle) continue;
        const Rect h = part.bounds;
        EXPECT_TRUE(h.right <= r.left || h.left >= r.right || h.bottom <= r.top || h.top >= r.bottom);
      }
    }
  }
  EXPECT_TRUE(ShapeOutline(0).empty());
}

}  // namespace
}  // namespace qpad
