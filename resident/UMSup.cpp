#include "resident/UMSup.h"

#include <utility>

#include "hook/hook_protocol.h"
#include "hook/qpad_hook.h"
#include "platform/win32/message_box.h"
#include "platform/win32/message_pump.h"
#include "resident/application.h"
#include "resident/hook_message_filter.h"

namespace qpad::resident {
namespace {

using platform::win32::HookSharedBlock;

constexpr wchar_t kMutexName[] = L"Brannock_TQpad";

enum TimerId : UINT_PTR {
  kTimerEnd = 1,  // Timer_End: closes the window of a refused second copy
};
constexpr UINT kTimerEndInterval = 500;

// Recorded position, off-screen, and the active shape's size plus one pixel.
constexpr RECT kStartBounds = {-451, 18, -451 + 86, 18 + 101};

}  // namespace

TFrm_MSup::TFrm_MSup(std::filesystem::path dataFolder)
    : lifecycle_(DataFolder{std::move(dataFolder)}, *this) {}

bool TFrm_MSup::Create() {
  platform::win32::WindowDescription description;
  description.className = L"TFrm_MSup";
  description.caption = kApplicationTitle;
  description.style = WS_POPUP;
  description.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  description.bounds = kStartBounds;
  description.background = ::GetSysColorBrush(COLOR_BTNFACE);
  if (!CreateNativeWindow(description)) return false;
  FormCreate();
  return true;
}

void TFrm_MSup::AttachMenuWindow(TFrm_PopMenu& menuWindow) { menuWindow_ = &menuWindow; }

void TFrm_MSup::FormCreate() { startResult_ = lifecycle_.StartUp(); }

LRESULT TFrm_MSup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The codes are posted to this window, and every message loop of the
  // program dispatches them here, the modal loops of message boxes and of
  // the menu included; so this is the one place that sees them all.
  if (message == hookMessage_ && hookMessage_ != 0) {
    OnHookMessage(wParam);
    return 0;
  }
  switch (message) {
    case WM_TIMER:
      if (wParam == kTimerEnd) Timer_EndTimer();
      return 0;
    case WM_CLOSE:
      FormClose();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) FormEndSession();
      return 0;
    case WM_DESTROY:
      FormDestroy();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

void TFrm_MSup::FormClose() {
  // A load in progress finishes first; the lifecycle closes the window then.
  if (lifecycle_.MayCloseNow()) ::DestroyWindow(Handle());
}

void TFrm_MSup::FormDestroy() {
  lifecycle_.ShutDown(/*quiet=*/false);
  ::PostQuitMessage(StartFailed() ? 1 : 0);
}

void TFrm_MSup::FormEndSession() {
  // The process ends soon after this returns, and no WM_DESTROY comes: save
  // now, without message boxes that nobody will answer.
  lifecycle_.ShutDown(/*quiet=*/true);
  FormClose();
}

void TFrm_MSup::Timer_EndTimer() {
  ::KillTimer(Handle(), kTimerEnd);
  CloseMainWindow();
}

void TFrm_MSup::OnHookMessage(WPARAM code) {
  HookFilterState state;
  state.running = Running();
  state.hookOn = lifecycle_.Settings().Hook_ON;
  state.menuWindowReady = menuWindow_ != nullptr;
  switch (FilterHookCode(state, code)) {
    case HookAction::Press:
      HandlePress();
      break;
    case HookAction::Release:
      HandleRelease();
      break;
    case HookAction::Reload:
      lifecycle_.ReloadSettings();
      break;
    case HookAction::Ignore:
      break;
  }
}

void TFrm_MSup::HandlePress() { ++pressesArrived_; }

void TFrm_MSup::HandleRelease() { ++releasesArrived_; }

bool TFrm_MSup::ClaimSingleInstance() {
  ::SetLastError(ERROR_SUCCESS);
  mutex_.Reset(::CreateMutexW(nullptr, FALSE, kMutexName));
  // Only an existing mutex refuses the start; one that could not be made at
  // all guards nothing but stops nothing either.
  return ::GetLastError() != ERROR_ALREADY_EXISTS;
}

int TFrm_MSup::OpenSharedBlock() {
  switch (block_.Create()) {
    case HookSharedBlock::CreateResult::CannotCreate:
      return -1;
    case HookSharedBlock::CreateResult::CannotMap:
      return -2;
    case HookSharedBlock::CreateResult::Ok:
      break;
  }
  UINT message = ::RegisterWindowMessageW(hook::kMessageName);
  if (message == 0) {
    block_.Close();
    return -3;
  }
  hookMessage_ = message;
  block_.SetMessage(message);
  return 0;
}

void TFrm_MSup::CloseSharedBlock() { block_.Close(); }

void TFrm_MSup::StartHook() { StartHook_Mouse(Handle()); }

void TFrm_MSup::EndHook() { EndHook_Mouse(); }

void TFrm_MSup::ShowMessage(const std::string& utf8Text) {
  platform::win32::ShowMessage(kApplicationTitle, utf8Text);
}

void TFrm_MSup::ProcessPendingMessages() { platform::win32::ProcessPendingMessages(); }

void TFrm_MSup::StartEndTimer() { ::SetTimer(Handle(), kTimerEnd, kTimerEndInterval, nullptr); }

void TFrm_MSup::CloseMainWindow() { ::PostMessageW(Handle(), WM_CLOSE, 0, 0); }

}  // namespace qpad::resident
