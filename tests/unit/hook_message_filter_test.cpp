#include "resident/hook_message_filter.h"

#include <gtest/gtest.h>

namespace qpad::resident {
namespace {

struct FilterCase {
  const char* what;
  HookFilterState state;
  uint64_t code;
  HookAction expected;
};

constexpr HookFilterState kReady{true, true, true};

TEST(FilterHookCode, ActsOnlyOnTheThreeCodesOfARunningEnabledAssistant) {
  const FilterCase cases[] = {
      {"press", kReady, 1, HookAction::Press},
      {"release", kReady, 2, HookAction::Release},
      {"reload", kReady, 3, HookAction::Reload},
      {"code 0", kReady, 0, HookAction::Ignore},
      {"code 4", kReady, 4, HookAction::Ignore},
      {"code 1 in the high half", kReady, 0x100000001ull, HookAction::Ignore},
      {"assistant off: press", {true, false, true}, 1, HookAction::Ignore},
      {"assistant off: release", {true, false, true}, 2, HookAction::Ignore},
      {"assistant off: reload", {true, false, true}, 3, HookAction::Ignore},
      {"start-up not complete", {false, true, true}, 3, HookAction::Ignore},
      {"no menu window yet: press", {true, true, false}, 1, HookAction::Ignore},
      {"no menu window yet: release", {true, true, false}, 2, HookAction::Ignore},
      {"no menu window yet: reload", {true, true, false}, 3, HookAction::Reload},
  };
  for (const FilterCase& c : cases)
    EXPECT_EQ(FilterHookCode(c.state, c.code), c.expected) << c.what;
}

}  // namespace
}  // namespace qpad::resident
