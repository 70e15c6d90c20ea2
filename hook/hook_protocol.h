#pragma once
// What Qpad, its hook library and the settings editor agree on: the names of
// the shared block and of the registered message, the block's layout and the
// codes that the message carries. No window-system types, so the pure units
// can use it.

#include <cstddef>
#include <cstdint>

namespace qpad::hook {

// Named memory block on the paging file: three 32-bit little-endian fields.
inline constexpr wchar_t kSharedBlockName[] = L"Brannock_QuillAid_Memory";
inline constexpr std::size_t kSharedBlockSize = 12;
inline constexpr std::size_t kReservedOffset = 0;  // the hook library's own
inline constexpr std::size_t kWindowOffset = 4;    // the window that receives the codes
inline constexpr std::size_t kMessageOffset = 8;   // the registered message's number

// Registered message, always posted to the window of kWindowOffset; its word
// parameter carries one of the codes below, its long parameter nothing.
inline constexpr wchar_t kMessageName[] = L"Brannock_QuillAid_Msg";

enum HookCode : int32_t {
  kCodePress = 1,    // the left button went down, anywhere on the desktop
  kCodeRelease = 2,  // the left button went up
  kCodeReload = 3,   // the settings editor has closed: read the data files again
};

}  // namespace qpad::hook
