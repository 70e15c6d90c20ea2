#pragma once
// The settings file "Qpad.ini": loading into the SettingsRecord and the four
// writes that the two programs make. Each write goes to the file at once.

#include <string>

#include "shared/data_folder.h"
#include "shared/menu_table.h"
#include "shared/settings_record.h"

namespace qpad {

struct LoadSettingsResult {
  // False when the file does not exist or cannot be read; then nothing was
  // changed.
  bool found = false;
  // The system's text when the file exists but could not be read.
  std::string readError;
  // "'%s' は整数ではありません" when a numeric key did not convert. The load
  // stopped at that key: it and the keys after it keep their previous
  // values. MenuNames and the MenuTable are reset only once the load has
  // read MenuItem_Count (only iUnVis comes after them).
  std::string conversionError;

  bool complete() const { return found && conversionError.empty(); }
};

// Reads the file into `settings` and `names` and resets `table` to one entry
// per menu ("Main", then the named menus) holding only the menu's name. A
// negative MenuItem_Count counts as 0, one above 1000 as 1000.
LoadSettingsResult LoadSettings(const DataFolder& data, SettingsRecord& settings, MenuNames& names,
                                MenuTable& table);

// Qpad at exit: WaitTimeFlg, InetBrowserNS, Hook_ON, MenuNo, iBast16.
Status SaveExitSettings(const DataFolder& data, const SettingsRecord& settings);

// Qpad before a reload: WaitTimeFlg, Hook_ON.
Status SaveModeFlags(const DataFolder& data, const SettingsRecord& settings);

// Qpad_Set at exit: the timings, InetBrowserNS, MenuNo, iUnVis and the menu
// list (count, then "MenuItem_1" ... "MenuItem_n"; higher keys are kept).
Status SaveEditorSettings(const DataFolder& data, const SettingsRecord& settings,
                          const MenuNames& names);

}  // namespace qpad
