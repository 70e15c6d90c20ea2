// Qpad's end writes the values it owns and the recent-phrase menu, whether
// its main window closes or the user's session ends.
#include "tests/e2e/qpad_e2e_test.h"

namespace qpad::e2e {
namespace {

// Values that differ from what Qpad loaded from the basic data set.
void OverwriteExitKeysBehindQpadsBack(const TestFolder& folder) {
  std::string settings = folder.Read("Qpad.ini");
  for (auto [key, value] : {std::pair{"WaitTimeFlg", "1"}, {"InetBrowserNS", "1"}, {"Hook_ON", "0"},
                            {"MenuNo", "5"}, {"iBast16", "12"}, {"SbTime", "44"}})
    settings = WithIniValue(settings, "SBTIMESET", key, value);
  folder.Write("Qpad.ini", settings);
  folder.Remove("文字列投入.csv");
}

class Shutdown : public QpadE2eTest {
 protected:
  void ExpectExitWritten(const std::string& history) {
    EXPECT_EQ(SettingsValue("SBTIMESET", "WaitTimeFlg"), "0");
    EXPECT_EQ(SettingsValue("SBTIMESET", "InetBrowserNS"), "0");
    EXPECT_EQ(SettingsValue("SBTIMESET", "Hook_ON"), "1");
    EXPECT_EQ(SettingsValue("SBTIMESET", "MenuNo"), "2");
    EXPECT_EQ(SettingsValue("SBTIMESET", "iBast16"), "3");
    EXPECT_EQ(SettingsValue("SBTIMESET", "SbTime"), "44") << "a key that Qpad does not own";
    EXPECT_EQ(Folder().Read("文字列投入.csv"), history);
  }
};

TEST_F(Shutdown, ClosingWritesTheExitKeysAndTheHistoryMenu) {
  const std::string history = Folder().Read("文字列投入.csv");
  ChildProcess& qpad = StartRunningQpad();
  OverwriteExitKeysBehindQpadsBack(Folder());

  CloseQpad(qpad);
  EXPECT_EQ(qpad.ExitCode(), 0u);
  ExpectExitWritten(history);
  EXPECT_FALSE(ReadHookLink().present) << "the shared block outlived Qpad";
}

TEST_F(Shutdown, EndOfTheSessionSavesAsTheExitDoes) {
  const std::string history = Folder().Read("文字列投入.csv");
  ChildProcess& qpad = StartRunningQpad();
  OverwriteExitKeysBehindQpadsBack(Folder());
  HWND main = MainWindowOf(qpad);

  DWORD_PTR mayEnd = 0;
  ASSERT_TRUE(::SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                                    10000, &mayEnd));
  EXPECT_TRUE(mayEnd);
  ::SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 10000, nullptr);
  EXPECT_EQ(FindMessageBox(qpad.Id()), nullptr);
  ExpectExitWritten(history);
  EXPECT_TRUE(qpad.WaitForExit());
}

}  // namespace
}  // namespace qpad::e2e
