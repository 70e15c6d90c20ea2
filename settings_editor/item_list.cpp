#include "settings_editor/item_list.h"

#include <utility>

#include "shared/item_record.h"

namespace qpad::editor {
namespace {

// The element index of `row`, or 0 when there is no such row.
size_t ElementOfRow(const Menu& menu, int row) {
  if (row < 0 || row >= menu.ItemCount()) return 0;
  return static_cast<size_t>(row) + 1;
}

bool RowShowsName(const Menu& menu, size_t element) {
  return element != 0 && !ExtractDisplayName(menu.elements[element]).empty();
}

}  // namespace

std::vector<std::string> ItemRows(const Menu& menu) {
  std::vector<std::string> rows;
  for (size_t i = 1; i < menu.elements.size(); ++i)
    rows.push_back(ExtractDisplayName(menu.elements[i]));
  return rows;
}

void AppendItem(Menu& menu, std::string record) { menu.elements.push_back(std::move(record)); }

bool ReplaceItem(Menu& menu, int row, std::string record) {
  size_t element = ElementOfRow(menu, row);
  if (element == 0) return false;
  menu.elements[element] = std::move(record);
  return true;
}

bool DeleteItem(Menu& menu, int row) {
  size_t element = ElementOfRow(menu, row);
  if (!RowShowsName(menu, element)) return false;
  menu.elements.erase(menu.elements.begin() + static_cast<std::ptrdiff_t>(element));
  return true;
}

bool MoveItem(Menu& menu, int row, MoveDirection direction) {
  size_t element = ElementOfRow(menu, row);
  if (!RowShowsName(menu, element) || menu.ItemCount() < 2) return false;
  size_t last = menu.elements.size() - 1;
  if (direction == MoveDirection::Up && element > 1)
    std::swap(menu.elements[element], menu.elements[element - 1]);
  if (direction == MoveDirection::Down && element < last)
    std::swap(menu.elements[element], menu.elements[element + 1]);
  return true;
}

}  // namespace qpad::editor
