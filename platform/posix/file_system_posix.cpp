// POSIX implementation of the data-file access, for the native builds that
// run the unit tests and benchmarks.

#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace qpad::platform {
namespace {

std::string ErrorText(int error) { return std::strerror(error); }

class PosixFileSystem final : public FileSystem {
 public:
  bool Exists(const std::filesystem::path& path) override {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
  }

  ReadResult ReadAll(const std::filesystem::path& path) override {
    ReadResult result;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      result.error = ErrorText(errno);
      return result;
    }
    char buffer[65536];
    for (;;) {
      ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0) {
        if (errno == EINTR) continue;
        result.error = ErrorText(errno);
        ::close(fd);
        return result;
      }
      if (n == 0) break;
      result.bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    result.ok = true;
    return result;
  }

  std::string ReplaceAtomically(const std::filesystem::path& path,
                                std::string_view bytes) override {
    // A file marked read-only refuses the write, as it does on Windows,
    // even for a user (such as root) whom the system would let through.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0)
      return ErrorText(EACCES);

    std::string temp = path.string() + ".tmp-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return ErrorText(errno);
    const char* data = bytes.data();
    size_t left = bytes.size();
    int error = 0;
    while (left > 0) {
      ssize_t n = ::write(fd, data, left);
      if (n < 0) {
        if (errno == EINTR) continue;
        error = errno;
        break;
      }
      data += n;
      left -= static_cast<size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0) ::chmod(temp.c_str(), 0644);
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
      ::unlink(temp.c_str());
      return ErrorText(error);
    }
    return {};
  }
};

}  // namespace

FileSystem& RealFileSystem() {
  static PosixFileSystem fileSystem;
  return fileSystem;
}

std::filesystem::path PathInFolder(const std::filesystem::path& folder,
                                   std::string_view cp932FileName) {
  return folder / std::string(cp932FileName);
}

std::filesystem::path ProgramFolder() {
  std::error_code ignored;
  return std::filesystem::read_symlink("/proc/self/exe", ignored).parent_path();
}

std::string PathToUtf8(const std::filesystem::path& path) { return path.string(); }

}  // namespace qpad::platform
