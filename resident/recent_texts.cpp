#include "resident/recent_texts.h"

#include <string>

#include "shared/item_record.h"

namespace qpad {

bool RecordRecentText(MenuTable& menus, int32_t& nextSlot, std::string_view text,
                      std::string_view caption) {
  if (static_cast<int>(menus.size()) <= kHistoryMenu) return false;
  std::vector<std::string>& elements = menus[kHistoryMenu].elements;

  std::string marker = "#]" + std::string(TagOf(ItemKind::FixedText)) + std::string(text);
  for (size_t item = 1; item < elements.size(); ++item)
    if (elements[item].find(marker) != std::string::npos) return false;

  int32_t slot = nextSlot >= 1 && nextSlot <= kRecentTextSlots ? nextSlot : 1;
  std::string record = MakeItemRecord(caption, ItemKind::FixedText, text);
  if (static_cast<size_t>(slot) < elements.size()) elements[slot] = std::move(record);
  else elements.push_back(std::move(record));

  nextSlot = slot == kRecentTextSlots ? 1 : slot + 1;
  return true;
}

}  // namespace qpad
