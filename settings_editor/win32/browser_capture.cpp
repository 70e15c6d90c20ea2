#include "settings_editor/win32/browser_capture.h"

#include <windows.h>
#include <ddeml.h>

#include <string>
#include <vector>

namespace qpad::editor::win32 {
namespace {

constexpr const char* kService = "IExplore";
constexpr const char* kTopic = "WWW_GetWindowInfo";
constexpr const char* kItem = "0xFFFFFFFF";  // the browser window that was active last
constexpr DWORD kTimeoutMs = 10000;

HDDEDATA CALLBACK IgnoreDdeEvents(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return nullptr;
}

// One DDEML client instance with its string handles; everything it set up
// is released on every way out.
class DdeClient {
 public:
  DdeClient() {
    if (::DdeInitializeA(&instance_, IgnoreDdeEvents, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
      instance_ = 0;
  }
  ~DdeClient() {
    for (HSZ text : strings_) ::DdeFreeStringHandle(instance_, text);
    if (instance_ != 0) ::DdeUninitialize(instance_);
  }
  DdeClient(const DdeClient&) = delete;
  DdeClient& operator=(const DdeClient&) = delete;

  bool ok() const { return instance_ != 0; }
  DWORD instance() const { return instance_; }

  HSZ String(const char* text) {
    HSZ handle = ::DdeCreateStringHandleA(instance_, text, CP_WINANSI);
    if (handle) strings_.push_back(handle);
    return handle;
  }

 private:
  DWORD instance_ = 0;
  std::vector<HSZ> strings_;
};

class Conversation {
 public:
  explicit Conversation(HCONV conversation) : conversation_(conversation) {}
  ~Conversation() {
    if (conversation_) ::DdeDisconnect(conversation_);
  }
  Conversation(const Conversation&) = delete;
  Conversation& operator=(const Conversation&) = delete;
  HCONV get() const { return conversation_; }

 private:
  HCONV conversation_;
};

}  // namespace

CaptureResult CaptureBrowserPage() {
  DdeClient client;
  if (!client.ok()) return {std::nullopt, CaptureFailure::NoBrowser};
  Conversation conversation(
      ::DdeConnect(client.instance(), client.String(kService), client.String(kTopic), nullptr));
  if (!conversation.get()) return {std::nullopt, CaptureFailure::NoBrowser};

  HDDEDATA data = ::DdeClientTransaction(nullptr, 0, conversation.get(), client.String(kItem),
                                         CF_TEXT, XTYP_REQUEST, kTimeoutMs, nullptr);
  if (!data) {
    bool timedOut = ::DdeGetLastError(client.instance()) == DMLERR_DATAACKTIMEOUT;
    return {std::nullopt, timedOut ? CaptureFailure::TimedOut : CaptureFailure::NoData};
  }
  DWORD size = ::DdeGetData(data, nullptr, 0, 0);
  std::string reply(size, '\0');
  if (size > 0) ::DdeGetData(data, reinterpret_cast<BYTE*>(reply.data()), size, 0);
  ::DdeFreeDataHandle(data);
  reply.resize(reply.find('\0') == std::string::npos ? reply.size() : reply.find('\0'));
  if (reply.empty()) return {std::nullopt, CaptureFailure::NoData};
  return ParseBrowserReply(reply);
}

}  // namespace qpad::editor::win32
