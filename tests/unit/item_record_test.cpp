#include "shared/item_record.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/sjis.h"

namespace qpad {
namespace {

using testing::Sjis;

TEST(ItemRecord, DisplayNameLiesBetweenTheFirstMarkers) {
  struct {
    std::string text;
    std::string name;
  } cases[] = {
      {"[#Copy#][K:]Key=67: Ctrl ", "Copy"},
      {Sjis("[#挨拶#][M:]こんにちは"), Sjis("挨拶")},
      {"no marker at all", ""},
      {"[#open only", ""},
      {"#]a[#b#]", ""},  // the first "#]" stands before the first "[#"
      {"[#]", ""},       // "#]" overlaps "[#"
      {"[##]", ""},
      {"x[#a#]y#]", "a"},
      {Sjis("ー#名前#]"), Sjis("名前")},  // 81 5B then "#" reads as "[#"
  };
  for (const auto& c : cases) EXPECT_EQ(ExtractDisplayName(c.text), c.name) << c.text;
}

TEST(ItemRecord, TextAfterNameDropsALeadingName) {
  struct {
    std::string text;
    std::string after;
  } cases[] = {
      {"[#x#]rest", "rest"},
      {"plain text", "plain text"},
      {"only #] here", "only #] here"},
      {"only [# here", "only [# here"},
      {"#]a[#", "a[#"},
      {"one\r\n[#two#]three", "three"},
  };
  for (const auto& c : cases) EXPECT_EQ(TextAfterName(c.text), c.after) << c.text;
}

TEST(ItemRecord, FirstTagOfTheRunOrderDecides) {
  struct {
    std::string record;
    std::optional<ItemKind> kind;
    std::string body;
  } cases[] = {
      {"[#a#][M:]hello", ItemKind::FixedText, "hello"},
      {"[#a#][M:]run [F:]notepad.exe", ItemKind::ProgramLaunch, "notepad.exe"},
      {"[#a#][M:]x[K:]Key=13:", ItemKind::ShortcutKey, "Key=13:"},
      {"[#a#][W:]3[I:]https://example.com/", ItemKind::WebPage, "https://example.com/"},
      {"[#a#][I:]x[K:]y", ItemKind::ShortcutKey, "y"},
      {"[#a#][M:]z[W:]5", ItemKind::WindowOperation, "5"},
      {"[#a#][F:]a.exe[F:]b.exe", ItemKind::ProgramLaunch, "a.exe[F:]b.exe"},
      {"[#a#]no tag", std::nullopt, ""},
  };
  for (const auto& c : cases) {
    std::optional<ParsedItem> parsed = ParseItemForRun(c.record);
    ASSERT_EQ(parsed.has_value(), c.kind.has_value()) << c.record;
    if (!parsed) continue;
    EXPECT_EQ(parsed->kind, *c.kind) << c.record;
    EXPECT_EQ(parsed->body, c.body) << c.record;
  }
}

TEST(ItemRecord, EditorReadsTheBodyOfItsKind) {
  EXPECT_EQ(BodyAfterTag("[#a#][M:]x[M:]y", ItemKind::FixedText), "x[M:]y");
  EXPECT_EQ(BodyAfterTag("[#a#][M:]x[F:]y", ItemKind::FixedText), "x[F:]y");
  EXPECT_EQ(BodyAfterTag("[#a#][M:]x", ItemKind::WebPage), "");
}

TEST(ItemRecord, MadeRecordsReadBack) {
  const std::string name = Sjis("メモ帳");
  std::string record = MakeItemRecord(name, ItemKind::ProgramLaunch, "C:\\Windows\\notepad.exe");
  EXPECT_EQ(record, "[#" + name + "#][F:]C:\\Windows\\notepad.exe");
  EXPECT_EQ(ExtractDisplayName(record), name);
  EXPECT_EQ(BodyAfterTag(record, ItemKind::ProgramLaunch), "C:\\Windows\\notepad.exe");
}

}  // namespace
}  // namespace qpad
