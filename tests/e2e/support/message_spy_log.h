#pragma once
// The memory that the message spy (a DLL of the bench, hooked into a
// program's thread) shares with the test that reads it: which messages to
// keep, and the ones seen, in the order the thread took them from its queue.

#include <windows.h>

namespace qpad::e2e {

inline constexpr wchar_t kSpyLogName[] = L"QpadE2eMessageSpyLog";
inline constexpr char kSpyProcName[] = "SpyGetMessageProc";

struct SpyEntry {
  volatile LONG filled;  // set last, once the fields below are written
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

struct SpyLog {
  static constexpr LONG kMaxWatched = 16;
  static constexpr LONG kMaxEntries = 8192;

  LONG watchedCount;
  UINT watched[kMaxWatched];
  volatile LONG reserved;  // entries handed out so far
  SpyEntry entries[kMaxEntries];
};

}  // namespace qpad::e2e
