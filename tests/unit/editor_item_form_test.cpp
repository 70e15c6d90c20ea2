// The item editor's opening, window-operation choice and "登録" checks.
#include <gtest/gtest.h>

#include "settings_editor/item_form.h"

namespace qpad::editor {
namespace {

class FixedRow : public MemoRows {
 public:
  explicit FixedRow(std::string row) : row_(std::move(row)) {}
  std::string FirstRow() const override { return row_; }

 private:
  std::string row_;
};

ItemForm FormOf(ItemKind kind) { return OpenItemForm(ItemHandOver{kind, false, {}, {}}); }

ItemForm WithKey(ItemForm form) {
  form.keys.MainKeyDown(65, {}, {});
  return form;
}

TEST(Register, ChecksInOrderEachOnTheSmallestInputThatReachesIt) {
  struct Case {
    const char* what;
    ItemForm form;
    std::string firstRow;
    const char* refusal;
  };
  auto named = [](ItemForm form, const char* name) {
    form.name = name;
    return form;
  };
  ItemForm url = FormOf(ItemKind::WebPage);
  url.url = "http://x/";
  ItemForm text = FormOf(ItemKind::FixedText);
  text.memo = "line";
  const Case cases[] = {
      {"1 no key", FormOf(ItemKind::ShortcutKey), "", "登録のショートカットキーを記入してください"},
      {"2 no url", FormOf(ItemKind::WebPage), "", "登録のＵＲＬを記入してください"},
      {"3 no program", FormOf(ItemKind::ProgramLaunch), "", "登録のアプリケーションを記入してください"},
      {"4 no operation", FormOf(ItemKind::WindowOperation), "", "登録のオペレーションを選択してください"},
      {"5 no text", FormOf(ItemKind::FixedText), "", "登録の文字を記入してください"},
      {"6 no name, no memo", url, "", "登録名称を記入してください（必須）"},
      {"7 memo's first row empty", text, "", "登録名称を記入してください（必須）"},
      {"8 [#", named(url, "a[#b"), "", "予約語、「 [# 」は使えません"},
      {"9 #]", named(url, "a#]b"), "", "予約語、「 #] 」は使えません"},
      {"10 quote", named(url, "say \"hi\""), "", "すみません。現バージョンで「\"」は使えません"},
      {"[# before quote", named(url, "[#\""), "", "予約語、「 [# 」は使えません"},
      {"a name that starts with ]", named(url, "]x"), "", "名称の先頭に「 ] 」は使えません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ItemForm form = c.form;
    RegisterResult result = Register(form, FixedRow(c.firstRow));
    EXPECT_EQ(result.refusal, c.refusal);
    EXPECT_EQ(result.record, "");
  }
}

TEST(Register, ChecksOfOtherKindsNeverFire) {
  // Each kind with only its own field and a name filled: the empty fields
  // of the other pages must not refuse it.
  ItemForm text = FormOf(ItemKind::FixedText);
  text.memo = "t";
  ItemForm keys = WithKey(FormOf(ItemKind::ShortcutKey));
  ItemForm program = FormOf(ItemKind::ProgramLaunch);
  program.program = "C:\\a.exe";
  ItemForm operation = FormOf(ItemKind::WindowOperation);
  ChooseWindowOperation(operation, 4);
  ItemForm url = FormOf(ItemKind::WebPage);
  url.url = "http://x/";
  for (ItemForm form : {text, keys, program, operation, url}) {
    SCOPED_TRACE(static_cast<int>(form.kind));
    form.name = "n";
    EXPECT_TRUE(Register(form, FixedRow("")).ok());
  }
}

TEST(Register, BuildsTheRecordOfEachKindInShiftJis) {
  ItemForm text = FormOf(ItemKind::FixedText);
  text.name = "挨拶";
  text.memo = "お世話に\r\nなります";
  ItemForm keys = FormOf(ItemKind::ShortcutKey);
  keys.name = "copy";
  keys.keys.MainKeyDown(67, {}, {false, false, true});
  ItemForm program = FormOf(ItemKind::ProgramLaunch);
  program.name = "メモ帳";
  program.program = "C:\\Windows\\notepad.exe";
  ItemForm operation = FormOf(ItemKind::WindowOperation);
  ChooseWindowOperation(operation, 7);
  ItemForm url = FormOf(ItemKind::WebPage);
  url.name = "x";
  url.url = "http://x/?a=1&b=%20";

  struct Case {
    ItemForm form;
    std::string record;
  };
  const Case cases[] = {
      {text, "[#\x88\xA5\x8E\x41#][M:]\x82\xA8\x90\xA2\x98\x62\x82\xC9\r\n\x82\xC8\x82\xE8\x82\xDC\x82\xB7"},
      {keys, "[#copy#][K:]Key=67: Ctrl "},
      {program, "[#\x83\x81\x83\x82\x92\xA0#][F:]C:\\Windows\\notepad.exe"},
      {operation, "[#\x89\x45\x89\xBA\x82\xF0\x82\xC2\x82\xA9\x82\xF1\x82\xC5\x83\x54\x83\x43\x83\x59"
                  "\x95\xCF\x8D\x58#][W:]7"},
      {url, "[#x#][I:]http://x/?a=1&b=%20"},
  };
  for (const Case& c : cases) {
    ItemForm form = c.form;
    RegisterResult result = Register(form, FixedRow(""));
    ASSERT_TRUE(result.ok()) << result.refusal;
    EXPECT_EQ(result.record, c.record);
  }
}

TEST(Register, EmptyNameTakesTheMemosFirstRowAlsoWhenALaterCheckRefuses) {
  ItemForm form = FormOf(ItemKind::FixedText);
  form.memo = "a long first line that the memo wraps\r\nsecond";
  RegisterResult result = Register(form, FixedRow("a long first"));
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.record, "[#a long first#][M:]a long first line that the memo wraps\r\nsecond");

  ItemForm quoted = FormOf(ItemKind::FixedText);
  quoted.memo = "\"q\"";
  EXPECT_EQ(Register(quoted, FixedRow("\"q\"")).refusal, "すみません。現バージョンで「\"」は使えません");
  EXPECT_EQ(quoted.name, "\"q\"");  // the name box keeps what it took
}

TEST(Register, RefusesCharactersThatShiftJisCannotHold) {
  ItemForm form = FormOf(ItemKind::FixedText);
  form.name = "ok";
  form.memo = "abc\xF0\x9F\x98\x80";  // an emoji
  RegisterResult result = Register(form, FixedRow(""));
  EXPECT_FALSE(result.ok());
  EXPECT_NE(result.refusal.find("\xF0\x9F\x98\x80"), std::string::npos) << result.refusal;
  EXPECT_NE(result.refusal.find("投入する文"), std::string::npos) << result.refusal;

  form.memo = "abc";
  form.name = "\xE4\xB8\x82";  // 丂, outside code page 932
  result = Register(form, FixedRow(""));
  EXPECT_NE(result.refusal.find("名称"), std::string::npos) << result.refusal;
}

TEST(WindowOperationChoice, DefaultNameOnlyIntoAnEmptyName) {
  ItemForm form = FormOf(ItemKind::WindowOperation);
  ChooseWindowOperation(form, 1);
  ChooseWindowOperation(form, 2);
  EXPECT_EQ(form.operation, 2);
  EXPECT_EQ(form.name, "Windowの最小化");
  EXPECT_EQ(form.operationDisplay, "選択内容：Windowの最大化");
  std::string record = Register(form, FixedRow("")).record;
  EXPECT_EQ(record.substr(record.size() - 7), "#][W:]2");
}

TEST(OpenItemForm, ResetsAndReadsBackTextProgramAndAddress) {
  struct Case {
    ItemKind kind;
    std::string record;
    std::string memo, program, url;
  };
  const Case cases[] = {
      {ItemKind::FixedText, "[#n#][M:]one\r\ntwo", "one\r\ntwo", "", ""},
      // A text that still holds a name after the tag loses it up to "#]".
      {ItemKind::FixedText, "[#n#][M:]x[#y#]z", "z", "", ""},
      {ItemKind::ProgramLaunch, "[#n#][F:]C:\\p.exe", "", "C:\\p.exe", ""},
      {ItemKind::WebPage, "[#n#][I:]http://a/", "", "", "http://a/"},
      {ItemKind::ShortcutKey, "[#n#][K:]Key=65:", "", "", ""},
      {ItemKind::WindowOperation, "[#n#][W:]3", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    ItemForm form = OpenItemForm(ItemHandOver{c.kind, true, "n", c.record});
    EXPECT_EQ(form.name, "n");
    EXPECT_EQ(form.memo, c.memo);
    EXPECT_EQ(form.program, c.program);
    EXPECT_EQ(form.url, c.url);
    EXPECT_EQ(form.operation, 0);
    EXPECT_EQ(form.keys.Spec(), "");
    EXPECT_TRUE(form.keys.SecondBoxEnabled());
  }
  // Editing a key item without a new press is refused like a new one.
  ItemForm keys = OpenItemForm(ItemHandOver{ItemKind::ShortcutKey, true, "n", "[#n#][K:]Key=65:"});
  EXPECT_EQ(Register(keys, FixedRow("")).refusal, "登録のショートカットキーを記入してください");
  ItemForm op = OpenItemForm(ItemHandOver{ItemKind::WindowOperation, true, "n", "[#n#][W:]3"});
  EXPECT_EQ(Register(op, FixedRow("")).refusal, "登録のオペレーションを選択してください");
}

}  // namespace
}  // namespace qpad::editor
