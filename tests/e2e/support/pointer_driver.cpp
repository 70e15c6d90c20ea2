#include "tests/e2e/support/pointer_driver.h"

#include "tests/e2e/support/wait.h"

namespace qpad::e2e {
namespace {

// Absolute positions are given in 0..65535 across the primary screen.
LONG Normalized(LONG pixel, int screenSize) {
  return static_cast<LONG>((static_cast<long long>(pixel) * 65535 + (screenSize - 1) / 2) / (screenSize - 1));
}

bool CursorAt(POINT at) {
  POINT now{};
  return ::GetCursorPos(&now) && now.x == at.x && now.y == at.y;
}

}  // namespace

void PointerDriver::Send(POINT at, DWORD buttonFlags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = Normalized(at.x, ::GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = Normalized(at.y, ::GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
  ::SendInput(1, &input, sizeof input);
  // The cursor follows asynchronously; the next event must start from here.
  WaitUntil([at] { return CursorAt(at); });
}

void PointerDriver::Move(POINT at) { Send(at, 0); }
void PointerDriver::Press(POINT at) { Send(at, MOUSEEVENTF_LEFTDOWN); }
void PointerDriver::Release(POINT at) { Send(at, MOUSEEVENTF_LEFTUP); }
void PointerDriver::Tap(POINT at) {
  Press(at);
  Release(at);
}
void PointerDriver::RightPress(POINT at) { Send(at, MOUSEEVENTF_RIGHTDOWN); }
void PointerDriver::RightRelease(POINT at) { Send(at, MOUSEEVENTF_RIGHTUP); }

}  // namespace qpad::e2e
