#include "tests/e2e/support/message_spy.h"

#include <cstring>

#include "tests/e2e/support/bench_paths.h"
#include "tests/e2e/support/message_spy_log.h"

namespace qpad::e2e {

MessageSpy::~MessageSpy() {
  if (hook_) ::UnhookWindowsHookEx(hook_);
  if (library_) ::FreeLibrary(library_);
}

bool MessageSpy::Attach(DWORD threadId, const std::vector<UINT>& watched) {
  if (hook_ || watched.size() > static_cast<size_t>(SpyLog::kMaxWatched)) return false;
  mapping_.Reset(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(SpyLog), kSpyLogName));
  if (!mapping_) return false;
  view_.Reset(::MapViewOfFile(mapping_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SpyLog)));
  if (!view_) return false;
  auto* log = static_cast<SpyLog*>(view_.Get());
  std::memset(log, 0, sizeof(SpyLog));
  log->watchedCount = static_cast<LONG>(watched.size());
  for (size_t i = 0; i < watched.size(); ++i) log->watched[i] = watched[i];

  library_ = ::LoadLibraryW(MessageSpyLibrary().c_str());
  if (!library_) return false;
  auto procedure = reinterpret_cast<HOOKPROC>(::GetProcAddress(library_, kSpyProcName));
  if (!procedure) return false;
  hook_ = ::SetWindowsHookExW(WH_GETMESSAGE, procedure, library_, threadId);
  return hook_ != nullptr;
}

std::vector<SeenMessage> MessageSpy::Seen() const {
  std::vector<SeenMessage> seen;
  if (!view_) return seen;
  auto* log = static_cast<const SpyLog*>(view_.Get());
  LONG count = log->reserved < SpyLog::kMaxEntries ? log->reserved : SpyLog::kMaxEntries;
  for (LONG i = 0; i < count; ++i) {
    const SpyEntry& entry = log->entries[i];
    if (!entry.filled) break;  // still being written: later entries are newer
    seen.push_back({entry.message, entry.wParam, entry.lParam});
  }
  return seen;
}

std::vector<WPARAM> MessageSpy::WParamsOf(UINT message) const {
  std::vector<WPARAM> wParams;
  for (const SeenMessage& seen : Seen())
    if (seen.message == message) wParams.push_back(seen.wParam);
  return wParams;
}

}  // namespace qpad::e2e
