// What the mouse hook costs the user's pointer. Times 2,000 synthesized
// clicks (press and release sent together, until the release reaches a
// window of this program) with no hook, with the bench's two reference
// hooks in a process of their own (one that only passes events on, one that
// also posts each code to its host, which takes them from its queue), and
// with Qpad running; prints median and 99th percentile with their ratios.
// Run under the Wine bench by scripts/bench-hook.sh.
//
// A configuration is a name and a set-up that holds while the object it
// returns lives; a new case is one more entry of Configurations().
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/window.h"
#include "tests/e2e/support/bench_paths.h"
#include "tests/e2e/support/child_process.h"
#include "tests/e2e/support/hook_link_probe.h"
#include "tests/e2e/support/test_folder.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/window_probe.h"

namespace {

using namespace qpad::e2e;

// The configurations take turns, a share of the clicks each round, so that
// a change in the load of the machine meets all of them alike.
constexpr int kRounds = 5;
constexpr int kWarmUpClicks = 20;     // per configuration and round
constexpr int kMeasuredClicks = 2000;  // per configuration, over all rounds
constexpr POINT kClickAt = {512, 384};
constexpr DWORD kLostClickLimitMs = 5000;

constexpr wchar_t kBareHookArgument[] = L"--bare-hook";
constexpr wchar_t kPostingHookArgument[] = L"--posting-hook";
constexpr wchar_t kHookHostReady[] = L"QpadBenchHookHostReady";
constexpr wchar_t kHookHostStop[] = L"QpadBenchHookHostStop";

// A window under the click point that counts the releases it receives.
class ClickTarget final : public qpad::platform::win32::Window {
 public:
  bool Create() {
    qpad::platform::win32::WindowDescription description;
    description.className = L"QpadBenchClickTarget";
    description.caption = L"hook bench";
    description.style = WS_POPUP | WS_VISIBLE;
    description.exStyle = WS_EX_TOPMOST;
    description.bounds = {kClickAt.x - 100, kClickAt.y - 100, kClickAt.x + 100, kClickAt.y + 100};
    description.background = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    return CreateNativeWindow(description);
  }
  int releases = 0;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_LBUTTONUP) ++releases;
    return Default(message, wParam, lParam);
  }
};

INPUT MouseInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = kClickAt.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = kClickAt.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
  return input;
}

// Microseconds from sending the click to its release arriving; negative when
// it never arrived.
double TimeOneClick(ClickTarget& target) {
  INPUT click[] = {MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
  LARGE_INTEGER frequency, start, end;
  ::QueryPerformanceFrequency(&frequency);
  const int before = target.releases;
  ::QueryPerformanceCounter(&start);
  ::SendInput(2, click, sizeof(INPUT));
  while (target.releases == before) {
    if (::MsgWaitForMultipleObjects(0, nullptr, FALSE, kLostClickLimitMs, QS_ALLINPUT) == WAIT_TIMEOUT)
      return -1;
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
  }
  ::QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

struct Figures {
  double median = 0;
  double p99 = 0;
  int lost = 0;
};

struct Samples {
  std::vector<double> times;
  int lost = 0;
};

void MeasureRound(ClickTarget& target, Samples& samples) {
  for (int i = 0; i < kWarmUpClicks; ++i) TimeOneClick(target);
  for (int i = 0; i < kMeasuredClicks / kRounds; ++i) {
    double time = TimeOneClick(target);
    if (time < 0) ++samples.lost;
    else samples.times.push_back(time);
  }
}

Figures Summarize(Samples samples) {
  Figures figures;
  figures.lost = samples.lost;
  std::vector<double>& times = samples.times;
  if (times.empty()) return figures;
  std::sort(times.begin(), times.end());
  figures.median = times[times.size() / 2];
  figures.p99 = times[static_cast<size_t>(std::ceil(0.99 * times.size())) - 1];
  return figures;
}

using Hold = std::shared_ptr<void>;

Hold NoHook() { return std::make_shared<int>(0); }

// A reference hook runs in a process of its own, as Qpad's does.
Hold ReferenceHook(const wchar_t* kind) {
  HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, kHookHostReady);
  HANDLE stop = ::CreateEventW(nullptr, TRUE, FALSE, kHookHostStop);
  ::ResetEvent(ready);
  ::ResetEvent(stop);
  auto host = std::make_shared<ChildProcess>(BuildTree() / "tests-bin" / "hook_bench.exe", kind);
  bool started = host->Started() && ::WaitForSingleObject(ready, 30000) == WAIT_OBJECT_0;
  ::CloseHandle(ready);
  if (!started) {
    ::CloseHandle(stop);
    return nullptr;
  }
  return Hold(host.get(), [host, stop](void*) {
    ::SetEvent(stop);
    host->WaitForExit();
    ::CloseHandle(stop);
  });
}

// Qpad with the assistant on, in a folder of its own.
Hold QpadRunning() {
  auto folder = std::make_shared<TestFolder>("bench.hook_cost", "basic");
  auto qpad = std::make_shared<ChildProcess>(folder->PathOf("Qpad.exe"));
  bool running = qpad->Started() && WaitUntil([&] {
    HWND main = FindProcessWindow(qpad->Id(), L"TFrm_MSup");
    return main && ReadHookLink().window == main;
  });
  if (!running) return nullptr;
  return Hold(qpad.get(), [qpad, folder](void*) {
    ::PostMessageW(FindProcessWindow(qpad->Id(), L"TFrm_MSup"), WM_CLOSE, 0, 0);
    qpad->WaitForExit();
  });
}

struct Configuration {
  const char* name;
  std::function<Hold()> enter;
};

std::vector<Configuration> Configurations() {
  return {
      {"no hook", NoHook},
      {"bare hook", [] { return ReferenceHook(kBareHookArgument); }},
      {"posting hook", [] { return ReferenceHook(kPostingHookArgument); }},
      {"Qpad running", QpadRunning},
  };
}

template <typename Function>
Function* Export(HMODULE library, const char* name) {
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
}

// The process of a reference hook: a thread with a queue, as a program has,
// which the posting hook's codes reach.
int HostReferenceHook(bool posting) {
  HMODULE library = ::LoadLibraryW((BuildTree() / "tests-bin" / "bare_mouse_hook.dll").c_str());
  auto startBare = Export<bool()>(library, "StartBareHook");
  auto startPosting = Export<bool(HWND)>(library, "StartPostingHook");
  auto end = Export<void()>(library, "EndHook");
  if (!startBare || !startPosting || !end) return 1;
  HWND receiver = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (!(posting ? startPosting(receiver) : startBare())) return 1;
  HANDLE ready = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, kHookHostReady);
  HANDLE stop = ::OpenEventW(SYNCHRONIZE, FALSE, kHookHostStop);
  ::SetEvent(ready);
  while (::MsgWaitForMultipleObjects(1, &stop, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
  }
  end();
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc > 1 && std::wstring(argv[1]) == kBareHookArgument) return HostReferenceHook(false);
  if (argc > 1 && std::wstring(argv[1]) == kPostingHookArgument) return HostReferenceHook(true);

  ClickTarget target;
  if (!target.Create()) return 1;
  std::printf("%d clicks per configuration in %d rounds, microseconds from SendInput\n"
              "to the release arriving at a window of the bench\n\n",
              kMeasuredClicks, kRounds);
  const std::vector<Configuration> configurations = Configurations();
  std::vector<Samples> samples(configurations.size());
  for (int round = 0; round < kRounds; ++round) {
    for (size_t c = 0; c < configurations.size(); ++c) {
      Hold hold = configurations[c].enter();
      if (!hold) {
        std::printf("%s could not be set up\n", configurations[c].name);
        return 1;
      }
      MeasureRound(target, samples[c]);
    }
  }
  std::printf("%-14s %10s %10s %6s\n", "configuration", "median", "p99", "lost");
  std::vector<std::pair<std::string, Figures>> results;
  for (size_t c = 0; c < configurations.size(); ++c) {
    Figures figures = Summarize(samples[c]);
    std::printf("%-14s %10.0f %10.0f %6d\n", configurations[c].name, figures.median, figures.p99, figures.lost);
    results.emplace_back(configurations[c].name, figures);
  }
  auto ratio = [&](size_t a, size_t b, double Figures::*field) {
    return results[a].second.*field / results[b].second.*field;
  };
  std::printf("\nbare hook / no hook:    median %.2f, p99 %.2f\n", ratio(1, 0, &Figures::median),
              ratio(1, 0, &Figures::p99));
  std::printf("posting hook / bare:     median %.2f, p99 %.2f\n", ratio(2, 1, &Figures::median),
              ratio(2, 1, &Figures::p99));
  std::printf("Qpad / bare hook:       median %.2f, p99 %.2f\n", ratio(3, 1, &Figures::median),
              ratio(3, 1, &Figures::p99));
  std::printf("Qpad / posting hook:    median %.2f, p99 %.2f\n", ratio(3, 2, &Figures::median),
              ratio(3, 2, &Figures::p99));
  return 0;
}
