#pragma once
// A process's own view of the named block through which Qpad, its hook
// library and the settings editor find each other (layout in
// hook/hook_protocol.h). Each process maps and releases its own view.

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "hook/hook_protocol.h"
#include "platform/win32/unique_handle.h"

namespace qpad::platform::win32 {

class HookSharedBlock {
 public:
  enum class CreateResult { Ok, CannotCreate, CannotMap };

  // Creates the block on the paging file, or opens it when another process
  // created it already, and maps it. On CannotMap the handle is closed again.
  CreateResult Create();

  // Opens and maps a block that another process created; false when there
  // is none.
  bool OpenExisting();

  // Unmaps the view, then closes the handle; nothing when not open.
  void Close();

  bool IsOpen() const { return static_cast<bool>(view_); }

  UINT Message() const { return static_cast<UINT>(Read(hook::kMessageOffset)); }
  void SetMessage(UINT message) { Write(hook::kMessageOffset, static_cast<int32_t>(message)); }

  // Window handles are 32-bit values on every Windows that runs both 32- and
  // 64-bit programs, so the field holds them in full.
  HWND Window() const;
  void SetWindow(HWND window);

 private:
  int32_t Read(std::size_t offset) const;
  void Write(std::size_t offset, int32_t value);

  UniqueKernelHandle mapping_;
  UniqueMappedView view_;
};

}  // namespace qpad::platform::win32
