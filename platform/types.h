#pragma once
// Plain values that the pure units share with the window-system side.

#include <cstdint>

namespace qpad::platform {

// A point in screen coordinates, pixels.
struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
  friend bool operator!=(Point a, Point b) { return !(a == b); }
};

// A rectangle in screen coordinates: left/top inside, right/bottom outside.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  friend bool operator==(Rect a, Rect b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
};

// A window of any program, as the system's handle value; 0 is none.
using WindowHandle = std::uintptr_t;

}  // namespace qpad::platform
