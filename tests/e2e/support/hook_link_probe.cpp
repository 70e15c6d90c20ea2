#include "tests/e2e/support/hook_link_probe.h"

#include "hook/hook_protocol.h"
#include "platform/win32/hook_shared_block.h"

namespace qpad::e2e {

HookLink ReadHookLink() {
  platform::win32::HookSharedBlock block;
  HookLink link;
  if (!block.OpenExisting()) return link;
  link.present = true;
  link.window = block.Window();
  link.message = block.Message();
  return link;
}

UINT RegisteredHookMessage() { return ::RegisterWindowMessageW(hook::kMessageName); }

bool PostHookCode(WPARAM code) {
  HookLink link = ReadHookLink();
  return link.present && link.window && ::PostMessageW(link.window, link.message, code, 0);
}

}  // namespace qpad::e2e
