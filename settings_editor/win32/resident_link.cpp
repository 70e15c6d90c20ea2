#include "settings_editor/win32/resident_link.h"

#include <cstring>

namespace qpad::editor::win32 {
namespace {

constexpr const wchar_t* kSharedBlockName = L"Brannock_QuillAid_Memory";
constexpr size_t kHookWindowOffset = 4;
constexpr size_t kHookMessageOffset = 8;
constexpr WPARAM kReloadCode = 3;

}  // namespace

void ResidentLink::Open() {
  mapping_.Reset(::OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, kSharedBlockName));
  if (!mapping_) return;
  view_.Reset(::MapViewOfFile(mapping_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
  if (!view_) {
    mapping_.Reset();
    return;
  }
  const auto* block = static_cast<const unsigned char*>(view_.Get());
  std::memcpy(&hookWindow_, block + kHookWindowOffset, sizeof hookWindow_);
  std::memcpy(&hookMessage_, block + kHookMessageOffset, sizeof hookMessage_);
}

void ResidentLink::PostReload() const {
  if (!Linked()) return;
  // Window handles carry 32 significant bits and are sign-extended.
  HWND window = reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(hookWindow_)));
  ::PostMessageW(window, hookMessage_, kReloadCode, 0);
}

void ResidentLink::Close() {
  view_.Reset();
  mapping_.Reset();
}

}  // namespace qpad::editor::win32
