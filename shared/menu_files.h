#pragma once
// The menu files: one per menu, named after the menu with ".csv", Shift-JIS
// lines ending in CR LF, one ItemRecord per line or per run of lines.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/data_folder.h"
#include "shared/menu_table.h"

namespace qpad {

// The two programs differ only in what a blank line means.
enum class BlankLines {
  KeepInText,  // Qpad: a blank line inside a text stays an empty line
  Drop,        // Qpad_Set: every blank line is ignored
};

// Called after every line read (and, when saving all menus, after every
// element written) so that the caller's windows can process messages.
using PumpMessages = std::function<void()>;

struct LoadMenusResult {
  bool ok = false;
  // "データ（name.csv）がありません" for a missing file, or the file's path, a
  // line break and the system's I/O error text; empty when ok.
  std::string message;
};

// Reads the files of menus 0 .. table.size()-1 in order and appends their
// items to the names (every entry is first cut back to its name, as
// LoadSettings left it). Stops at the first missing or unreadable file: the
// menus before it are loaded, it and the later ones hold only their names
// and stay marked as not loaded. Lines that come before a file's first item
// line become an item of their own, without a display name.
LoadMenusResult LoadMenus(const DataFolder& data, BlankLines blankLines, MenuTable& table,
                          const PumpMessages& pump = {});

// Writing a menu: its name line, then every element's lines (SplitForSave),
// each ending in CR LF; empty elements and elements made only of line breaks
// give no line. The file is built in memory and replaces the old one
// atomically; a failure gives the file's path, a line break and the system's
// error text, and leaves the old file as it was.

// Qpad at exit: the file of menu 1. Does nothing without a loaded menu 1.
Status SaveHistoryMenu(const DataFolder& data, const MenuTable& table);

// Qpad_Set at exit: every loaded menu, 0 first. Stops at the first failure.
Status SaveAllMenus(const DataFolder& data, const MenuTable& table, const PumpMessages& pump = {});

// The file lines of one MenuTable element: cut at CR and LF, no empty piece.
std::vector<std::string> SplitForSave(std::string_view text);

}  // namespace qpad
