#pragma once
// The editor's link to the running resident program: its shared block tells
// which window to post the reload request to, and with which message.

#include <windows.h>

#include <cstdint>

#include "platform/win32/unique_handle.h"

namespace qpad::editor::win32 {

class ResidentLink {
 public:
  // Opens and maps the block when the resident program runs; otherwise
  // the link stays unlinked, silently.
  void Open();
  bool Linked() const { return static_cast<bool>(view_); }

  // Posts the reload request (code 3) when linked.
  void PostReload() const;

  // Unmaps the view and closes the block, each only if it was obtained.
  void Close();

 private:
  platform::win32::UniqueKernelHandle mapping_;
  platform::win32::UniqueMappedView view_;
  uint32_t hookWindow_ = 0;
  uint32_t hookMessage_ = 0;
};

}  // namespace qpad::editor::win32
