#pragma once
// The values of the settings file "Qpad.ini", one field per key. Times are in
// units of 100 ms, iUnVis in pixels. Both programs fill every field.

#include <cstdint>
#include <string>
#include <vector>

namespace qpad {

struct SettingsRecord {
  bool Hook_ON = false;
  bool WaitTimeFlg = false;
  int32_t WaitTime = 10;
  int32_t SbTime = 10;
  int32_t SbTime_ck = 10;
  int32_t SbUnTime = 30;
  int32_t SbDrawTime = 30;
  int32_t SbDrawUnTime = 10;
  int32_t SbDrawBakTime = 150;
  int32_t iUnVis = 5;
  int32_t iBast16 = 1;
  bool InetBrowserNS = false;
  int32_t MenuNo = 0;
  int32_t MenuItem_Count = 0;
};

// The menu names of the settings file's "MENU_LIST", in key order, as
// Shift-JIS bytes.
using MenuNames = std::vector<std::string>;

}  // namespace qpad
