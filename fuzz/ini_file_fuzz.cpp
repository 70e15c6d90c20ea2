// The INI reader and writer on any bytes: reads stay within their limits, a
// write is read back, changes no other section, and the settings load
// never fails but for a conversion.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "shared/ini_file.h"
#include "shared/settings_file.h"
#include "tests/support/memory_file_system.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void CheckValue(const qpad::IniFile& ini, const char* section, const char* key) {
  std::optional<std::string> value = ini.Find(section, key);
  if (!value) return;
  FUZZ_CHECK(value->size() <= qpad::IniFile::kMaxValueBytes);
  FUZZ_CHECK(value->find_first_of("\r\n") == std::string::npos);
  FUZZ_CHECK(value->empty() || (!IsBlank(value->front()) && !IsBlank(value->back())));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const qpad::IniFile ini(bytes);
  CheckValue(ini, "SBTIMESET", "WaitTime");
  CheckValue(ini, "menu_list", "MenuItem_1");

  qpad::IniFile changed = ini;
  FUZZ_CHECK(changed.Write("SBTIMESET", "WaitTime", "12"));
  FUZZ_CHECK(changed.Find("sbtimeset", "waittime") == std::optional<std::string>("12"));
  FUZZ_CHECK(changed.Find("MENU_LIST", "MenuItem_1") == ini.Find("MENU_LIST", "MenuItem_1"));
  FUZZ_CHECK(changed.Write("New Section", "Key", " value "));
  FUZZ_CHECK(changed.Find("new section", "key") == std::optional<std::string>("value"));
  FUZZ_CHECK(changed.Find("SBTIMESET", "WaitTime") == std::optional<std::string>("12"));

  qpad::testing::MemoryFileSystem files;
  qpad::DataFolder folder{"/q", &files};
  files.files[folder.SettingsPath()] = bytes;
  qpad::SettingsRecord settings;
  qpad::MenuNames names;
  qpad::MenuTable table;
  qpad::LoadSettingsResult result = qpad::LoadSettings(folder, settings, names, table);
  FUZZ_CHECK(result.found);
  if (result.complete()) {
    FUZZ_CHECK(settings.iBast16 >= 1);
    FUZZ_CHECK(settings.MenuItem_Count >= 0);
    FUZZ_CHECK(table.size() == names.size() + 1 && names.size() == size_t(settings.MenuItem_Count));
  }
  return 0;
}
