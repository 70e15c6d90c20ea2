// The item editor: items of every kind created through its pages, refusals
// that keep it open, editing and cancelling, and the web page's address
// taken from a browser over DDE.
#include "tests/e2e/editor_e2e_test.h"
#include "tests/e2e/support/bench_paths.h"

namespace qpad::e2e {
namespace {

using ItemEditor = EditorE2eTest;

// The last line of a menu file, as text.
std::string LastRecord(const std::string& fileBytes) {
  std::string text = platform::Cp932ToUtf8(fileBytes);
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) text.resize(text.size() - 2);
  return text.substr(text.rfind("\r\n") == std::string::npos ? 0 : text.rfind("\r\n") + 2);
}

// The file-open dialog of the editor, while it is open.
HWND FileDialog(DWORD processId) { return FindProcessWindow(processId, L"#32770"); }

TEST_F(ItemEditor, CreatesAnItemOfEveryKind) {
  ChildProcess& editor = StartEditor();

  // A phrase of two lines.
  OpenItemEditor(ids::SpeedButton2);
  EXPECT_TRUE(IsVisible(Sub(ids::Panel_Moji)));
  EXPECT_EQ(WindowText(Sub(ids::PageTitle)), "　定型文字投入");
  SetText(Sub(ids::Edit_Name), "お礼");
  SetText(Sub(ids::Memo), "ありがとう\r\nございます");
  PaintedScreenshot("page-moji");
  Register();

  // Ctrl+C, then V as the second key.
  SelectCategory(ids::SpeedButton3);
  OpenItemEditor(ids::SpeedButton2);
  EXPECT_TRUE(IsVisible(Sub(ids::Panel_SKey)));
  SetText(Sub(ids::Edit_Name), "貼り付け");
  Tap(Sub(ids::Edit_keyIn));
  PressKey('C', {VK_CONTROL});
  ASSERT_TRUE(WaitUntil([&] { return WindowText(Sub(ids::Label_Skey)) == "Key=67: Ctrl "; }))
      << WindowText(Sub(ids::Label_Skey));
  Tap(Sub(ids::Edit_keyIn2Key));
  PressKey('V');
  ASSERT_TRUE(WaitUntil([&] { return WindowText(Sub(ids::Label_Skey)) == " +Key2=86|Key=67: Ctrl "; }))
      << WindowText(Sub(ids::Label_Skey));
  EXPECT_FALSE(::IsWindowEnabled(Sub(ids::Edit_keyIn2Key)));
  PaintedScreenshot("page-skey");
  Register();

  // A program: the dialog cancelled empties the box, then a file chosen.
  SelectCategory(ids::SpeedButton4);
  OpenItemEditor(ids::SpeedButton2);
  EXPECT_TRUE(IsVisible(Sub(ids::Panel_App)));
  SetText(Sub(ids::Edit_Name), "Qpad");
  SetText(Sub(ids::Edit_AppName), "C:\\old.exe");
  TapSub(ids::SBtn_CmnDlg);
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (dialog = FileDialog(editor.Id())) != nullptr; }));
  ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(Sub(ids::Edit_AppName)).empty(); }));
  TapSub(ids::SBtn_CmnDlg);
  ASSERT_TRUE(WaitUntil([&] { return (dialog = FileDialog(editor.Id())) != nullptr; }));
  // The file name box has the keyboard when the dialog opens.
  TypeText("Qpad.exe");
  PressKey(VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return !WindowText(Sub(ids::Edit_AppName)).empty(); }));
  const std::string program = WindowText(Sub(ids::Edit_AppName));
  EXPECT_NE(program.find("Qpad.exe"), std::string::npos) << program;
  PaintedScreenshot("page-app");
  Register();

  // A window operation: the first choice names the item, the second does not.
  SelectCategory(ids::SpeedButton5);
  OpenItemEditor(ids::SpeedButton2);
  EXPECT_TRUE(IsVisible(Sub(ids::Panel_Ope)));
  TapSub(ids::SBtn_Ws + 1);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(Sub(ids::Edit_Name)) == "Windowの最大化"; }));
  TapSub(ids::SBtn_Ws + 6);
  ASSERT_TRUE(WaitUntil([&] {
    return WindowText(Sub(ids::Label_Ope)) == "選択内容：右下をつかんでサイズ変更";
  }));
  EXPECT_EQ(WindowText(Sub(ids::Edit_Name)), "Windowの最大化");
  PaintedScreenshot("page-ope");
  Register();

  // A web page typed in.
  SelectCategory(ids::SpeedButton6);
  OpenItemEditor(ids::SpeedButton2);
  EXPECT_TRUE(IsVisible(Sub(ids::Panel_INet)));
  SetText(Sub(ids::Edit_Name), "検索");
  SetText(Sub(ids::Edit_Url), "http://example.test/?q=a+b");
  PaintedScreenshot("page-inet");
  Register();

  EndEditor(editor);
  EXPECT_NE(platform::Cp932ToUtf8(Folder().Read("文字列投入２.csv")).find("\r\n[#お礼#][M:]ありがとう\r\nございます\r\n"),
            std::string::npos);
  EXPECT_EQ(LastRecord(Folder().Read("ショートカット.csv")),
            "[#貼り付け#][K:]Key=67: Ctrl  +Key2=86|Key=67: Ctrl ");
  EXPECT_EQ(LastRecord(Folder().Read("プログラム起動.csv")), "[#Qpad#][F:]" + program);
  EXPECT_EQ(LastRecord(Folder().Read("オペレーション.csv")), "[#Windowの最大化#][W:]7");
  EXPECT_EQ(LastRecord(Folder().Read("インターネット.csv")), "[#検索#][I:]http://example.test/?q=a+b");
}

TEST_F(ItemEditor, RefusalsShowTheirMessageAndKeepTheDialogOpen) {
  ChildProcess& editor = StartEditor();
  OpenItemEditor(ids::SpeedButton2);
  struct Case {
    const char* name;
    const char* memo;
    const char* message;
  };
  const Case cases[] = {
      {"", "", "登録の文字を記入してください"},
      {"a[#b", "x", "予約語、「 [# 」は使えません"},
      {"say \"hi\"", "x", "すみません。現バージョンで「\"」は使えません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    SetText(Sub(ids::Edit_Name), c.name);
    SetText(Sub(ids::Memo), c.memo);
    TapSub(ids::SBtn_Set);
    MessageBoxSeen box = AnswerMessageBox(editor);
    EXPECT_EQ(box.caption, "Glidewarp-Set-");
    EXPECT_EQ(box.text, c.message);
    EXPECT_TRUE(ItemEditorOpen());
    EXPECT_EQ(WindowText(Sub(ids::Memo)), c.memo);
  }
  // An empty name takes the memo's first row.
  SetText(Sub(ids::Edit_Name), "");
  SetText(Sub(ids::Memo), "一行目\r\n二行目");
  Register();
  EXPECT_EQ(ListRows().back(), "一行目");
  EndEditor(editor);
}

TEST_F(ItemEditor, EditFillsTheDialogAndCancelOrTheCloseBoxChangeNothing) {
  ChildProcess& editor = StartEditor();
  const std::string before = Folder().Read("文字列投入２.csv");

  TapRow(3);
  OpenItemEditor(ids::SBtn_ItemEdit);
  EXPECT_EQ(WindowText(Sub(ids::Edit_Name)), "住所");
  EXPECT_EQ(WindowText(Sub(ids::Memo)), "東京都千代田区\r\n二行目");
  SetText(Sub(ids::Memo), "変えた");
  TapSub(ids::SBtn_Cansel);
  ASSERT_TRUE(WaitUntil([&] { return !ItemEditorOpen(); }));

  TapRow(3);
  OpenItemEditor(ids::SBtn_ItemEdit);
  SetText(Sub(ids::Memo), "変えた");
  ::PostMessageW(SubForm(), WM_CLOSE, 0, 0);  // the close box
  ASSERT_TRUE(WaitUntil([&] { return !ItemEditorOpen(); }));
  EXPECT_EQ(ListRows(), (std::vector<std::string>{"挨拶", "署名", "挨拶", "住所"}));

  // The next opening starts afresh, and "登録" replaces the record in place.
  TapRow(1);
  OpenItemEditor(ids::SBtn_ItemEdit);
  EXPECT_EQ(WindowText(Sub(ids::Memo)), "山田太郎");
  SetText(Sub(ids::Edit_Name), "署名２");
  Register();
  EXPECT_EQ(ListRows(), (std::vector<std::string>{"挨拶", "署名２", "挨拶", "住所"}));

  EndEditor(editor);
  std::string expected = before;
  const std::string old = Sjis("[#署名#]"), renamed = Sjis("[#署名２#]");
  expected.replace(expected.find(old), old.size(), renamed);
  EXPECT_EQ(Folder().Read("文字列投入２.csv"), expected);
}

TEST_F(ItemEditor, TakesAddressAndTitleFromTheBrowser) {
  ChildProcess browser(BuildTree() / "tests-bin" / "qpad_dde_browser_stub.exe");
  ASSERT_TRUE(browser.Started());
  ASSERT_TRUE(WaitUntil([&] { return FindProcessWindow(browser.Id(), L"QpadDdeBrowserStub"); }));
  ChildProcess& editor = StartEditor();
  SelectCategory(ids::SpeedButton6);
  OpenItemEditor(ids::SpeedButton2);
  SetText(Sub(ids::Edit_Name), "前の名前");
  TapSub(ids::SBtn_UrlGet);
  EXPECT_TRUE(WaitUntil([&] {
    return WindowText(Sub(ids::Edit_Url)) == "http://example.test/find?q=quill pad&x=A";
  })) << WindowText(Sub(ids::Edit_Url));
  EXPECT_EQ(WindowText(Sub(ids::Edit_Name)), "Quill, Pad テスト");
  Register();
  EndEditor(editor);
  EXPECT_EQ(LastRecord(Folder().Read("インターネット.csv")),
            "[#Quill, Pad テスト#][I:]http://example.test/find?q=quill pad&x=A");
}

TEST_F(ItemEditor, WithoutABrowserReportsTheFailureAndKeepsBothBoxes) {
  ChildProcess& editor = StartEditor();
  SelectCategory(ids::SpeedButton6);
  OpenItemEditor(ids::SpeedButton2);
  SetText(Sub(ids::Edit_Name), "名前");
  SetText(Sub(ids::Edit_Url), "http://a/");
  TapSub(ids::SBtn_UrlGet);
  MessageBoxSeen box = AnswerMessageBox(editor);
  EXPECT_NE(box.text.find("接続できませんでした"), std::string::npos) << box.text;
  EXPECT_EQ(WindowText(Sub(ids::Edit_Name)), "名前");
  EXPECT_EQ(WindowText(Sub(ids::Edit_Url)), "http://a/");
  TapSub(ids::SBtn_Cansel);
  EndEditor(editor);
}

}  // namespace
}  // namespace qpad::e2e
