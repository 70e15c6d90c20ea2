#pragma once
// One menu item as a string: "[#" + DisplayName + "#]" + kind tag + body.
// All searches are byte searches in the Shift-JIS text, so the long-vowel
// mark (81 5B) followed by "#" counts as "[#".

#include <optional>
#include <string>
#include <string_view>

namespace qpad {

enum class ItemKind { FixedText = 0, ShortcutKey = 1, ProgramLaunch = 2, WindowOperation = 3, WebPage = 4 };

// "[M:]", "[K:]", "[F:]", "[W:]", "[I:]".
std::string_view TagOf(ItemKind kind);

// The DisplayName between the first "[#" and the first "#]"; empty when
// either is missing or the "#]" begins before the "[#" ends.
std::string ExtractDisplayName(std::string_view text);

// Everything after the first "#]" when the text holds both "[#" and "#]";
// otherwise the text unchanged.
std::string TextAfterName(std::string_view text);

// How the resident program reads a record: the first of "[F:]", "[K:]",
// "[I:]", "[W:]", "[M:]" that occurs anywhere decides the kind, and the body
// is everything after that tag's first occurrence.
struct ParsedItem {
  ItemKind kind;
  std::string body;
};
std::optional<ParsedItem> ParseItemForRun(std::string_view record);

// How the settings editor reads a record of a known kind: the body after the
// first occurrence of that kind's tag (empty when the tag is missing).
std::string BodyAfterTag(std::string_view record, ItemKind kind);

// "[#" + name + "#]" + tag + body.
std::string MakeItemRecord(std::string_view displayName, ItemKind kind, std::string_view body);

}  // namespace qpad
