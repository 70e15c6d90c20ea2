#include "shared/menu_files.h"

#include <filesystem>

#include "platform/text_codec.h"
#include "shared/item_record.h"

namespace qpad {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr char kEndOfFile = 0x1A;  // Ctrl+Z: nothing after it belongs to the file

std::filesystem::path MenuPath(const DataFolder& data, const Menu& menu) {
  return platform::PathInFolder(data.folder, menu.Name() + ".csv");
}

std::string MissingFile(const Menu& menu) {
  return "データ（" + platform::Cp932ToUtf8(menu.Name()) + ".csv）がありません";
}

std::string FileError(const std::filesystem::path& path, const std::string& systemText) {
  return platform::PathToUtf8(path) + "\n" + systemText;
}

// Turns the lines of one menu file into the menu's items: a line with a
// display name starts an item, a line without one continues the item before.
class MenuBuilder {
 public:
  MenuBuilder(Menu& menu, BlankLines blankLines) : menu_(menu), blankLines_(blankLines) {}

  void AddLine(std::string_view line) {
    if (line.empty()) {
      if (blankLines_ == BlankLines::KeepInText && !pending_.empty()) pending_.append(kLineBreak);
      return;
    }
    if (line == menu_.Name()) return;
    if (ExtractDisplayName(line).empty()) {
      if (!pending_.empty()) pending_.append(kLineBreak);
      pending_.append(line);
      return;
    }
    FlushPending();
    menu_.elements.emplace_back(line);
    hasItem_ = true;
  }

  void Finish() { FlushPending(); }

 private:
  // Continuation lines join the item they follow. Lines that come before the
  // first item (the programs never write such files) make an item of their
  // own, without a display name, so that they are neither lost nor glued to
  // the menu's name, which is also the stem of its file name.
  void FlushPending() {
    if (pending_.empty()) return;
    if (hasItem_)
      menu_.elements.back().append(kLineBreak).append(pending_);
    else
      menu_.elements.push_back(pending_);
    pending_.clear();
  }

  Menu& menu_;
  const BlankLines blankLines_;
  std::string pending_;
  bool hasItem_ = false;
};

// Calls `onLine` for every line of a menu file: lines end at LF, a CR is
// never part of a line (before LF it ends the line, anywhere else it is
// dropped), and a Ctrl+Z ends the file.
template <typename OnLine>
void ForEachLine(std::string_view bytes, OnLine onLine) {
  bytes = bytes.substr(0, bytes.find(kEndOfFile));
  std::string withoutCr;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t lf = bytes.find('\n', pos);
    size_t end = lf == bytes.npos ? bytes.size() : lf;
    std::string_view line = bytes.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find('\r') != line.npos) {
      withoutCr.clear();
      for (char c : line)
        if (c != '\r') withoutCr.push_back(c);
      line = withoutCr;
    }
    onLine(line);
    pos = end + 1;
  }
}

// The whole file of one menu: every element's lines, each ending in CR LF.
std::string MenuFileBytes(const Menu& menu, const PumpMessages& pump) {
  std::string bytes;
  for (const std::string& element : menu.elements) {
    // An element made only of line breaks has no line to write; writing its
    // breaks as blank lines would only add empty lines to the item before.
    for (const std::string& piece : SplitForSave(element)) bytes.append(piece).append(kLineBreak);
    if (pump) pump();
  }
  return bytes;
}

Status WriteMenu(const DataFolder& data, const Menu& menu, const PumpMessages& pump) {
  const std::filesystem::path path = MenuPath(data, menu);
  std::string error = data.fileSystem->ReplaceAtomically(path, MenuFileBytes(menu, pump));
  if (!error.empty()) return Status{FileError(path, error)};
  return Status::Ok();
}

}  // namespace

LoadMenusResult LoadMenus(const DataFolder& data, BlankLines blankLines, MenuTable& table,
                          const PumpMessages& pump) {
  // Every menu starts again from its name, so that a load that stops half-way
  // leaves the later menus holding only their names, never written back.
  for (Menu& menu : table) {
    menu.elements.resize(1);
    menu.loaded = false;
  }
  for (Menu& menu : table) {
    const std::filesystem::path path = MenuPath(data, menu);
    if (!data.fileSystem->Exists(path))
      return {false, MissingFile(menu)};
    platform::ReadResult read = data.fileSystem->ReadAll(path);
    if (!read.ok) return {false, FileError(path, read.error)};

    MenuBuilder builder(menu, blankLines);
    ForEachLine(read.bytes, [&](std::string_view line) {
      builder.AddLine(line);
      if (pump) pump();
    });
    builder.Finish();
    menu.loaded = true;
  }
  return {true, {}};
}

Status SaveHistoryMenu(const DataFolder& data, const MenuTable& table) {
  if (table.size() <= static_cast<size_t>(kHistoryMenu) || !table[kHistoryMenu].loaded)
    return Status::Ok();
  return WriteMenu(data, table[kHistoryMenu], {});
}

Status SaveAllMenus(const DataFolder& data, const MenuTable& table, const PumpMessages& pump) {
  for (const Menu& menu : table) {
    if (!menu.loaded) continue;
    Status status = WriteMenu(data, menu, pump);
    if (!status.ok()) return status;
  }
  return Status::Ok();
}

std::vector<std::string> SplitForSave(std::string_view text) {
  std::vector<std::string> pieces;
  size_t pos = 0;
  while ((pos = text.find_first_not_of("\r\n", pos)) != text.npos) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == text.npos) end = text.size();
    pieces.emplace_back(text.substr(pos, end - pos));
    pos = end;
  }
  return pieces;
}

}  // namespace qpad
