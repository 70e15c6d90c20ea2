#pragma once
// Qpad's start-up, reload and shutdown: the order of the steps, what a
// refused or failed start leaves behind (nothing written, only what was set
// up released), and the guard that keeps a second load from running inside
// one that is still reading (loading lets pending messages run after every
// line). The window side carries the steps out through ResidentSystem.

#include <string>
#include <vector>

#include "shared/data_folder.h"
#include "shared/menu_table.h"
#include "shared/settings_record.h"

namespace qpad::resident {

// What the lifecycle needs of the system; Win32 in the program, fakes in
// the tests.
class ResidentSystem {
 public:
  virtual ~ResidentSystem() = default;

  // Creates the single-instance mutex; false when another copy holds it.
  virtual bool ClaimSingleInstance() = 0;
  // 0 on success, -1 block not created, -2 block not mapped, -3 message not
  // registered. A failure leaves nothing open.
  virtual int OpenSharedBlock() = 0;
  virtual void CloseSharedBlock() = 0;
  virtual void StartHook() = 0;
  virtual void EndHook() = 0;

  // A modal message box titled with the application title; returns when the
  // user has closed it.
  virtual void ShowMessage(const std::string& utf8Text) = 0;
  // Lets the program's windows handle what waits in the queue.
  virtual void ProcessPendingMessages() = 0;
  // Timer_End: closes the main window 500 ms later.
  virtual void StartEndTimer() = 0;
  // Asks the main window to close (posted, never inside the caller).
  virtual void CloseMainWindow() = 0;
};

enum class Phase {
  Starting,
  Refused,  // a second copy: ends when Timer_End fires
  Failed,   // start-up error: ends at once
  Running,
  Ended,    // shutdown has run
};

// Texts of the program's own messages.
inline constexpr char kSecondCopyMessage[] = "２重起動はできません";
inline constexpr char kStartUpErrorMessage[] = "起動時にエラーが発生しました。";

class ResidentLifecycle {
 public:
  ResidentLifecycle(DataFolder data, ResidentSystem& system);

  // Single instance, settings, menus, shared block, hook. A value of the
  // settings file that is not a number is a start-up error: its own message,
  // then the start-up error, and the program ends without writing.
  Phase StartUp();

  // SaveModeFlags, LoadSettings, LoadMenus. Messages are the only report;
  // the program goes on with what was read. Asked for while a load runs, it
  // runs once more right after that load.
  void ReloadSettings();

  // Switches Hook_ON in memory; the hook keeps running.
  void ToggleEnabled();

  // SaveExitSettings and SaveHistoryMenu after a complete start only, then
  // EndHook_Mouse and CloseSharedBlock for what this copy set up. `quiet`:
  // no message boxes, for the end of the user's session. Runs once.
  void ShutDown(bool quiet);

  // The main window asks before it closes: false while a load runs (the
  // window is closed through CloseMainWindow once the load has ended).
  bool MayCloseNow();

  // The data files are being read; nothing may change the menu table.
  bool IsLoading() const { return loading_; }
  Phase CurrentPhase() const { return phase_; }

  SettingsRecord& Settings() { return settings_; }
  const MenuNames& Names() const { return names_; }
  MenuTable& Menus() { return menus_; }

 private:
  struct LoadOutcome {
    bool complete = false;
    std::vector<std::string> messages;  // the data layer's, in order; empty ones are none
  };
  LoadOutcome LoadDataFiles();
  Phase FailStartUp(const std::vector<std::string>& messages);
  void ShowUnlessEmpty(const std::string& message);

  DataFolder data_;
  ResidentSystem& system_;
  Phase phase_ = Phase::Starting;

  SettingsRecord settings_;
  MenuNames names_;
  MenuTable menus_;

  bool loading_ = false;
  bool reloadPending_ = false;
  bool closePending_ = false;
  bool hookStarted_ = false;
  bool blockOpen_ = false;
};

}  // namespace qpad::resident
