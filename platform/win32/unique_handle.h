#pragma once
// One small owner per kind of Windows handle, so that every exit path
// releases what it set up. Each owner is move-only and closes on destruction.

#include <windows.h>

#include <utility>

namespace qpad::platform::win32 {

template <typename Handle, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { Reset(); }

  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return Traits::IsValid(handle_); }

  Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
  void Reset(Handle handle = Traits::Invalid()) {
    if (Traits::IsValid(handle_)) Traits::Close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::Invalid();
};

// Kernel objects that CreateFile and friends return as INVALID_HANDLE_VALUE.
struct FileHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(HANDLE h) { ::CloseHandle(h); }
};
using UniqueFile = UniqueHandle<HANDLE, FileHandleTraits>;

// Kernel objects that fail as NULL: mutexes, file mappings, events, threads.
struct KernelHandleTraits {
  static HANDLE Invalid() { return nullptr; }
  static bool IsValid(HANDLE h) { return h != nullptr; }
  static void Close(HANDLE h) { ::CloseHandle(h); }
};
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;

// A mapped view of a file mapping.
struct MappedViewTraits {
  static void* Invalid() { return nullptr; }
  static bool IsValid(void* p) { return p != nullptr; }
  static void Close(void* p) { ::UnmapViewOfFile(p); }
};
using UniqueMappedView = UniqueHandle<void*, MappedViewTraits>;

// A GDI object: pen, brush, font, bitmap, region.
template <typename Object>
struct GdiObjectTraits {
  static Object Invalid() { return nullptr; }
  static bool IsValid(Object o) { return o != nullptr; }
  static void Close(Object o) { ::DeleteObject(o); }
};
template <typename Object>
using UniqueGdiObject = UniqueHandle<Object, GdiObjectTraits<Object>>;

}  // namespace qpad::platform::win32
