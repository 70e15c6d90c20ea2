#pragma once
// Synthesized input as data. The pure units build the exact sequence of
// events and waits that an action needs; the window-system side plays it
// (platform/win32), and unit tests compare it step by step.

#include <cstdint>
#include <ostream>
#include <vector>

#include "platform/types.h"

namespace qpad::platform {

enum class StepKind {
  Pump,       // handle every message waiting in the thread's queue
  Wait,       // suspend the thread for `a` milliseconds
  SetCursor,  // put the cursor at (a, b)
  Mouse,      // one mouse event with flags `a` (MOUSEEVENTF_*), no movement
  KeyDown,    // key `a` (8-bit virtual-key code) down with scan code `b`
  KeyUp,      // key `a` up, scan code 0
  Front,      // ask the system to bring the action's window to the front
};

struct InputStep {
  StepKind kind = StepKind::Pump;
  int32_t a = 0;
  int32_t b = 0;
  friend bool operator==(const InputStep& x, const InputStep& y) {
    return x.kind == y.kind && x.a == y.a && x.b == y.b;
  }
};

using InputSequence = std::vector<InputStep>;

// Mouse event flags, as the system defines them.
constexpr int32_t kMouseLeftDown = 0x0002;
constexpr int32_t kMouseLeftUp = 0x0004;
constexpr int32_t kMouseRightDown = 0x0008;
constexpr int32_t kMouseRightUp = 0x0010;

inline InputStep Pump() { return {StepKind::Pump, 0, 0}; }
inline InputStep Wait(int32_t ms) { return {StepKind::Wait, ms, 0}; }
inline InputStep SetCursor(Point p) { return {StepKind::SetCursor, p.x, p.y}; }
inline InputStep MouseEvent(int32_t flags) { return {StepKind::Mouse, flags, 0}; }
inline InputStep KeyDown(int32_t vk, int32_t scan) { return {StepKind::KeyDown, vk & 0xFF, scan}; }
inline InputStep KeyUp(int32_t vk) { return {StepKind::KeyUp, vk & 0xFF, 0}; }
inline InputStep Front() { return {StepKind::Front, 0, 0}; }

// Readable failures in tests: "KeyDown(17,29)".
inline std::ostream& operator<<(std::ostream& out, const InputStep& step) {
  static const char* const kNames[] = {"Pump", "Wait", "SetCursor", "Mouse", "KeyDown", "KeyUp", "Front"};
  return out << kNames[static_cast<int>(step.kind)] << '(' << step.a << ',' << step.b << ')';
}

// Plays a sequence; `front` is the window that Front steps bring forward.
class InputPlayer {
 public:
  virtual ~InputPlayer() = default;
  virtual void Play(const InputSequence& steps, WindowHandle front) = 0;
};

}  // namespace qpad::platform
