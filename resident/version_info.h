#pragma once
// One string value of the running program's version resource, for the
// about box. The resource is reached through a small reader so that the
// lookup runs without the window system; the Win32 reader wraps
// GetFileVersionInfoSize, GetFileVersionInfo and VerQueryValue on the
// program file's full path and releases its buffer in every case.
//
// The about box's creation: r := ReadVersionValue(kFileVersionIndex, reader);
// with r.error set, show it in an error box and keep Label_Ver's "Ver";
// otherwise Label_Ver := r.text (empty when the file has no version).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qpad {

// The value names that ReadVersionValue's index selects.
extern const std::array<std::string_view, 12> kVersionValueNames;
constexpr int kFileVersionIndex = 3;  // "FileVersion"

class VersionInfoReader {
 public:
  virtual ~VersionInfoReader() = default;
  // The size of the program file's version information; 0 when it has none.
  virtual uint32_t InfoSize() = 0;
  // Reads the version information into a buffer of `size` bytes that the
  // reader owns. False when it cannot be read.
  virtual bool ReadInfo(uint32_t size) = 0;
  // The first entry of "\VarFileInfo\Translation": language in the low
  // 16 bits, code page in the high 16 bits. nullopt when the query gives a
  // length of 0.
  virtual std::optional<uint32_t> FirstTranslation() = 0;
  // The string at `path` as UTF-8; empty when the query gives a length of 0.
  virtual std::string StringValue(const std::string& path) = 0;
};

struct VersionValue {
  std::string text;   // the value; empty when there is none
  std::string error;  // "情報の取得に失敗しました" when the lookup failed
};

// "\StringFileInfo\" + language + code page, four upper-case hexadecimal
// digits each, + "\" + name: "\StringFileInfo\041103A4\FileVersion".
std::string VersionQueryPath(uint32_t translation, std::string_view valueName);

// The value `index` of kVersionValueNames under the first translation.
// No version information at all gives an empty text and no error.
VersionValue ReadVersionValue(int index, VersionInfoReader& reader);

}  // namespace qpad
