#pragma once
// Sees which messages another program's thread takes from its queue, in
// order, without anything in that program that knows about tests: a DLL of
// the bench is hooked into the thread (WH_GETMESSAGE) and notes the watched
// messages in shared memory.

#include <windows.h>

#include <vector>

#include "platform/win32/unique_handle.h"

namespace qpad::e2e {

struct SpyLog;

struct SeenMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class MessageSpy {
 public:
  MessageSpy() = default;
  MessageSpy(const MessageSpy&) = delete;
  MessageSpy& operator=(const MessageSpy&) = delete;
  ~MessageSpy();  // removes the hook

  // Starts noting the messages numbered in `watched` that thread
  // `threadId` removes from its queue. One spy at a time per test.
  bool Attach(DWORD threadId, const std::vector<UINT>& watched);

  std::vector<SeenMessage> Seen() const;
  // The word parameters of the seen messages numbered `message`, in order.
  std::vector<WPARAM> WParamsOf(UINT message) const;

 private:
  platform::win32::UniqueKernelHandle mapping_;
  platform::win32::UniqueMappedView view_;
  HMODULE library_ = nullptr;
  HHOOK hook_ = nullptr;
};

}  // namespace qpad::e2e
