#pragma once
// A FileSystem held in memory, for tests, fuzz targets and benchmarks: files
// are a map from path to bytes, and reads or replaces can be made to fail.

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace qpad::testing {

class MemoryFileSystem final : public platform::FileSystem {
 public:
  static constexpr const char* kReadError = "read failed (test)";
  static constexpr const char* kWriteError = "disk full (test)";

  std::map<std::filesystem::path, std::string> files;
  std::set<std::filesystem::path> unreadable;
  // Replaces that succeed before every further one fails; negative: all do.
  int replacesBeforeFailure = -1;
  int replaceCount = 0;  // successful replaces so far

  bool Exists(const std::filesystem::path& path) override { return files.count(path) != 0; }

  platform::ReadResult ReadAll(const std::filesystem::path& path) override {
    auto found = files.find(path);
    if (found == files.end() || unreadable.count(path)) return {false, {}, kReadError};
    return {true, found->second, {}};
  }

  std::string ReplaceAtomically(const std::filesystem::path& path,
                                std::string_view bytes) override {
    if (replacesBeforeFailure >= 0 && replaceCount >= replacesBeforeFailure) return kWriteError;
    files[path] = std::string(bytes);
    ++replaceCount;
    return {};
  }
};

}  // namespace qpad::testing
