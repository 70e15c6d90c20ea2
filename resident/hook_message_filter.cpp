#include "resident/hook_message_filter.h"

#include "hook/hook_protocol.h"

namespace qpad::resident {

HookAction FilterHookCode(const HookFilterState& state, uint64_t code) {
  if (!state.running || !state.hookOn) return HookAction::Ignore;
  switch (code) {
    case hook::kCodePress:
      return state.menuWindowReady ? HookAction::Press : HookAction::Ignore;
    case hook::kCodeRelease:
      return state.menuWindowReady ? HookAction::Release : HookAction::Ignore;
    case hook::kCodeReload:
      return HookAction::Reload;
    default:
      return HookAction::Ignore;
  }
}

}  // namespace qpad::resident
