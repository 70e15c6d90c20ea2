#pragma once
// The quick-action menus in memory. Entry 0 is "Main"; entry k is the menu
// named by "MenuItem_k" and belongs to category k. Every text is Shift-JIS
// bytes, exactly as the menu file holds it.

#include <string>
#include <vector>

namespace qpad {

struct Menu {
  // Element 0 is the menu's name (the stem of its file name); elements
  // 1, 2, ... are its ItemRecords in file order.
  std::vector<std::string> elements;
  // Set once the menu's file has been read. A menu that was never loaded
  // holds only its name and is never written back over its file.
  bool loaded = false;

  const std::string& Name() const { return elements.front(); }
  int Count() const { return static_cast<int>(elements.size()); }  // includes the name
  int ItemCount() const { return Count() - 1; }
};

using MenuTable = std::vector<Menu>;

// The menu number of the recent-phrase ring.
constexpr int kHistoryMenu = 1;

}  // namespace qpad
