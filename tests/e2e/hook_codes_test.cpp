// The hook's press and release codes reach Qpad for taps anywhere on the
// desktop, also while one of Qpad's message boxes runs its own loop; and
// with the assistant switched off, no code changes anything.
#include "tests/e2e/qpad_e2e_test.h"

namespace qpad::e2e {
namespace {

using HookCodes = QpadE2eTest;

std::vector<WPARAM> Codes(const MessageSpy& spy) { return spy.WParamsOf(RegisteredHookMessage()); }

TEST_F(HookCodes, TapAnywhereReachesQpadAsPressThenRelease) {
  ChildProcess& qpad = StartRunningQpad();
  MessageSpy spy;
  ASSERT_TRUE(spy.Attach(qpad.MainThreadId(), {RegisteredHookMessage()}));

  // Corners, the middle, and the taskbar along the bottom edge.
  const POINT places[] = {{0, 0}, {1023, 0}, {512, 384}, {5, 700}, {1012, 758}};
  std::vector<WPARAM> expected;
  for (POINT place : places) {
    pointer.Tap(place);
    expected.insert(expected.end(), {1, 2});
    ASSERT_TRUE(WaitUntil([&] { return Codes(spy).size() >= expected.size(); }))
        << "no codes for the tap at " << place.x << "," << place.y;
  }
  EXPECT_EQ(Codes(spy), expected);
}

TEST_F(HookCodes, AreHandledWhileAMessageBoxOfQpadIsOpen) {
  ChildProcess& qpad = StartRunningQpad();
  MessageSpy spy;
  ASSERT_TRUE(spy.Attach(qpad.MainThreadId(), {RegisteredHookMessage()}));

  // A reload that misses a menu file leaves its message open.
  const std::string menu2 = Folder().Read("文字列投入２.csv");
  Folder().Remove("文字列投入２.csv");
  ASSERT_TRUE(PostHookCode(3));
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(qpad.Id())) != nullptr; }));
  EXPECT_EQ(MessageBoxText(box), "データ（文字列投入２.csv）がありません");

  pointer.Tap({700, 200});
  EXPECT_TRUE(WaitUntil([&] { return Codes(spy) == std::vector<WPARAM>{3, 1, 2}; }));

  // A second reload runs inside the box's loop: it writes the mode flags
  // before it reads, while the first box is still open.
  Folder().Write("文字列投入２.csv", menu2);
  Folder().Write("Qpad.ini", WithIniValue(Folder().Read("Qpad.ini"), "SBTIMESET", "WaitTimeFlg", "1"));
  ASSERT_TRUE(PostHookCode(3));
  EXPECT_TRUE(WaitUntil([&] { return SettingsValue("SBTIMESET", "WaitTimeFlg") == "0"; }))
      << "the reload did not run while the message box was open";
  Screenshot("message-box-open");
  EXPECT_TRUE(IsVisible(box));
  PressOk(box);
  EXPECT_TRUE(WaitUntil([&] { return FindMessageBox(qpad.Id()) == nullptr; }));
  EXPECT_TRUE(qpad.Alive());
}

TEST_F(HookCodes, ChangeNothingWhileTheAssistantIsOff) {
  Folder().Write("Qpad.ini", WithIniValue(Folder().Read("Qpad.ini"), "SBTIMESET", "Hook_ON", "0"));
  ChildProcess& qpad = StartRunningQpad();
  MessageSpy spy;
  ASSERT_TRUE(spy.Attach(qpad.MainThreadId(), {RegisteredHookMessage()}));
  HWND main = MainWindowOf(qpad);
  const RECT placeBefore = WindowRect(main);
  const std::string history = Folder().Read("文字列投入.csv");

  // Behind Qpad's back: what a reload would read.
  Folder().Write("Qpad.ini", WithIniValue(Folder().Read("Qpad.ini"), "SBTIMESET", "iBast16", "9"));
  Folder().Write("文字列投入.csv", Sjis("文字列投入\n[#新#][M:]新しい\n"));

  pointer.Tap({400, 400});
  ASSERT_TRUE(PostHookCode(3));
  ASSERT_TRUE(WaitUntil([&] { return Codes(spy) == std::vector<WPARAM>{1, 2, 3}; }));
  const RECT placeAfter = WindowRect(main);
  EXPECT_TRUE(::EqualRect(&placeBefore, &placeAfter));

  // Nothing was reloaded: the exit, which comes after the codes in Qpad's
  // queue, writes what Qpad read at its start.
  CloseQpad(qpad);
  EXPECT_EQ(SettingsValue("SBTIMESET", "iBast16"), "3");
  EXPECT_EQ(SettingsValue("SBTIMESET", "Hook_ON"), "0");
  EXPECT_EQ(Folder().Read("文字列投入.csv"), history);
}

}  // namespace
}  // namespace qpad::e2e
