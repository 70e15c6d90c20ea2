#include "resident/resident_lifecycle.h"

#include <utility>

#include "shared/menu_files.h"
#include "shared/settings_file.h"

namespace qpad::resident {
ResidentLifecycle::ResidentLifecycle(DataFolder data, ResidentSystem& system)
    : data_(std::move(data)), system_(system) {}

Phase ResidentLifecycle::StartUp() {
  if (phase_ != Phase::Starting) return phase_;
  if (!system_.ClaimSingleInstance()) {
    phase_ = Phase::Refused;
    system_.ShowMessage(kSecondCopyMessage);
    system_.StartEndTimer();
    return phase_;
  }

  LoadOutcome loaded = LoadDataFiles();
  if (phase_ != Phase::Starting) return phase_;  // shut down while reading
  if (closePending_) {
    // Closed while reading: end without a start-up error, nothing started.
    phase_ = Phase::Failed;
    system_.CloseMainWindow();
    return phase_;
  }
  if (!loaded.complete) return FailStartUp(loaded.messages);

  if (system_.OpenSharedBlock() != 0) return FailStartUp({});
  blockOpen_ = true;
  system_.StartHook();
  hookStarted_ = true;
  phase_ = Phase::Running;
  return phase_;
}

Phase ResidentLifecycle::FailStartUp(const std::vector<std::string>& messages) {
  phase_ = Phase::Failed;
  for (const std::string& message : messages) ShowUnlessEmpty(message);
  system_.ShowMessage(kStartUpErrorMessage);
  system_.CloseMainWindow();
  return phase_;
}

void ResidentLifecycle::ReloadSettings() {
  if (phase_ != Phase::Running) return;
  if (loading_) {
    reloadPending_ = true;
    return;
  }
  do {
    reloadPending_ = false;
    // Written first, so that the mode and the enable state chosen at run
    // time survive the reading.
    ShowUnlessEmpty(SaveModeFlags(data_, settings_).message);
    LoadOutcome loaded = LoadDataFiles();
    if (closePending_) {
      closePending_ = false;
      system_.CloseMainWindow();
      return;
    }
    for (const std::string& message : loaded.messages) ShowUnlessEmpty(message);
  } while (reloadPending_ && phase_ == Phase::Running);
}

ResidentLifecycle::LoadOutcome ResidentLifecycle::LoadDataFiles() {
  loading_ = true;
  // Read into copies: the loading lets other messages run after every line,
  // and whatever runs then sees the complete data of before.
  SettingsRecord settings = settings_;
  MenuNames names = names_;
  MenuTable menus = menus_;

  LoadOutcome outcome;
  LoadSettingsResult read = LoadSettings(data_, settings, names, menus);
  if (!read.found) {
    outcome.messages.push_back(std::move(read.readError));
  } else {
    // After a conversion error the menus are read all the same, for the
    // menu list as far as it was read.
    outcome.messages.push_back(read.conversionError);
    LoadMenusResult menusRead = LoadMenus(data_, BlankLines::KeepInText, menus,
                                          [this] { system_.ProcessPendingMessages(); });
    outcome.complete = read.conversionError.empty() && menusRead.ok;
    outcome.messages.push_back(std::move(menusRead.message));
  }

  settings_ = std::move(settings);
  names_ = std::move(names);
  menus_ = std::move(menus);
  loading_ = false;
  return outcome;
}

void ResidentLifecycle::ToggleEnabled() { settings_.Hook_ON = !settings_.Hook_ON; }

void ResidentLifecycle::ShutDown(bool quiet) {
  if (phase_ == Phase::Ended) return;
  const bool wasRunning = phase_ == Phase::Running;
  phase_ = Phase::Ended;
  if (wasRunning) {
    // Only values that were loaded are written: a refused or failed start
    // leaves every file as it was.
    Status exitSettings = SaveExitSettings(data_, settings_);
    if (!quiet) ShowUnlessEmpty(exitSettings.message);
    Status history = SaveHistoryMenu(data_, menus_);
    if (!quiet) ShowUnlessEmpty(history.message);
  }
  if (hookStarted_) {
    hookStarted_ = false;
    system_.EndHook();
  }
  if (blockOpen_) {
    blockOpen_ = false;
    system_.CloseSharedBlock();
  }
}

bool ResidentLifecycle::MayCloseNow() {
  if (!loading_) return true;
  closePending_ = true;
  return false;
}

void ResidentLifecycle::ShowUnlessEmpty(const std::string& message) {
  if (!message.empty()) system_.ShowMessage(message);
}

}  // namespace qpad::resident
