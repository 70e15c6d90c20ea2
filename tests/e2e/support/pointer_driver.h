#pragma once
// Real pointer input from one side only: every event is sent with
// SendInput and carries its own absolute position, so that a press or a
// release never lands where the pointer was a moment before.

#include <windows.h>

namespace qpad::e2e {

class PointerDriver {
 public:
  // Each call returns once the system's cursor is at `at`.
  void Move(POINT at);
  void Press(POINT at);    // left button down at `at`
  void Release(POINT at);  // left button up at `at`
  void Tap(POINT at);      // press and release at `at`

  void RightPress(POINT at);
  void RightRelease(POINT at);

 private:
  void Send(POINT at, DWORD buttonFlags);
};

}  // namespace qpad::e2e
