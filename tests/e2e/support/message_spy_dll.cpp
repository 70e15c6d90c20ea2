// The message spy: a WH_GETMESSAGE hook procedure that the bench installs on
// another program's thread. The system loads this library into that program;
// the procedure notes every watched message that the thread removes from its
// queue (in its main loop and in modal loops alike) and passes it on.
#include <windows.h>

#include "tests/e2e/support/message_spy_log.h"

namespace {

using qpad::e2e::SpyLog;

SpyLog* g_log = nullptr;

SpyLog* Log() {
  if (!g_log) {
    // Mapped on first use and kept for the life of the process.
    HANDLE mapping = ::OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, qpad::e2e::kSpyLogName);
    if (!mapping) return nullptr;
    g_log = static_cast<SpyLog*>(
        ::MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(SpyLog)));
  }
  return g_log;
}

void Note(const MSG& message) {
  SpyLog* log = Log();
  if (!log) return;
  bool watched = false;
  for (LONG i = 0; i < log->watchedCount && i < SpyLog::kMaxWatched; ++i)
    watched = watched || log->watched[i] == message.message;
  if (!watched) return;
  LONG index = ::InterlockedIncrement(&log->reserved) - 1;
  if (index >= SpyLog::kMaxEntries) return;
  log->entries[index].message = message.message;
  log->entries[index].wParam = message.wParam;
  log->entries[index].lParam = message.lParam;
  ::InterlockedExchange(&log->entries[index].filled, 1);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK SpyGetMessageProc(int code, WPARAM removal,
                                                                     LPARAM data) {
  if (code == HC_ACTION && removal == PM_REMOVE) Note(*reinterpret_cast<const MSG*>(data));
  return ::CallNextHookEx(nullptr, code, removal, data);
}
