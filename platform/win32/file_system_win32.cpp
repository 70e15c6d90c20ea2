// Windows implementation of the data-file access.

#include <windows.h>

#include <string>

#include "platform/file_system.h"
#include "platform/text_codec.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/system_error.h"

namespace qpad::platform {
namespace {

using win32::UniqueFile;

class Win32FileSystem final : public FileSystem {
 public:
  bool Exists(const std::filesystem::path& path) override {
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }

  ReadResult ReadAll(const std::filesystem::path& path) override {
    ReadResult result;
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
      result.error = win32::LastErrorText();
      return result;
    }
    char buffer[65536];
    for (;;) {
      DWORD read = 0;
      if (!::ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) {
        result.error = win32::LastErrorText();
        return result;
      }
      if (read == 0) break;
      result.bytes.append(buffer, read);
    }
    result.ok = true;
    return result;
  }

  std::string ReplaceAtomically(const std::filesystem::path& path,
                                std::string_view bytes) override {
    // A file marked read-only refuses the write. Windows refuses to replace
    // it, but Wine lets the rename through, so the check is made here.
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
      return win32::ErrorText(ERROR_ACCESS_DENIED);
    std::filesystem::path folder = path.parent_path();
    wchar_t temp[MAX_PATH + 1] = {};
    if (::GetTempFileNameW(folder.empty() ? L"." : folder.c_str(), L"qpd", 0, temp) == 0)
      return win32::LastErrorText();
    std::string error = WriteWhole(temp, bytes);
    if (error.empty() &&
        !::MoveFileExW(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      error = win32::LastErrorText();
    if (!error.empty()) ::DeleteFileW(temp);
    return error;
  }

 private:
  static std::string WriteWhole(const wchar_t* path, std::string_view bytes) {
    UniqueFile file(::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return win32::LastErrorText();
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
      DWORD chunk = left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left);
      DWORD written = 0;
      if (!::WriteFile(file.Get(), data, chunk, &written, nullptr)) return win32::LastErrorText();
      data += written;
      left -= written;
    }
    if (!::FlushFileBuffers(file.Get())) return win32::LastErrorText();
    return {};
  }
};

}  // namespace

FileSystem& RealFileSystem() {
  static Win32FileSystem fileSystem;
  return fileSystem;
}

std::filesystem::path PathInFolder(const std::filesystem::path& folder,
                                   std::string_view cp932FileName) {
  return folder / Cp932ToWide(cp932FileName);
}

std::filesystem::path ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return std::filesystem::path(path).parent_path();
}

std::string PathToUtf8(const std::filesystem::path& path) { return WideToUtf8(path.native()); }

}  // namespace qpad::platform
