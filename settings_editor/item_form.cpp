#include "settings_editor/item_form.h"

#include <optional>

#include "platform/text_codec.h"

namespace qpad::editor {
namespace {

const std::array<ItemPage, 5> kPages = {{
    {ItemKind::FixedText, "Panel_Moji", "　定型文字投入"},
    {ItemKind::ShortcutKey, "Panel_SKey", "　ショートカットキー登録"},
    {ItemKind::ProgramLaunch, "Panel_App", "　ランチャー（アプリケーション起動）"},
    {ItemKind::WindowOperation, "Panel_Ope", "　ウィンドウ操作"},
    {ItemKind::WebPage, "Panel_INet", "　ブラウザ操作"},
}};

const std::array<WindowOperationChoice, 7> kOperations = {{
    {1, "SBtn_Ws", "選択内容：Windowの最小化", "Windowの最小化"},
    {2, "SBtn_WBig", "選択内容：Windowの最大化", "Windowの最大化"},
    {3, "SBtn_WBack", "選択内容：Windowの大きさを元に戻す", "Windowの大きさを元に戻す"},
    {4, "SBtn_WExit", "選択内容：アプリケーションの終了", "アプリケーションの終了"},
    {5, "SBtn_WMove", "選択内容：タイトルバーをつかんで移動", "タイトルバーをつかんで移動"},
    {6, "SBtn_WLDSize", "選択内容：左下をつかんでサイズ変更", "左下をつかんでサイズ変更"},
    {7, "SBtn_WRDSize", "選択内容：右下をつかんでサイズ変更", "右下をつかんでサイズ変更"},
}};

constexpr const char* kEnterKey = "登録のショートカットキーを記入してください";
constexpr const char* kEnterUrl = "登録のＵＲＬを記入してください";
constexpr const char* kEnterProgram = "登録のアプリケーションを記入してください";
constexpr const char* kChooseOperation = "登録のオペレーションを選択してください";
constexpr const char* kEnterText = "登録の文字を記入してください";
constexpr const char* kEnterName = "登録名称を記入してください（必須）";
constexpr const char* kReservedOpen = "予約語、「 [# 」は使えません";
constexpr const char* kReservedClose = "予約語、「 #] 」は使えません";
constexpr const char* kNoQuote = "すみません。現バージョンで「\"」は使えません";
// "[#" followed by a name that starts with "]" reads as "[#]": the name
// would be lost and the record taken for a continuation of the one before.
constexpr const char* kNoLeadingBracket = "名称の先頭に「 ] 」は使えません";

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

// The first character of a UTF-8 text that has no Shift-JIS form.
std::string FirstUnstorableCharacter(const std::string& utf8) {
  size_t i = 0;
  while (i < utf8.size()) {
    unsigned char lead = static_cast<unsigned char>(utf8[i]);
    size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    std::string character = utf8.substr(i, length);
    if (!platform::Utf8ToCp932(character)) return character;
    i += length;
  }
  return {};
}

struct FieldToStore {
  const char* label;
  const std::string* text;
};

}  // namespace

const ItemPage& PageOf(ItemKind kind) { return kPages[static_cast<int>(kind)]; }

const std::array<WindowOperationChoice, 7>& WindowOperations() { return kOperations; }

ItemForm OpenItemForm(const ItemHandOver& handOver) {
  ItemForm form;
  form.kind = handOver.kind;
  if (!handOver.editing) return form;
  form.name = platform::Cp932ToUtf8(handOver.displayName);
  switch (handOver.kind) {
    case ItemKind::FixedText:
      form.memo = platform::Cp932ToUtf8(
          TextAfterName(BodyAfterTag(handOver.record, ItemKind::FixedText)));
      break;
    case ItemKind::ProgramLaunch:
      form.program = platform::Cp932ToUtf8(BodyAfterTag(handOver.record, ItemKind::ProgramLaunch));
      break;
    case ItemKind::WebPage:
      form.url = platform::Cp932ToUtf8(BodyAfterTag(handOver.record, ItemKind::WebPage));
      break;
    case ItemKind::ShortcutKey:
    case ItemKind::WindowOperation:
      break;
  }
  return form;
}

void ChooseWindowOperation(ItemForm& form, int tag) {
  for (const WindowOperationChoice& choice : kOperations) {
    if (choice.tag != tag) continue;
    form.operation = tag;
    form.operationDisplay = choice.display;
    if (form.name.empty()) form.name = choice.defaultName;
  }
}

RegisterResult Register(ItemForm& form, const MemoRows& memoRows) {
  const ItemKind kind = form.kind;
  if (kind == ItemKind::ShortcutKey && form.keys.Display().empty()) return {kEnterKey, {}};
  if (kind == ItemKind::WebPage && form.url.empty()) return {kEnterUrl, {}};
  if (kind == ItemKind::ProgramLaunch && form.program.empty()) return {kEnterProgram, {}};
  if (kind == ItemKind::WindowOperation && form.operation == 0) return {kChooseOperation, {}};
  if (kind == ItemKind::FixedText && form.memo.empty()) return {kEnterText, {}};
  if (form.name.empty()) {
    if (form.memo.empty()) return {kEnterName, {}};
    form.name = memoRows.FirstRow();
  }
  if (form.name.empty()) return {kEnterName, {}};
  if (Contains(form.name, "[#")) return {kReservedOpen, {}};
  if (Contains(form.name, "#]")) return {kReservedClose, {}};
  if (Contains(form.name, "\"")) return {kNoQuote, {}};
  if (form.name.front() == ']') return {kNoLeadingBracket, {}};

  const std::string operation = std::to_string(form.operation);
  FieldToStore bodyField{"", nullptr};
  switch (kind) {
    case ItemKind::FixedText: bodyField = {"投入する文", &form.memo}; break;
    case ItemKind::ShortcutKey: bodyField = {"キー", &form.keys.Spec()}; break;
    case ItemKind::ProgramLaunch: bodyField = {"アプリケーション", &form.program}; break;
    case ItemKind::WindowOperation: bodyField = {"オペレーション", &operation}; break;
    case ItemKind::WebPage: bodyField = {"ＵＲＬ", &form.url}; break;
  }
  const FieldToStore fields[] = {{"名称", &form.name}, bodyField};
  std::string converted[2];
  for (int i = 0; i < 2; ++i) {
    std::optional<std::string> bytes = platform::Utf8ToCp932(*fields[i].text);
    if (!bytes)
      return {std::string(fields[i].label) + "に保存できない文字「" +
                  FirstUnstorableCharacter(*fields[i].text) +
                  "」があります。Shift-JISにある文字に置き換えてください",
              {}};
    converted[i] = *bytes;
  }
  return {{}, MakeItemRecord(converted[0], kind, converted[1])};
}

}  // namespace qpad::editor
