#pragma once
// Where the data files lie (the programs' folder) and how they are reached.

#include <filesystem>

#include "platform/file_system.h"

namespace qpad {

struct DataFolder {
  std::filesystem::path folder;
  platform::FileSystem* fileSystem = &platform::RealFileSystem();

  std::filesystem::path SettingsPath() const { return folder / "Qpad.ini"; }
};

// The result of an operation that can fail: empty message on success,
// otherwise the UTF-8 text to show the user.
struct [[nodiscard]] Status {
  std::string message;
  bool ok() const { return message.empty(); }
  static Status Ok() { return {}; }
};

}  // namespace qpad
