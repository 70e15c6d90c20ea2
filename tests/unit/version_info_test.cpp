#include "resident/version_info.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace qpad {
namespace {

class FakeVersionReader : public VersionInfoReader {
 public:
  uint32_t InfoSize() override { return size; }
  bool ReadInfo(uint32_t bytes) override {
    readSize = bytes;
    return readable;
  }
  std::optional<uint32_t> FirstTranslation() override { return translation; }
  std::string StringValue(const std::string& path) override {
    queried.push_back(path);
    auto found = strings.find(path);
    return found == strings.end() ? std::string() : found->second;
  }

  uint32_t size = 0;
  bool readable = true;
  std::optional<uint32_t> translation;
  std::map<std::string, std::string> strings;
  uint32_t readSize = 0;
  std::vector<std::string> queried;
};

TEST(VersionQueryPath, LanguageThenCodePageInUpperCaseHex) {
  EXPECT_EQ(VersionQueryPath(0x03A40411, "FileVersion"), "\\StringFileInfo\\041103A4\\FileVersion");
  EXPECT_EQ(VersionQueryPath(0x04b00409, "ProductName"), "\\StringFileInfo\\040904B0\\ProductName");
  EXPECT_EQ(VersionQueryPath(0x00000007, "Comments"), "\\StringFileInfo\\00070000\\Comments");
}

TEST(ReadVersionValue, Cases) {
  const std::string kPath = "\\StringFileInfo\\041103A4\\FileVersion";
  struct Case {
    const char* what;
    uint32_t size;
    bool readable;
    std::optional<uint32_t> translation;
    std::map<std::string, std::string> strings;
    VersionValue expected;
  };
  const Case cases[] = {
      {"the program's own resource", 412, true, 0x03A40411, {{kPath, "1.0.1.9"}}, {"1.0.1.9", ""}},
      {"no version information", 0, true, std::nullopt, {}, {"", ""}},
      {"no translation entry", 412, true, std::nullopt, {{kPath, "1.0.1.9"}},
       {"", "情報の取得に失敗しました"}},
      {"no FileVersion under the translation", 412, true, 0x03A40411, {{"\\StringFileInfo\\040904B0\\FileVersion", "2.0"}},
       {"", ""}},
      {"information that cannot be read", 412, false, 0x03A40411, {{kPath, "1.0.1.9"}},
       {"", "情報の取得に失敗しました"}},
  };
  for (const Case& c : cases) {
    FakeVersionReader reader;
    reader.size = c.size;
    reader.readable = c.readable;
    reader.translation = c.translation;
    reader.strings = c.strings;
    VersionValue value = ReadVersionValue(kFileVersionIndex, reader);
    EXPECT_EQ(value.text, c.expected.text) << c.what;
    EXPECT_EQ(value.error, c.expected.error) << c.what;
    if (c.size != 0) {
      EXPECT_EQ(reader.readSize, c.size) << c.what;
    }
  }
}

}  // namespace
}  // namespace qpad
