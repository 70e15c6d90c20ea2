// Loading and saving a large menu, against the bare cost of reading the same
// file and splitting it into lines. Prints the ratio at the end.
//
//   scripts/bench.sh [Google Benchmark options]

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/text_codec.h"
#include "shared/menu_files.h"
#include "tests/support/temp_folder.h"

namespace {

using qpad::BlankLines;
using qpad::DataFolder;
using qpad::Menu;
using qpad::MenuTable;

constexpr int kItems = 10000;
const std::string kMenuName = "Bench";

std::string Sjis(const std::string& utf8) { return qpad::platform::Utf8ToCp932(utf8).value(); }

// Items of every kind, about 100 bytes each, a fifth of them on two lines.
std::string MakeItem(int i) {
  const std::string n = std::to_string(i);
  switch (i % 5) {
    case 0:
      return Sjis(
          "[#定型文 " + n +
          "#][M:]いつもお世話になっております。本日の資料をお送りしますので、ご確認ください。");
    case 1:
      return "[#Two lines " + n + "#][M:]First line of phrase " + n +
             "\r\nSecond line, with commas, \"quotes\", 100% + more, and a third clause";
    case 2:
      return "[#Shortcut " + n +
             "#][K:]Key=75: Ctrl  +Key2=67|Key=75: Ctrl  and some words after it";
    case 3:
      return "[#Program " + n +
             "#][F:]C:\\Windows\\System32\\notepad.exe C:\\Users\\Public\\Documents\\note" + n +
             ".txt";
    default:
      return "[#Page " + n + "#][I:]https://www.example.com/some/longer/path/to/page" + n +
             ".html?query=value&lang=ja";
  }
}

MenuTable EmptyTable() { return {Menu{{"Main"}, false}, Menu{{kMenuName}, false}}; }

// A generated menu on disk, made once per size.
struct BigMenu {
  qpad::testing::TempFolder folder;
  DataFolder data{folder.path()};
  MenuTable table = EmptyTable();
  std::filesystem::path path = qpad::platform::PathInFolder(folder.path(), kMenuName + ".csv");
  size_t bytes = 0;

  explicit BigMenu(int items) {
    for (int i = 1; i <= items; ++i) table[1].elements.push_back(MakeItem(i));
    for (Menu& menu : table) menu.loaded = true;
    if (!qpad::SaveAllMenus(data, table).ok()) std::abort();
    bytes = std::filesystem::file_size(path);
  }
};

BigMenu& Big(int64_t items) {
  static std::map<int64_t, std::unique_ptr<BigMenu>> menus;
  std::unique_ptr<BigMenu>& menu = menus[items];
  if (!menu) menu = std::make_unique<BigMenu>(static_cast<int>(items));
  return *menu;
}

BigMenu& Big(const benchmark::State& state) { return Big(state.range(0)); }

void SetCounters(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Big(state).bytes));
  state.counters["file_bytes"] = static_cast<double>(Big(state).bytes);
}

// The floor: read the whole file and cut it into lines.
void BareReadIntoLines(benchmark::State& state) {
  for (auto _ : state) {
    qpad::platform::ReadResult read = qpad::platform::RealFileSystem().ReadAll(Big(state).path);
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < read.bytes.size()) {
      size_t lf = read.bytes.find('\n', pos);
      if (lf == std::string::npos) lf = read.bytes.size();
      size_t end = (lf > pos && read.bytes[lf - 1] == '\r') ? lf - 1 : lf;
      lines.emplace_back(read.bytes, pos, end - pos);
      pos = lf + 1;
    }
    benchmark::DoNotOptimize(lines.data());
  }
  SetCounters(state);
}

void LoadMenus(benchmark::State& state, BlankLines blankLines) {
  for (auto _ : state) {
    MenuTable table = EmptyTable();
    if (!qpad::LoadMenus(Big(state).data, blankLines, table, [] {}).ok)
      state.SkipWithError("load failed");
    benchmark::DoNotOptimize(table.data());
  }
  SetCounters(state);
}

void SaveAllMenus(benchmark::State& state) {
  for (auto _ : state)
    if (!qpad::SaveAllMenus(Big(state).data, Big(state).table, [] {}).ok())
      state.SkipWithError("save failed");
  SetCounters(state);
}

// Remembers each benchmark's time so that the ratio can be printed.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

  // The time of one run, or the median of repeated runs.
  const double* Seconds(const std::string& name) const {
    for (const std::string& key : {name, name + "_median"}) {
      auto found = seconds.find(key);
      if (found != seconds.end()) return &found->second;
    }
    return nullptr;
  }

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      seconds[run.benchmark_name()] = run.real_accumulated_time / run.iterations;
  }
  std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
  // Two sizes, to show that the cost grows linearly.
  for (benchmark::internal::Benchmark* b :
       {benchmark::RegisterBenchmark("BareReadIntoLines", BareReadIntoLines),
        benchmark::RegisterBenchmark("LoadMenus/resident", LoadMenus, BlankLines::KeepInText),
        benchmark::RegisterBenchmark("LoadMenus/editor", LoadMenus, BlankLines::Drop),
        benchmark::RegisterBenchmark("SaveAllMenus", SaveAllMenus)})
    b->Arg(kItems / 10)->Arg(kItems)->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  std::printf("Menu of %d items: %zu bytes\n", kItems, Big(kItems).bytes);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const std::string size = "/" + std::to_string(kItems);
  const double* bare = reporter.Seconds("BareReadIntoLines" + size);
  if (!bare) return 0;
  for (std::string name : {"LoadMenus/resident", "LoadMenus/editor"})
    if (const double* load = reporter.Seconds(name + size))
      std::printf("%-26s %7.2f ms  %5.2f x the bare read\n", (name + size).c_str(), *load * 1e3,
                  *load / *bare);
  return 0;
}
