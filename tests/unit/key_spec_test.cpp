#include "shared/key_spec.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "shared/item_record.h"
#include "shared/menu_files.h"
#include "tests/support/memory_file_system.h"

namespace qpad {

bool operator==(const KeySpec& a, const KeySpec& b) {
  return a.key1 == b.key1 && a.key2 == b.key2 && a.shift == b.shift && a.alt == b.alt &&
         a.ctrl == b.ctrl;
}
std::ostream& operator<<(std::ostream& out, const KeySpec& k) {
  return out << "key1 " << k.key1 << " key2 " << k.key2 << (k.shift ? " Shift" : "")
             << (k.alt ? " Alt" : "") << (k.ctrl ? " Ctrl" : "");
}

namespace {

TEST(KeySpec, ReadsKeysAndModifierWords) {
  struct {
    const char* body;
    std::optional<KeySpec> spec;
  } cases[] = {
      {"Key=67: Ctrl ", KeySpec{67, 0, false, false, true}},
      {"Key=75: Ctrl  +Key2=67|Key=75: Ctrl ", KeySpec{75, 67, false, false, true}},
      {"Key=75: Ctrl  Key2=67|Key=75: Ctrl ", KeySpec{75, 67, false, false, true}},
      {"Key=9: Shift  Alt  Ctrl ", KeySpec{9, 0, true, true, true}},
      {"Key= 13 :", KeySpec{13, 0, false, false, false}},
      {"Key=0: Ctrl ", KeySpec{0, 0, false, false, true}},
      {"Key=75", KeySpec{0, 0, false, false, false}},  // no ":": no first key
      {"", KeySpec{}},
      {"Key=x:", std::nullopt},
      {"Key=75: Ctrl +Key2=|", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadKeySpec(c.body), c.spec) << c.body;
}

TEST(KeySpec, ChordSurvivesSaveAndLoad) {
  testing::MemoryFileSystem files;
  DataFolder data{"/q", &files};
  const std::string body = "Key=75: Ctrl  +Key2=67|Key=75: Ctrl ";
  MenuTable table{Menu{{"Main"}, true}, Menu{{"Keys"}, true}};
  table[1].elements.push_back(MakeItemRecord("Comment", ItemKind::ShortcutKey, body));
  ASSERT_TRUE(SaveAllMenus(data, table).ok());

  MenuTable loaded{Menu{{"Main"}, false}, Menu{{"Keys"}, false}};
  ASSERT_TRUE(LoadMenus(data, BlankLines::KeepInText, loaded).ok);
  ASSERT_EQ(loaded[1].ItemCount(), 1);
  std::optional<ParsedItem> item = ParseItemForRun(loaded[1].elements[1]);
  ASSERT_TRUE(item && item->kind == ItemKind::ShortcutKey);
  EXPECT_EQ(ReadKeySpec(item->body), (KeySpec{75, 67, false, false, true}));
}

}  // namespace
}  // namespace qpad
