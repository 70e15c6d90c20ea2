#include "shared/item_record.h"

#include <array>

namespace qpad {
namespace {

constexpr std::string_view kNameOpen = "[#";
constexpr std::string_view kNameClose = "#]";

struct TagEntry {
  ItemKind kind;
  std::string_view tag;
};

// The order in which the resident program looks for the tags: the first one
// found anywhere in the record decides the kind.
constexpr std::array<TagEntry, 5> kRunOrder = {{
    {ItemKind::ProgramLaunch, "[F:]"},
    {ItemKind::ShortcutKey, "[K:]"},
    {ItemKind::WebPage, "[I:]"},
    {ItemKind::WindowOperation, "[W:]"},
    {ItemKind::FixedText, "[M:]"},
}};

}  // namespace

std::string_view TagOf(ItemKind kind) {
  for (const TagEntry& entry : kRunOrder)
    if (entry.kind == kind) return entry.tag;
  return {};
}

std::string ExtractDisplayName(std::string_view text) {
  size_t open = text.find(kNameOpen);
  size_t close = text.find(kNameClose);
  if (open == std::string_view::npos || close == std::string_view::npos) return {};
  size_t start = open + kNameOpen.size();
  if (close < start) return {};
  return std::string(text.substr(start, close - start));
}

std::string TextAfterName(std::string_view text) {
  if (text.find(kNameOpen) == std::string_view::npos) return std::string(text);
  size_t close = text.find(kNameClose);
  if (close == std::string_view::npos) return std::string(text);
  return std::string(text.substr(close + kNameClose.size()));
}

std::optional<ParsedItem> ParseItemForRun(std::string_view record) {
  for (const TagEntry& entry : kRunOrder) {
    size_t at = record.find(entry.tag);
    if (at != std::string_view::npos)
      return ParsedItem{entry.kind, std::string(record.substr(at + entry.tag.size()))};
  }
  return std::nullopt;
}

std::string BodyAfterTag(std::string_view record, ItemKind kind) {
  std::string_view tag = TagOf(kind);
  size_t at = record.find(tag);
  if (at == std::string_view::npos) return {};
  return std::string(record.substr(at + tag.size()));
}

std::string MakeItemRecord(std::string_view displayName, ItemKind kind, std::string_view body) {
  std::string record;
  record.reserve(displayName.size() + body.size() + 8);
  record.append(kNameOpen).append(displayName).append(kNameClose).append(TagOf(kind)).append(body);
  return record;
}

}  // namespace qpad
