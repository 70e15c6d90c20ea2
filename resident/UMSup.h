#pragma once
// TFrm_MSup: Qpad's main window. It is the floating button panel, and it
// owns the settings and menus in memory, the link to the hook library and
// the shared block. Its creation runs the start-up and its destruction the
// shutdown (resident_lifecycle.h holds their order).

#include <windows.h>

#include <filesystem>

#include "platform/win32/hook_shared_block.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window.h"
#include "resident/resident_lifecycle.h"

namespace qpad::resident {

class TFrm_PopMenu;

class TFrm_MSup final : public platform::win32::Window, private ResidentSystem {
 public:
  // The data files lie in `dataFolder`.
  explicit TFrm_MSup(std::filesystem::path dataFolder);

  // Creates the window and runs the start-up; false when the system refused
  // the window itself.
  bool Create();

  // Frm_PopMenu exists from now on; press and release codes that arrive
  // before are ignored.
  void AttachMenuWindow(TFrm_PopMenu& menuWindow);

  // Start-up has completed and shutdown has not begun.
  bool Running() const { return lifecycle_.CurrentPhase() == Phase::Running; }
  // The start was refused or failed: the program ends without having done anything.
  bool StartFailed() const { return startResult_ == Phase::Refused || startResult_ == Phase::Failed; }

  void ReloadSettings() { lifecycle_.ReloadSettings(); }
  void ToggleEnabled() { lifecycle_.ToggleEnabled(); }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void FormCreate();
  void FormClose();
  void FormDestroy();
  void FormEndSession();
  void Timer_EndTimer();
  void OnHookMessage(WPARAM code);

  // What the hook codes start; the display logic takes them over.
  void HandlePress();
  void HandleRelease();

  // ResidentSystem
  bool ClaimSingleInstance() override;
  int OpenSharedBlock() override;
  void CloseSharedBlock() override;
  void StartHook() override;
  void EndHook() override;
  void ShowMessage(const std::string& utf8Text) override;
  void ProcessPendingMessages() override;
  void StartEndTimer() override;
  void CloseMainWindow() override;

  ResidentLifecycle lifecycle_;
  Phase startResult_ = Phase::Starting;
  TFrm_PopMenu* menuWindow_ = nullptr;

  platform::win32::UniqueKernelHandle mutex_;  // held for the whole run
  platform::win32::HookSharedBlock block_;
  UINT hookMessage_ = 0;

  int pressesArrived_ = 0;
  int releasesArrived_ = 0;
};

}  // namespace qpad::resident
