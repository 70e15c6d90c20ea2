#pragma once
// Whole-file reading and writing for the data files. The data layer builds a
// file's complete contents in memory and hands them over in one piece, so a
// failed write never leaves a half-written file behind.

#include <filesystem>
#include <string>
#include <string_view>

namespace qpad::platform {

struct ReadResult {
  bool ok = false;
  std::string bytes;  // the file's contents, unchanged
  std::string error;  // UTF-8 text of the system's error when !ok
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual bool Exists(const std::filesystem::path& path) = 0;
  virtual ReadResult ReadAll(const std::filesystem::path& path) = 0;

  // Writes `bytes` to a temporary file in the same folder, flushes it and
  // then replaces `path` with it. On failure the old file is untouched and
  // the system's error text (UTF-8) is returned; empty on success.
  virtual std::string ReplaceAtomically(const std::filesystem::path& path,
                                        std::string_view bytes) = 0;
};

// The file system of the machine the program runs on.
FileSystem& RealFileSystem();

// `folder` joined with a file name given as Shift-JIS bytes (a menu's name
// followed by ".csv"). On Windows the name is converted with code page 932.
std::filesystem::path PathInFolder(const std::filesystem::path& folder,
                                   std::string_view cp932FileName);

// The folder of the running program file; the data files lie there.
std::filesystem::path ProgramFolder();

// A path as UTF-8 text, for messages.
std::string PathToUtf8(const std::filesystem::path& path);

}  // namespace qpad::platform
