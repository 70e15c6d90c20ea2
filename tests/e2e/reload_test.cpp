// A reload request (code 3, as the settings editor posts it when it closes):
// the two mode flags are written first, then the settings file and every
// menu file are read again.
#include "tests/e2e/qpad_e2e_test.h"

namespace qpad::e2e {
namespace {

using Reload = QpadE2eTest;

TEST_F(Reload, WritesTheModeFlagsThenReadsTheFilesAgain) {
  ChildProcess& qpad = StartRunningQpad();

  // Behind Qpad's back, as an editor would: other mode flags, another slot,
  // and a menu 1 written with bare LF line ends.
  std::string settings = Folder().Read("Qpad.ini");
  settings = WithIniValue(settings, "SBTIMESET", "WaitTimeFlg", "1");
  settings = WithIniValue(settings, "SBTIMESET", "Hook_ON", "0");
  settings = WithIniValue(settings, "SBTIMESET", "iBast16", "9");
  Folder().Write("Qpad.ini", settings);
  Folder().Write("文字列投入.csv", Sjis("文字列投入\n[#新#][M:]新しい\n\n[#次#][M:]次の\n"));

  ASSERT_TRUE(PostHookCode(3));
  EXPECT_TRUE(WaitUntil([&] { return SettingsValue("SBTIMESET", "WaitTimeFlg") == "0"; }))
      << "the mode flags were not written";
  EXPECT_EQ(SettingsValue("SBTIMESET", "Hook_ON"), "1");
  EXPECT_EQ(FindMessageBox(qpad.Id()), nullptr);

  // The exit writes what the reload read: the slot from the file, the mode
  // flags that Qpad kept, and menu 1 as read, in its own line ends.
  CloseQpad(qpad);
  EXPECT_EQ(SettingsValue("SBTIMESET", "iBast16"), "9");
  EXPECT_EQ(SettingsValue("SBTIMESET", "WaitTimeFlg"), "0");
  EXPECT_EQ(SettingsValue("SBTIMESET", "Hook_ON"), "1");
  EXPECT_EQ(Folder().Read("文字列投入.csv"), Sjis("文字列投入\r\n[#新#][M:]新しい\r\n[#次#][M:]次の\r\n"));
}

}  // namespace
}  // namespace qpad::e2e
