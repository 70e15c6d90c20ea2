#include "resident/resident_lifecycle.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/support/memory_file_system.h"

namespace qpad::resident {
namespace {

using ::testing::ElementsAre;
using qpad::testing::MemoryFileSystem;

const std::filesystem::path kFolder = "/qpad";
const std::string kStartUpError = std::string("Message:") + kStartUpErrorMessage;

// The system as the lifecycle sees it: every call noted in order.
class FakeSystem final : public ResidentSystem {
 public:
  explicit FakeSystem(const MemoryFileSystem& files) : files_(files) {}

  std::vector<std::string> calls;
  bool otherCopyRunning = false;
  int openResult = 0;
  // Runs once, at the next pending-messages point.
  std::function<void()> duringPump;
  std::map<std::filesystem::path, std::string> filesAtEndHook;

  bool ClaimSingleInstance() override {
    calls.push_back("ClaimSingleInstance");
    return !otherCopyRunning;
  }
  int OpenSharedBlock() override {
    calls.push_back("OpenSharedBlock");
    return openResult;
  }
  void CloseSharedBlock() override { calls.push_back("CloseSharedBlock"); }
  void StartHook() override { calls.push_back("StartHook"); }
  void EndHook() override {
    calls.push_back("EndHook");
    filesAtEndHook = files_.files;
  }
  void ShowMessage(const std::string& text) override { calls.push_back("Message:" + text); }
  void ProcessPendingMessages() override {
    if (!duringPump) return;
    auto run = std::move(duringPump);
    duringPump = nullptr;
    run();
  }
  void StartEndTimer() override { calls.push_back("StartEndTimer"); }
  void CloseMainWindow() override { calls.push_back("CloseMainWindow"); }

 private:
  const MemoryFileSystem& files_;
};

// A Qpad on a data folder in memory: settings naming menu 1 "Hist".
struct Resident {
  Resident() {
    Put("Qpad.ini",
        "[SBTIMESET]\r\nHook_ON=1\r\nWaitTimeFlg=0\r\niBast16=3\r\nMenuNo=2\r\n"
        "[MENU_LIST]\r\nMenuItem_Count=1\r\nMenuItem_1=Hist\r\n");
    Put("Main.csv", "Main\r\n");
    Put("Hist.csv", "Hist\r\n[#a#][M:]alpha\r\n");
  }

  void Put(const std::string& name, const std::string& bytes) { files.files[kFolder / name] = bytes; }
  std::string Get(const std::string& name) { return files.files[kFolder / name]; }
  std::vector<std::string> CallsAfter(size_t first) {
    return {system.calls.begin() + static_cast<std::ptrdiff_t>(first), system.calls.end()};
  }

  MemoryFileSystem files;
  FakeSystem system{files};
  ResidentLifecycle lifecycle{DataFolder{kFolder, &files}, system};
};

TEST(ResidentLifecycle, StartsAndShutsDownInOrder) {
  Resident r;
  EXPECT_EQ(r.lifecycle.StartUp(), Phase::Running);
  EXPECT_THAT(r.system.calls, ElementsAre("ClaimSingleInstance", "OpenSharedBlock", "StartHook"));
  EXPECT_TRUE(r.lifecycle.Settings().Hook_ON);
  ASSERT_EQ(r.lifecycle.Menus().size(), 2u);
  EXPECT_EQ(r.lifecycle.Menus()[1].elements.at(1), "[#a#][M:]alpha");

  r.Put("Qpad.ini", "[SBTIMESET]\r\n");
  r.Put("Hist.csv", "");
  r.lifecycle.ShutDown(/*quiet=*/false);
  EXPECT_THAT(r.CallsAfter(3), ElementsAre("EndHook", "CloseSharedBlock"));
  // Both files are written before the hook ends.
  EXPECT_EQ(r.system.filesAtEndHook[kFolder / "Qpad.ini"],
            "[SBTIMESET]\r\nWaitTimeFlg=0\r\nInetBrowserNS=0\r\nHook_ON=1\r\nMenuNo=2\r\niBast16=3\r\n");
  EXPECT_EQ(r.system.filesAtEndHook[kFolder / "Hist.csv"], "Hist\r\n[#a#][M:]alpha\r\n");

  r.lifecycle.ShutDown(/*quiet=*/false);
  EXPECT_EQ(r.system.calls.size(), 5u) << "a second shutdown does nothing";
}

TEST(ResidentLifecycle, SecondCopyLoadsNothingAndWritesNothing) {
  Resident r;
  r.system.otherCopyRunning = true;
  EXPECT_EQ(r.lifecycle.StartUp(), Phase::Refused);
  r.lifecycle.ShutDown(/*quiet=*/false);
  EXPECT_THAT(r.system.calls, ElementsAre("ClaimSingleInstance", std::string("Message:") + kSecondCopyMessage,
                                        "StartEndTimer"));
  EXPECT_EQ(r.files.replaceCount, 0);
}

struct FailedStart {
  const char* what;
  std::function<void(Resident&)> spoil;
  int openResult;
  std::vector<std::string> calls;
};

TEST(ResidentLifecycle, FailedStartsShowTheirMessagesReleaseWhatWasSetUpAndWriteNothing) {
  const std::vector<FailedStart> cases = {
      {"settings file missing", [](Resident& t) { t.files.files.erase(kFolder / "Qpad.ini"); }, 0,
       {"ClaimSingleInstance", kStartUpError, "CloseMainWindow"}},
      {"menu file missing", [](Resident& t) { t.files.files.erase(kFolder / "Hist.csv"); }, 0,
       {"ClaimSingleInstance", "Message:データ（Hist.csv）がありません", kStartUpError, "CloseMainWindow"}},
      {"a number that is not one",
       [](Resident& t) { t.Put("Qpad.ini", "[SBTIMESET]\r\nWaitTime=abc\r\n"); }, 0,
       {"ClaimSingleInstance", "Message:'abc' は整数ではありません", kStartUpError, "CloseMainWindow"}},
      {"block not created", [](Resident&) {}, -1,
       {"ClaimSingleInstance", "OpenSharedBlock", kStartUpError, "CloseMainWindow"}},
      {"block not mapped", [](Resident&) {}, -2,
       {"ClaimSingleInstance", "OpenSharedBlock", kStartUpError, "CloseMainWindow"}},
      {"message not registered", [](Resident&) {}, -3,
       {"ClaimSingleInstance", "OpenSharedBlock", kStartUpError, "CloseMainWindow"}},
  };
  for (const FailedStart& c : cases) {
    Resident fresh;
    c.spoil(fresh);
    fresh.system.openResult = c.openResult;
    EXPECT_EQ(fresh.lifecycle.StartUp(), Phase::Failed) << c.what;
    fresh.lifecycle.ShutDown(/*quiet=*/false);
    EXPECT_EQ(fresh.system.calls, c.calls) << c.what;
    EXPECT_EQ(fresh.files.replaceCount, 0) << c.what;
  }
}

TEST(ResidentLifecycle, ReloadKeepsTheModeChosenAtRunTimeAndReadsEverythingElseAgain) {
  Resident r;
  r.lifecycle.StartUp();
  r.lifecycle.ToggleEnabled();  // off, as the system page would
  r.Put("Qpad.ini",
      "[SBTIMESET]\r\nHook_ON=1\r\nWaitTimeFlg=1\r\niBast16=9\r\n"
      "[MENU_LIST]\r\nMenuItem_Count=1\r\nMenuItem_1=Hist\r\n");
  r.Put("Hist.csv", "Hist\r\n[#b#][M:]beta\r\n");

  r.lifecycle.ReloadSettings();
  EXPECT_FALSE(r.lifecycle.Settings().Hook_ON);
  EXPECT_FALSE(r.lifecycle.Settings().WaitTimeFlg);
  EXPECT_EQ(r.lifecycle.Settings().iBast16, 9);
  EXPECT_EQ(r.lifecycle.Menus()[1].elements, (std::vector<std::string>{"Hist", "[#b#][M:]beta"}));
  EXPECT_EQ(r.system.calls.size(), 3u) << "no message";
}

TEST(ResidentLifecycle, ReloadFailuresAreReportedAndTheProgramGoesOn) {
  Resident r;
  r.lifecycle.StartUp();
  r.files.files.erase(kFolder / "Hist.csv");
  r.lifecycle.ReloadSettings();
  EXPECT_THAT(r.CallsAfter(3), ElementsAre("Message:データ（Hist.csv）がありません"));

  r.Put("Qpad.ini", r.Get("Qpad.ini") + "[SYSTEM]\r\niUnVis=wide\r\n");
  r.Put("Hist.csv", "Hist\r\n[#c#][M:]gamma\r\n");
  r.lifecycle.ReloadSettings();
  EXPECT_THAT(r.CallsAfter(4), ElementsAre("Message:'wide' は整数ではありません"));
  // The menus are read all the same, once.
  EXPECT_EQ(r.lifecycle.Menus()[1].elements, (std::vector<std::string>{"Hist", "[#c#][M:]gamma"}));
  EXPECT_EQ(r.lifecycle.CurrentPhase(), Phase::Running);
}

TEST(ResidentLifecycle, ReloadAskedForDuringALoadRunsRightAfterIt) {
  Resident r;
  r.lifecycle.StartUp();
  r.system.duringPump = [&] {
    EXPECT_TRUE(r.lifecycle.IsLoading());
    r.Put("Hist.csv", "Hist\r\n[#late#][M:]written during the load\r\n");
    r.lifecycle.ReloadSettings();
    EXPECT_TRUE(r.lifecycle.IsLoading()) << "the nested request must not load at once";
  };
  r.lifecycle.ReloadSettings();
  EXPECT_FALSE(r.lifecycle.IsLoading());
  EXPECT_EQ(r.lifecycle.Menus()[1].elements.at(1), "[#late#][M:]written during the load");
}

TEST(ResidentLifecycle, WhileLoadingTheTableInUseStaysWholeAndAClosingWaits) {
  Resident r;
  r.lifecycle.StartUp();
  r.Put("Hist.csv", "Hist\r\n[#b#][M:]beta\r\n");
  r.system.duringPump = [&] {
    EXPECT_EQ(r.lifecycle.Menus()[1].elements.at(1), "[#a#][M:]alpha");
    EXPECT_FALSE(r.lifecycle.MayCloseNow());
  };
  r.lifecycle.ReloadSettings();
  EXPECT_THAT(r.CallsAfter(3), ElementsAre("CloseMainWindow"));
  EXPECT_TRUE(r.lifecycle.MayCloseNow());
}

TEST(ResidentLifecycle, QuietShutdownShowsNoFailure) {
  Resident r;
  r.lifecycle.StartUp();
  r.files.replacesBeforeFailure = 0;
  Resident loud;
  loud.lifecycle.StartUp();
  loud.files.replacesBeforeFailure = 0;

  r.lifecycle.ShutDown(/*quiet=*/true);
  loud.lifecycle.ShutDown(/*quiet=*/false);
  EXPECT_THAT(r.CallsAfter(3), ElementsAre("EndHook", "CloseSharedBlock"));
  EXPECT_EQ(loud.CallsAfter(3).size(), 4u) << "two write failures shown";
}

}  // namespace
}  // namespace qpad::resident
