// The menu-file reader on any bytes. The input is one menu file whose first
// line (cut to 32 bytes) is also the menu's name. Loading never fails, and
// what was loaded is saved and loaded again unchanged: with blank lines
// dropped, both programs read back exactly what the settings editor read.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "shared/menu_files.h"
#include "tests/support/memory_file_system.h"

namespace {

using qpad::BlankLines;
using qpad::MenuTable;

struct Bench {
  qpad::testing::MemoryFileSystem files;
  qpad::DataFolder folder{"/q", &files};
  std::string name;

  MenuTable Load(BlankLines blankLines) {
    MenuTable table{qpad::Menu{{"Main"}, false}, qpad::Menu{{name}, false}};
    size_t lines = 0;
    qpad::LoadMenusResult result = qpad::LoadMenus(folder, blankLines, table, [&] { ++lines; });
    FUZZ_CHECK(result.ok && table[0].loaded && table[1].loaded);
    FUZZ_CHECK(table[1].Name() == name);
    for (size_t i = 1; i < table[1].elements.size(); ++i) {
      const std::string& item = table[1].elements[i];
      FUZZ_CHECK(!item.empty());
      FUZZ_CHECK(item.find('\x1a') == std::string::npos);
      FUZZ_CHECK(qpad::SplitForSave(item).size() >= 1);
    }
    return table;
  }

  void Save(const MenuTable& table) { FUZZ_CHECK(qpad::SaveAllMenus(folder, table).ok()); }
};

std::string NameFrom(const std::string& bytes) {
  std::string name;
  for (char c : bytes.substr(0, bytes.find('\n'))) {
    if (c == '\r' || c == '\x1a') continue;
    if (name.size() == 32) break;
    name.push_back(c);
  }
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  Bench bench;
  bench.name = NameFrom(bytes);
  bench.files.files[qpad::platform::PathInFolder("/q", "Main.csv")] = "Main\r\n";
  bench.files.files[qpad::platform::PathInFolder("/q", bench.name + ".csv")] = bytes;

  const MenuTable kept = bench.Load(BlankLines::KeepInText);
  const MenuTable dropped = bench.Load(BlankLines::Drop);

  bench.Save(dropped);
  FUZZ_CHECK(bench.Load(BlankLines::Drop)[1].elements == dropped[1].elements);
  FUZZ_CHECK(bench.Load(BlankLines::KeepInText)[1].elements == dropped[1].elements);

  bench.Save(kept);
  FUZZ_CHECK(bench.Load(BlankLines::KeepInText)[1].elements == dropped[1].elements);
  return 0;
}
