#include "platform/win32/hook_shared_block.h"

namespace qpad::platform::win32 {

HookSharedBlock::CreateResult HookSharedBlock::Create() {
  Close();
  // An existing block of another process comes back with ERROR_ALREADY_EXISTS
  // and is used as it is.
  UniqueKernelHandle mapping(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                  hook::kSharedBlockSize, hook::kSharedBlockName));
  if (!mapping) return CreateResult::CannotCreate;
  UniqueMappedView view(
      ::MapViewOfFile(mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, hook::kSharedBlockSize));
  if (!view) return CreateResult::CannotMap;
  mapping_ = std::move(mapping);
  view_ = std::move(view);
  return CreateResult::Ok;
}

bool HookSharedBlock::OpenExisting() {
  Close();
  UniqueKernelHandle mapping(
      ::OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, hook::kSharedBlockName));
  if (!mapping) return false;
  UniqueMappedView view(::MapViewOfFile(mapping.Get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0,
                                        hook::kSharedBlockSize));
  if (!view) return false;
  mapping_ = std::move(mapping);
  view_ = std::move(view);
  return true;
}

void HookSharedBlock::Close() {
  view_.Reset();
  mapping_.Reset();
}

HWND HookSharedBlock::Window() const {
  return reinterpret_cast<HWND>(static_cast<intptr_t>(Read(hook::kWindowOffset)));
}

void HookSharedBlock::SetWindow(HWND window) {
  Write(hook::kWindowOffset, static_cast<int32_t>(reinterpret_cast<intptr_t>(window)));
}

int32_t HookSharedBlock::Read(std::size_t offset) const {
  if (!view_) return 0;
  auto* base = static_cast<const volatile char*>(view_.Get());
  return *reinterpret_cast<const volatile LONG*>(base + offset);
}

void HookSharedBlock::Write(std::size_t offset, int32_t value) {
  if (!view_) return;
  auto* base = static_cast<char*>(view_.Get());
  // Other processes read the field while it is written.
  ::InterlockedExchange(reinterpret_cast<volatile LONG*>(base + offset), value);
}

}  // namespace qpad::platform::win32
