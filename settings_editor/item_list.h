#pragma once
// The item list of the current category, kept in step with the menu's
// records: row r shows the DisplayName of record r+1 (element r+1 of the
// menu). Every operation changes the records and says how the rows follow.
// Delete and move act on the selected row's own record, so two items that
// share a name are never confused with each other.

#include <string>
#include <vector>

#include "shared/menu_table.h"

namespace qpad::editor {

// The rows of a menu: DisplayName of each record, Shift-JIS bytes.
std::vector<std::string> ItemRows(const Menu& menu);

// Appends a record as the last item.
void AppendItem(Menu& menu, std::string record);

// Replaces the record of `row`; false when there is no such row.
bool ReplaceItem(Menu& menu, int row, std::string record);

// Removes the record of `row`. Refused (false) when no row is selected
// (row < 0), the row does not exist or shows no name. On true the list is
// refilled with no row selected.
bool DeleteItem(Menu& menu, int row);

enum class MoveDirection { Up = 1, Down = 2 };

// Swaps the record of `row` with its neighbour. Refused (false) when no row
// is selected, the row shows no name, or the menu has fewer than two items.
// On true the list is refilled with no row selected, also when the first row
// was moved up or the last one down and so nothing moved.
bool MoveItem(Menu& menu, int row, MoveDirection direction);

}  // namespace qpad::editor
