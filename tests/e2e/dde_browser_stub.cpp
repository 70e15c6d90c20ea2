// A stand-in for a web browser that answers the editor's DDE request for
// its current page: it registers the service "IExplore" with the topic
// "WWW_GetWindowInfo" and answers a request for item "0xFFFFFFFF" with a
// page address holding "+" and "%41" escapes and a title holding a comma.
// It runs until it is ended; its window of class QpadDdeBrowserStub tells
// the tests that the service is registered.
#include <windows.h>
#include <ddeml.h>

#include <cstring>

namespace {

// "Quill, Pad テスト" in Shift-JIS: the browser answers in its ANSI code page.
constexpr char kReply[] =
    "\"http://example.test/find?q=quill+pad&x=%41\","
    "\"Quill, Pad \x83\x65\x83\x58\x83\x67\"";

DWORD instance = 0;
HSZ service = nullptr;
HSZ topic = nullptr;
HSZ item = nullptr;

HDDEDATA CALLBACK Serve(UINT type, UINT format, HCONV, HSZ topicAsked, HSZ itemAsked, HDDEDATA,
                        ULONG_PTR, ULONG_PTR) {
  switch (type) {
    case XTYP_CONNECT:
      return reinterpret_cast<HDDEDATA>(
          static_cast<INT_PTR>(::DdeCmpStringHandles(topicAsked, topic) == 0));
    case XTYP_REQUEST:
      if (format != CF_TEXT || ::DdeCmpStringHandles(itemAsked, item) != 0) return nullptr;
      return ::DdeCreateDataHandle(instance, reinterpret_cast<BYTE*>(const_cast<char*>(kReply)),
                                   sizeof kReply, 0, itemAsked, CF_TEXT, 0);
  }
  return nullptr;
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
  if (::DdeInitializeA(&instance, Serve, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS, 0) !=
      DMLERR_NO_ERROR)
    return 1;
  service = ::DdeCreateStringHandleA(instance, "IExplore", CP_WINANSI);
  topic = ::DdeCreateStringHandleA(instance, "WWW_GetWindowInfo", CP_WINANSI);
  item = ::DdeCreateStringHandleA(instance, "0xFFFFFFFF", CP_WINANSI);
  if (!::DdeNameService(instance, service, nullptr, DNS_REGISTER)) return 1;

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = hInstance;
  windowClass.lpszClassName = "QpadDdeBrowserStub";
  ::RegisterClassA(&windowClass);
  ::CreateWindowA("QpadDdeBrowserStub", "DDE browser stub", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                  hInstance, nullptr);

  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) ::DispatchMessageA(&message);
  ::DdeNameService(instance, service, nullptr, DNS_UNREGISTER);
  ::DdeUninitialize(instance);
  return 0;
}
