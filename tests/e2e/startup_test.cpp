// Qpad's start: the windows it makes, the shared block, the single instance,
// and the starts that fail without touching a file.
#include "tests/e2e/qpad_e2e_test.h"

namespace qpad::e2e {
namespace {

using Startup = QpadE2eTest;

TEST_F(Startup, MakesItsWindowsAndTheSharedBlock) {
  ChildProcess& qpad = StartRunningQpad();

  HWND main = MainWindowOf(qpad);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(WindowText(main), "Quillpad");
  RECT rect = WindowRect(main);
  EXPECT_EQ(rect.left, -451);
  EXPECT_EQ(rect.top, 18);
  EXPECT_EQ(rect.right - rect.left, 86);
  EXPECT_EQ(rect.bottom - rect.top, 101);
  EXPECT_TRUE(HasExStyle(main, WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
  EXPECT_EQ(::GetWindowLongPtrW(main, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);

  for (const wchar_t* hiddenClass : {L"TAboutBox", L"TFrm_PopMenu"}) {
    HWND window = FindProcessWindow(qpad.Id(), hiddenClass);
    ASSERT_NE(window, nullptr) << "no window of class " << platform::WideToUtf8(hiddenClass);
    EXPECT_FALSE(IsVisible(window));
  }

  HookLink link = ReadHookLink();
  EXPECT_TRUE(link.present);
  EXPECT_EQ(link.window, main);
  EXPECT_EQ(link.message, RegisteredHookMessage());
  EXPECT_EQ(FindMessageBox(qpad.Id()), nullptr);
}

TEST_F(Startup, RunsOnTheShippedDataAndEndsWritingOnlyWhatItOwns) {
  UseDataSet(kShippedDataSet);
  const FolderSnapshot before = Folder().Snapshot();
  ChildProcess& qpad = StartRunningQpad();
  EXPECT_EQ(FindMessageBox(qpad.Id()), nullptr);
  CloseQpad(qpad);

  // Only the settings file and menu 1 may change, and the shipped files
  // already hold what Qpad writes back.
  const FolderSnapshot after = Folder().Snapshot();
  EXPECT_TRUE(after == before) << before.DifferencesTo(after);
}

TEST_F(Startup, SecondCopyIsRefusedAndTheFirstKeepsWorking) {
  ChildProcess& first = StartRunningQpad();
  const HWND firstWindow = MainWindowOf(first);
  MessageSpy spy;
  ASSERT_TRUE(spy.Attach(first.MainThreadId(), {RegisteredHookMessage()}));
  const FolderSnapshot before = Folder().Snapshot();

  ChildProcess& second = StartQpad();
  MessageBoxSeen box = AnswerMessageBox(second);
  EXPECT_EQ(box.text, "２重起動はできません");
  EXPECT_EQ(box.caption, "Quillpad");
  EXPECT_TRUE(second.WaitForExit()) << "the second copy did not end";
  EXPECT_EQ(second.ExitCode(), 1u);

  EXPECT_TRUE(first.Alive());
  EXPECT_EQ(ReadHookLink().window, firstWindow);
  pointer.Tap({300, 300});
  EXPECT_TRUE(WaitUntil([&] { return spy.WParamsOf(RegisteredHookMessage()).size() >= 2; }))
      << "the first copy's hook no longer reports taps";
  const FolderSnapshot after = Folder().Snapshot();
  EXPECT_TRUE(after == before) << before.DifferencesTo(after);
}

// A start that fails shows its messages in order, ends, and writes nothing.
struct FailedStart {
  const char* name;
  void (*spoil)(const TestFolder& folder);
  std::vector<std::string> messages;
};

class FailedStartup : public QpadE2eTest, public ::testing::WithParamInterface<FailedStart> {};

TEST_P(FailedStartup, ShowsItsMessagesAndEndsWithoutWriting) {
  GetParam().spoil(Folder());
  const FolderSnapshot before = Folder().Snapshot();

  ChildProcess& qpad = StartQpad();
  for (const std::string& expected : GetParam().messages) {
    MessageBoxSeen box = AnswerMessageBox(qpad);
    ASSERT_TRUE(box.shown) << "no message box for: " << expected;
    EXPECT_EQ(box.text, expected);
    EXPECT_EQ(box.caption, "Quillpad");
  }
  EXPECT_TRUE(qpad.WaitForExit()) << "Qpad did not end after its start-up error";
  EXPECT_EQ(qpad.ExitCode(), 1u);
  const FolderSnapshot after = Folder().Snapshot();
  EXPECT_TRUE(after == before) << before.DifferencesTo(after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedStartup,
    ::testing::Values(
        FailedStart{"MissingSettingsFile",
                    [](const TestFolder& folder) { folder.Remove("Qpad.ini"); },
                    {"起動時にエラーが発生しました。"}},
        FailedStart{"MissingMenuFile",
                    [](const TestFolder& folder) { folder.Remove("文字列投入２.csv"); },
                    {"データ（文字列投入２.csv）がありません", "起動時にエラーが発生しました。"}},
        FailedStart{"SettingThatIsNotANumber",
                    [](const TestFolder& folder) {
                      folder.Write("Qpad.ini",
                                   WithIniValue(folder.Read("Qpad.ini"), "SBTIMESET", "WaitTime", "abc"));
                    },
                    {"'abc' は整数ではありません", "起動時にエラーが発生しました。"}}),
    [](const ::testing::TestParamInfo<FailedStart>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qpad::e2e
