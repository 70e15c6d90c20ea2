#include "resident/version_info.h"

#include <cstdio>

namespace qpad {

const std::array<std::string_view, 12> kVersionValueNames = {
    "Comments",         "CompanyName",     "FileDescription", "FileVersion",
    "InternalName",     "LegalCopyright",  "LegalTrademarks", "OriginalFilename",
    "PrivateBuild",     "ProductName",     "ProductVersion",  "SpecialBuild",
};

namespace {
constexpr std::string_view kLookupFailed = "情報の取得に失敗しました";
}  // namespace

std::string VersionQueryPath(uint32_t translation, std::string_view valueName) {
  char block[9];
  std::snprintf(block, sizeof block, "%04X%04X", static_cast<unsigned>(translation & 0xFFFF),
                static_cast<unsigned>(translation >> 16));
  return "\\StringFileInfo\\" + std::string(block) + "\\" + std::string(valueName);
}

VersionValue ReadVersionValue(int index, VersionInfoReader& reader) {
  if (index < 0 || index >= static_cast<int>(kVersionValueNames.size())) return {};
  uint32_t size = reader.InfoSize();
  if (size == 0) return {};
  if (!reader.ReadInfo(size)) return {{}, std::string(kLookupFailed)};
  std::optional<uint32_t> translation = reader.FirstTranslation();
  if (!translation) return {{}, std::string(kLookupFailed)};
  return {reader.StringValue(VersionQueryPath(*translation, kVersionValueNames[index])), {}};
}

}  // namespace qpad
