#include "resident/release_order.h"

#include <utility>

namespace qpad {

bool ReleaseOrder::Hold() {
  if (!captured_) return false;
  ++held_;
  return true;
}

int ReleaseOrder::TakeDue() { return captured_ ? 0 : std::exchange(held_, 0); }

}  // namespace qpad
