// The settings window: the timing bars show the stored values, the item
// lists are edited, and the end of the run writes every file and asks a
// running Qpad to reload.
#include "tests/e2e/editor_e2e_test.h"

#include <commctrl.h>

#include <algorithm>

namespace qpad::e2e {
namespace {

using SettingsWindow = EditorE2eTest;

const char* const kMenuFiles[] = {"Main.csv",       "文字列投入.csv",   "文字列投入２.csv",
                                  "ショートカット.csv", "プログラム起動.csv", "オペレーション.csv",
                                  "インターネット.csv", "文字列投入３.csv"};

// How many reload requests Qpad took from its queue (the taps on the
// editor reach it as press and release codes besides).
size_t Reloads(const MessageSpy& spy) {
  std::vector<WPARAM> codes = spy.WParamsOf(RegisteredHookMessage());
  return static_cast<size_t>(std::count(codes.begin(), codes.end(), WPARAM{3}));
}

TEST_F(SettingsWindow, ShowsStoredTimingsWithinTheBarsAndWritesThemBack) {
  ChildProcess& editor = StartEditor();
  EXPECT_EQ(WindowText(MainForm()), "Quillpad カスタマイズ");
  // Stored: WaitTime 0, SbTime 12, SbUnTime 30, SbDrawTime 250, SbDrawUnTime
  // 10, SbDrawBakTime 150, SbTime_ck 37, iUnVis 4.
  const int shown[] = {1, 12, 30, 200, 10, 150, 37, 5};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(BarPosition(i), shown[i]) << "bar " << i;
    EXPECT_EQ(ValueLabel(i), std::to_string(shown[i])) << "bar " << i;
  }
  EXPECT_EQ(WindowText(Main(ids::Label2)), "定型文字");
  EXPECT_EQ(ListRows(), (std::vector<std::string>{"挨拶", "署名", "挨拶", "住所"}));

  // The window closes through "終了" only.
  ::PostMessageW(MainForm(), WM_CLOSE, 0, 0);
  ::PostMessageW(MainForm(), WM_SYSCOMMAND, SC_CLOSE, 0);
  // Posted messages are handled in order: once the widening posted after
  // them has happened, the two requests to close have been handled.
  ::PostMessageW(MainForm(), WM_COMMAND, ids::SBtn_Kakutyou, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsVisible(Main(ids::SBtn_Kakutyou)); }));
  EXPECT_TRUE(IsVisible(MainForm()));

  EndEditor(editor);
  EXPECT_EQ(SettingsValue("SBTIMESET", "WaitTime"), "1");
  EXPECT_EQ(SettingsValue("SBTIMESET", "SbTime"), "12");
  EXPECT_EQ(SettingsValue("SBTIMESET", "SbDrawTime"), "200");
  EXPECT_EQ(SettingsValue("SBTIMESET", "SbTime_ck"), "37");
  EXPECT_EQ(SettingsValue("SYSTEM", "iUnVis"), "5");
  EXPECT_EQ(SettingsValue("SBTIMESET", "MenuNo"), "2");
  EXPECT_EQ(SettingsValue("MENU_LIST", "MenuItem_Count"), "7");
}

TEST_F(SettingsWindow, WithoutQpadStillWritesEveryFileAndPostsNothing) {
  ASSERT_FALSE(ReadHookLink().present);
  for (const char* file : kMenuFiles) Age(file);
  Age("Qpad.ini");
  const FolderSnapshot before = Folder().Snapshot();
  ChildProcess& editor = StartEditor();
  EndEditor(editor);
  for (const char* file : kMenuFiles) EXPECT_TRUE(WrittenSinceAged(file)) << file;
  EXPECT_TRUE(WrittenSinceAged("Qpad.ini"));
  // Only the clamped timings differ; the menus come back byte for byte.
  FolderSnapshot after = Folder().Snapshot();
  for (const char* file : kMenuFiles)
    EXPECT_EQ(after.files[file], before.files.at(file)) << file;
}

TEST_F(SettingsWindow, UnchangedRunWritesEveryFileAndQpadReloads) {
  ChildProcess& qpad = StartQpadBesideTheEditor();
  MessageSpy spy;
  ASSERT_TRUE(spy.Attach(qpad.MainThreadId(), {RegisteredHookMessage()}));
  for (const char* file : kMenuFiles) Age(file);
  ChildProcess& editor = StartEditor();
  // Behind both programs' backs: a reload writes Qpad's mode flags back
  // before it reads, so their return shows that Qpad reloaded.
  std::string settings = Folder().Read("Qpad.ini");
  Folder().Write("Qpad.ini", WithIniValue(settings, "SBTIMESET", "WaitTimeFlg", ""));
  EndEditor(editor);

  for (const char* file : kMenuFiles) EXPECT_TRUE(WrittenSinceAged(file)) << file;
  EXPECT_TRUE(WaitUntil([&] { return Reloads(spy) == 1; })) << "no code 3";
  EXPECT_TRUE(WaitUntil([&] { return SettingsValue("SBTIMESET", "WaitTimeFlg") == "0"; }))
      << "Qpad did not reload";
  EXPECT_TRUE(qpad.Alive());
}

TEST_F(SettingsWindow, ChangesReachTheFilesAndQpadReloads) {
  ChildProcess& qpad = StartQpadBesideTheEditor();
  MessageSpy spy;
  ASSERT_TRUE(spy.Attach(qpad.MainThreadId(), {RegisteredHookMessage()}));
  ChildProcess& editor = StartEditor();

  // The first bar moved up by its page size, as a tap beside its thumb does.
  TapMain(ids::SBtn_Kakutyou);
  ASSERT_TRUE(WaitUntil([&] { return !IsVisible(Main(ids::SBtn_Kakutyou)); }));
  HWND bar = Main(ids::TimingBar);
  ::SendMessageW(bar, TBM_SETPOS, TRUE, 6);
  ::SendMessageW(MainForm(), WM_HSCROLL, MAKEWPARAM(TB_PAGEDOWN, 0), reinterpret_cast<LPARAM>(bar));
  ASSERT_TRUE(WaitUntil([&] { return ValueLabel(0) == "6"; })) << ValueLabel(0);

  // Add a text whose name comes from its first line.
  OpenItemEditor(ids::SpeedButton2);
  SetText(Sub(ids::Memo), "新しい文\r\n二行目");
  Register();
  EXPECT_EQ(ListRows().back(), "新しい文");

  // Move "署名" up, then delete the second of the two "挨拶": the first one,
  // with its own text, stays.
  TapRow(1);
  TapMain(ids::SBtn_Up);
  ASSERT_TRUE(WaitUntil([&] { return ListRows().front() == "署名"; }));
  EXPECT_EQ(SelectedRow(), -1);
  TapRow(2);
  TapMain(ids::SBtn_ItemDel);
  ASSERT_TRUE(WaitUntil([&] { return ListRows().size() == 4; }));
  EXPECT_EQ(ListRows(), (std::vector<std::string>{"署名", "挨拶", "住所", "新しい文"}));

  PaintedScreenshot("changed");
  EndEditor(editor);
  EXPECT_EQ(SettingsValue("SBTIMESET", "WaitTime"), "6");
  EXPECT_EQ(Folder().Read("文字列投入２.csv"),
            Sjis("文字列投入２\r\n[#署名#][M:]山田太郎\r\n[#挨拶#][M:]お世話になっております。\r\n"
                 "[#住所#][M:]東京都千代田区\r\n二行目\r\n[#新しい文#][M:]新しい文\r\n二行目\r\n"));
  EXPECT_TRUE(WaitUntil([&] { return Reloads(spy) == 1; })) << "no code 3";
  // Qpad's menu window showing the new order is checked with that window.
}

TEST_F(SettingsWindow, NarrowWideNarrowWideKeepsTheEndButtonVisible) {
  ChildProcess& editor = StartEditor();
  struct Step {
    int button;  // 0: as opened
    int width;
    int endLeft;  // in the client area
  };
  const Step steps[] = {{0, 345, 228},
                        {ids::SBtn_Kakutyou, 653, 524},
                        {ids::SBtn_Kakutyou2, 345, 236},
                        {ids::SBtn_Kakutyou, 653, 524}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.button);
    if (step.button) TapMain(step.button);
    // Widening ends with the widen button shown or hidden.
    EXPECT_TRUE(WaitUntil([&] {
      RECT w = WindowRect(MainForm());
      return w.right - w.left == step.width && IsVisible(Main(ids::SBtn_Kakutyou)) == (step.width == 345);
    }));
    RECT window = WindowRect(MainForm());
    RECT end = WindowRect(Main(ids::SBtn_End));
    POINT endLeft{end.left, end.top};
    ::ScreenToClient(MainForm(), &endLeft);
    EXPECT_EQ(endLeft.x, step.endLeft);
    EXPECT_GE(end.left, window.left);
    EXPECT_LE(end.right, window.right);
    EXPECT_EQ(IsVisible(Main(ids::SBtn_Kakutyou)), step.width == 345);
  }
  EndEditor(editor);
}

TEST_F(SettingsWindow, EachDisplayCaseShowsItsPictureAndPanels) {
  ChildProcess& editor = StartEditor();
  TapMain(ids::SBtn_Kakutyou);
  // Tops of Panel1 .. Panel8 in the window's client area; 0 for hidden.
  const std::array<int, 8> tops[] = {
      {200, 248, 296, 0, 0, 344, 0, 396},
      {200, 0, 0, 248, 296, 344, 0, 396},
      {0, 0, 248, 0, 0, 344, 200, 396},
      {0, 0, 0, 248, 296, 344, 200, 396},
  };
  auto choose = [&](int displayCase) {
    HWND combo = Main(ids::ComboBox1);
    ::SendMessageW(combo, CB_SETCURSEL, displayCase, 0);
    ::SendMessageW(MainForm(), WM_COMMAND, MAKEWPARAM(ids::ComboBox1, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
  };
  auto expectPanels = [&](int displayCase) {
    for (int panel = 0; panel < 8; ++panel) {
      HWND window = Main(ids::TimingPanel + panel);
      POINT top{0, WindowRect(window).top};
      ::ScreenToClient(MainForm(), &top);
      EXPECT_EQ(IsVisible(window) ? top.y : 0, tops[displayCase][panel]) << "Panel" << panel + 1;
    }
  };
  for (int displayCase = 0; displayCase < 4; ++displayCase) {
    SCOPED_TRACE(displayCase);
    choose(displayCase);
    RECT image = WindowRect(Main(ids::Image1));
    EXPECT_EQ(image.right - image.left, 276);
    EXPECT_EQ(image.bottom - image.top, 150);
    expectPanels(displayCase);
    PaintedScreenshot("wide-case-" + std::to_string(displayCase + 1));
  }

  // The picture is read at every change: one that has gone leaves the box
  // blank and the page arranged, without a message.
  Folder().Remove("説明３.bmp");
  choose(2);
  RECT image = WindowRect(Main(ids::Image1));
  EXPECT_EQ(image.right - image.left, 0);
  expectPanels(2);
  EXPECT_EQ(FindMessageBox(editor.Id()), nullptr);
  EndEditor(editor);
}

TEST_F(SettingsWindow, MissingSettingsFileEndsWithAMessageAndWritesNothing) {
  Folder().Remove("Qpad.ini");
  const FolderSnapshot before = Folder().Snapshot();
  ChildProcess& editor = Start("Qpad_Set.exe");
  MessageBoxSeen box = AnswerMessageBox(editor);
  EXPECT_TRUE(box.shown);
  EXPECT_EQ(box.caption, "Glidewarp-Set-");
  EXPECT_NE(box.text.find("Qpad.ini"), std::string::npos) << box.text;
  EXPECT_TRUE(editor.WaitForExit());
  EXPECT_EQ(Folder().Snapshot(), before) << Folder().Snapshot().DifferencesTo(before);
}

TEST_F(SettingsWindow, MissingMenuFileOffersOnlyTheLoadedCategoriesAndKeepsTheRest) {
  Folder().Remove("プログラム起動.csv");
  const std::string operations = Folder().Read("オペレーション.csv");
  Folder().Write("オペレーション.csv", operations + Sjis("[#追記#][W:]3\r\n"));
  ChildProcess& editor = Start("Qpad_Set.exe");
  Watch(editor);
  MessageBoxSeen box = AnswerMessageBox(editor);
  EXPECT_EQ(box.text, "データ（プログラム起動.csv）がありません");
  ASSERT_TRUE(WaitUntil([&] { return MainForm() && IsVisible(MainForm()); }));
  // Menus 4 and after were not read: their categories are not offered.
  EXPECT_TRUE(::IsWindowEnabled(Main(ids::SpeedButton1)));
  EXPECT_TRUE(::IsWindowEnabled(Main(ids::SpeedButton3)));
  for (int id : {ids::SpeedButton4, ids::SpeedButton5, ids::SpeedButton6})
    EXPECT_FALSE(::IsWindowEnabled(Main(id))) << id;
  EndEditor(editor);
  EXPECT_FALSE(Folder().Exists("プログラム起動.csv"));
  EXPECT_EQ(Folder().Read("オペレーション.csv"), operations + Sjis("[#追記#][W:]3\r\n"));
}

}  // namespace
}  // namespace qpad::e2e
