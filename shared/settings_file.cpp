#include "shared/settings_file.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/text_codec.h"
#include "shared/decimal_text.h"
#include "shared/ini_file.h"

namespace qpad {
namespace {

constexpr std::string_view kTimes = "SBTIMESET";
constexpr std::string_view kMenuList = "MENU_LIST";
constexpr std::string_view kSystem = "SYSTEM";

// A damaged count must not make the program hold billions of menus; no real
// menu list comes near this.
constexpr int32_t kMaxMenus = 1000;

// One key of "SBTIMESET" as LoadSettings reads it, in file order. A flag
// has `flag` set; a number has `number` and the text used when the value is
// empty.
struct TimesKey {
  std::string_view key;
  bool SettingsRecord::*flag;
  int32_t SettingsRecord::*number;
  std::string_view fallback;
};

constexpr std::array<TimesKey, 12> kTimesKeys = {{
    {"Hook_ON", &SettingsRecord::Hook_ON, nullptr, ""},
    {"WaitTimeFlg", &SettingsRecord::WaitTimeFlg, nullptr, ""},
    {"WaitTime", nullptr, &SettingsRecord::WaitTime, "10"},
    {"SbTime", nullptr, &SettingsRecord::SbTime, "10"},
    {"SbTime_ck", nullptr, &SettingsRecord::SbTime_ck, "10"},
    {"SbUnTime", nullptr, &SettingsRecord::SbUnTime, "30"},
    {"SbDrawTime", nullptr, &SettingsRecord::SbDrawTime, "30"},
    {"SbDrawUnTime", nullptr, &SettingsRecord::SbDrawUnTime, "10"},
    {"SbDrawBakTime", nullptr, &SettingsRecord::SbDrawBakTime, "150"},
    {"iBast16", nullptr, &SettingsRecord::iBast16, "0"},
    {"InetBrowserNS", &SettingsRecord::InetBrowserNS, nullptr, ""},
    {"MenuNo", nullptr, &SettingsRecord::MenuNo, "0"},
}};

// Flags are on when present and not exactly "0".
bool FlagValue(const std::string& text) { return !text.empty() && text != "0"; }

std::string FlagText(bool on) { return on ? "1" : "0"; }

// Reads a number with the default text for an empty value; the conversion
// error when it is not a decimal integer.
std::optional<int32_t> ReadNumber(const IniFile& ini, std::string_view section,
                                  std::string_view key, std::string_view fallback,
                                  std::string& error) {
  std::string text = ini.Read(section, key, "");
  if (text.empty()) text = fallback;
  std::optional<int32_t> value = ParseDecimal(text);
  if (!value) error = NotAnIntegerMessage(text);
  return value;
}

// Fills `settings` key by key; stops at the first value that does not
// convert, so that the keys after it keep what they held.
bool ReadTimes(const IniFile& ini, SettingsRecord& settings, std::string& error) {
  for (const TimesKey& entry : kTimesKeys) {
    if (entry.flag) {
      settings.*entry.flag = FlagValue(ini.Read(kTimes, entry.key, ""));
      continue;
    }
    std::optional<int32_t> value = ReadNumber(ini, kTimes, entry.key, entry.fallback, error);
    if (!value) return false;
    settings.*entry.number = *value;
  }
  // The recent-phrase slots are numbered from 1.
  if (settings.iBast16 <= 0) settings.iBast16 = 1;
  return true;
}

std::string MenuKey(int32_t k) { return "MenuItem_" + DecimalText(k); }

void ResetTable(const MenuNames& names, MenuTable& table) {
  table.assign(1, Menu{{"Main"}, false});
  for (const std::string& name : names) table.push_back(Menu{{name}, false});
}

// One value to write.
struct IniWrite {
  std::string_view section;
  std::string key;
  std::string value;
};

// Writes the values one after another, each straight to the file, and
// stops at the first that the file refuses: the ones before stay written.
Status WriteInOrder(const DataFolder& data, const std::vector<IniWrite>& writes) {
  const std::filesystem::path path = data.SettingsPath();
  const Status refused{platform::PathToUtf8(path) + " に書き込めません"};
  IniFile ini;
  if (data.fileSystem->Exists(path)) {
    platform::ReadResult read = data.fileSystem->ReadAll(path);
    // Writing without the old contents would lose them.
    if (!read.ok) return refused;
    ini = IniFile(std::move(read.bytes));
  }
  for (const IniWrite& write : writes) {
    if (!ini.Write(write.section, write.key, write.value)) return refused;
    if (!data.fileSystem->ReplaceAtomically(path, ini.Bytes()).empty()) return refused;
  }
  return Status::Ok();
}

}  // namespace

LoadSettingsResult LoadSettings(const DataFolder& data, SettingsRecord& settings, MenuNames& names,
                                MenuTable& table) {
  LoadSettingsResult result;
  const std::filesystem::path path = data.SettingsPath();
  if (!data.fileSystem->Exists(path)) return result;
  platform::ReadResult read = data.fileSystem->ReadAll(path);
  if (!read.ok) {
    result.readError = read.error;
    return result;
  }
  result.found = true;
  const IniFile ini(std::move(read.bytes));

  if (!ReadTimes(ini, settings, result.conversionError)) return result;

  std::optional<int32_t> count =
      ReadNumber(ini, kMenuList, "MenuItem_Count", "0", result.conversionError);
  if (!count) return result;
  settings.MenuItem_Count = *count < 0 ? 0 : (*count > kMaxMenus ? kMaxMenus : *count);
  names.clear();
  for (int32_t k = 1; k <= settings.MenuItem_Count; ++k)
    names.push_back(ini.Read(kMenuList, MenuKey(k), ""));
  ResetTable(names, table);

  std::optional<int32_t> margin = ReadNumber(ini, kSystem, "iUnVis", "5", result.conversionError);
  if (margin) settings.iUnVis = *margin;
  return result;
}

Status SaveExitSettings(const DataFolder& data, const SettingsRecord& settings) {
  return WriteInOrder(data, {
                                {kTimes, "WaitTimeFlg", FlagText(settings.WaitTimeFlg)},
                                {kTimes, "InetBrowserNS", FlagText(settings.InetBrowserNS)},
                                {kTimes, "Hook_ON", FlagText(settings.Hook_ON)},
                                {kTimes, "MenuNo", DecimalText(settings.MenuNo)},
                                {kTimes, "iBast16", DecimalText(settings.iBast16)},
                            });
}

Status SaveModeFlags(const DataFolder& data, const SettingsRecord& settings) {
  return WriteInOrder(data, {
                                {kTimes, "WaitTimeFlg", FlagText(settings.WaitTimeFlg)},
                                {kTimes, "Hook_ON", FlagText(settings.Hook_ON)},
                            });
}

Status SaveEditorSettings(const DataFolder& data, const SettingsRecord& settings,
                          const MenuNames& names) {
  std::vector<IniWrite> writes = {
      {kTimes, "WaitTime", DecimalText(settings.WaitTime)},
      {kTimes, "SbTime", DecimalText(settings.SbTime)},
      {kTimes, "SbTime_ck", DecimalText(settings.SbTime_ck)},
      {kTimes, "SbUnTime", DecimalText(settings.SbUnTime)},
      {kTimes, "SbDrawTime", DecimalText(settings.SbDrawTime)},
      {kTimes, "SbDrawUnTime", DecimalText(settings.SbDrawUnTime)},
      {kTimes, "SbDrawBakTime", DecimalText(settings.SbDrawBakTime)},
      {kTimes, "InetBrowserNS", FlagText(settings.InetBrowserNS)},
      {kTimes, "MenuNo", DecimalText(settings.MenuNo)},
      {kSystem, "iUnVis", DecimalText(settings.iUnVis)},
      {kMenuList, "MenuItem_Count", DecimalText(static_cast<int32_t>(names.size()))},
  };
  for (size_t i = 0; i < names.size(); ++i)
    writes.push_back({kMenuList, MenuKey(static_cast<int32_t>(i + 1)), names[i]});
  return WriteInOrder(data, writes);
}

}  // namespace qpad
