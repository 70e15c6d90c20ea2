#pragma once
// An INI file held as its Shift-JIS bytes, read and changed with the rules
// of Windows private-profile files:
// - a line "[name]" opens a section, a line "key=value" holds a value, a
//   line whose first non-blank byte is ";" is a comment;
// - section and key names match without regard to ASCII case (the bytes of
//   double-byte characters are compared as they are);
// - a read returns the value with surrounding blanks removed, at most
//   kMaxValueBytes bytes;
// - a write replaces the value of the first matching key in place, or adds
//   the key after the last non-blank line of the section, creating the
//   section at the end of the file when it is missing. Every other byte of
//   the file stays as it was; lines that the write adds end in CR LF.
// Lines may end in CR LF, LF or CR.

#include <optional>
#include <string>
#include <string_view>

namespace qpad {

class IniFile {
 public:
  static constexpr size_t kMaxValueBytes = 2047;

  IniFile() = default;
  explicit IniFile(std::string bytes) : bytes_(std::move(bytes)) {}

  // The value of `key` in the first section named `section` that holds it;
  // nullopt when there is none.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // The value, or `fallback` when the key is absent.
  std::string Read(std::string_view section, std::string_view key,
                   std::string_view fallback) const {
    std::optional<std::string> value = Find(section, key);
    return value ? *value : std::string(fallback);
  }

  // False, and nothing changed, when the names or the value cannot be held
  // by one line of the file (a line break anywhere, "=" in the key, "]" in
  // the section, an empty name).
  bool Write(std::string_view section, std::string_view key, std::string_view value);

  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace qpad
