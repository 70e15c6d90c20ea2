#pragma once
// Waiting for a condition by polling it. Tests never sleep a fixed time:
// they wait for what they need, with a limit generous enough for a slow,
// shared machine.

#include <chrono>
#include <functional>

namespace qpad::e2e {

inline constexpr std::chrono::milliseconds kGenerousLimit{30000};

// Polls `condition` until it holds (true) or `limit` has passed (false).
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds limit = kGenerousLimit);

}  // namespace qpad::e2e
