#include "resident/action_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/text_codec.h"

namespace qpad {
namespace {

using namespace platform;

constexpr WindowHandle kTarget = 0x5150;

// Records every host call and every played sequence in one order.
class FakeHost : public ActionHost, public InputPlayer {
 public:
  bool PutClipboardText(std::string_view text) override {
    calls.push_back("clipboard");
    if (busyAttempts > 0) {
      --busyAttempts;
      return false;
    }
    clipboard = std::string(text);
    return true;
  }
  void HideMenu() override { calls.push_back("hide"); }
  void StartProgram(std::string_view commandLine) override {
    calls.push_back("start:" + std::string(commandLine));
  }
  void OpenAddress(std::string_view address) override { calls.push_back("open:" + std::string(address)); }
  void ShowWindow(WindowHandle window, int32_t command) override {
    calls.push_back("show:" + std::to_string(command) + Target(window));
  }
  void RequestClose(WindowHandle window, int32_t timeoutMs) override {
    calls.push_back("close:" + std::to_string(timeoutMs) + Target(window));
  }
  std::optional<Rect> WindowRect(WindowHandle window) override {
    calls.push_back("rect" + Target(window));
    return rect;
  }
  int32_t ScanCode(int32_t virtualKey) override {
    // A Japanese keyboard's scan codes of the left-hand modifiers.
    static const std::map<int32_t, int32_t> kScanCodes = {{0xA0, 42}, {0xA2, 29}, {0xA4, 56}};
    auto found = kScanCodes.find(virtualKey);
    return found == kScanCodes.end() ? 0 : found->second;
  }
  void Play(const InputSequence& steps, WindowHandle front) override {
    calls.push_back("play" + Target(front));
    played.push_back(steps);
  }

  // Key and button events, without the waits and pumps around them.
  std::vector<InputStep> Events() const {
    std::vector<InputStep> events;
    for (const InputSequence& sequence : played)
      for (const InputStep& step : sequence)
        if (step.kind == StepKind::KeyDown || step.kind == StepKind::KeyUp || step.kind == StepKind::Mouse)
          events.push_back(step);
    return events;
  }

  int busyAttempts = 0;
  std::string clipboard;
  std::optional<Rect> rect = Rect{100, 200, 500, 600};
  std::vector<std::string> calls;
  std::vector<InputSequence> played;

 private:
  static std::string Target(WindowHandle window) { return window == kTarget ? "" : "@other"; }
};

class ActionRunnerTest : public ::testing::Test {
 protected:
  ActionRunnerTest() {
    menus.resize(2);
    menus[0].elements = {"Main"};
    menus[1].elements = {"履歴"};
    settings.iBast16 = 1;
  }
  ActionOutcome Run(const std::string& record, const std::string& caption = "cap") {
    return runner.RunItem(record, caption, kTarget);
  }

  MenuTable menus;
  SettingsRecord settings;
  FakeHost host;
  ActionRunner runner{menus, settings, host, host};
};

const InputSequence kCtrlV = {Pump(), Wait(100), Front(), Pump(), Wait(100), Pump(),
                              KeyDown(0x11, 0), Wait(5), KeyDown(0x56, 0), Wait(5), KeyUp(0x56), Wait(5),
                              KeyUp(0x11)};

TEST_F(ActionRunnerTest, TheFirstTagOfTheSearchOrderDecidesWhateverItsPosition) {
  struct Case {
    const char* record;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"[#a#][M:]run [F:]notepad.exe", {"start:notepad.exe"}},
      {"[#a#][K:]Key=65: [F:]calc.exe", {"start:calc.exe"}},
      {"[#a#][W:]2 [I:]http://example.test/", {"open:http://example.test/"}},
      {"[#a#][I:]C:\\docs\\a b.txt", {"open:C:\\docs\\a b.txt"}},
      {"[#a#] no tag at all", {}},
  };
  for (const Case& c : cases) {
    host.calls.clear();
    ActionOutcome outcome = Run(c.record);
    EXPECT_TRUE(outcome.ClosesMenu()) << c.record;
    EXPECT_EQ(host.calls, c.calls) << c.record;
  }
}

TEST_F(ActionRunnerTest, PasteFillsTheClipboardHidesTheMenuTypesCtrlVAndRecordsTheText) {
  const std::string text = *Utf8ToCp932("お世話になっております。\r\n二行目");
  const std::string caption = *Utf8ToCp932("挨拶");
  ActionOutcome outcome = Run("[#" + caption + "#][M:]" + text, caption);

  EXPECT_TRUE(outcome.ClosesMenu());
  EXPECT_EQ(host.calls, (std::vector<std::string>{"clipboard", "hide", "play"}));
  EXPECT_EQ(host.clipboard, text);
  ASSERT_EQ(host.played.size(), 1u);
  EXPECT_EQ(host.played[0], kCtrlV);
  ASSERT_EQ(menus[1].ItemCount(), 1);
  EXPECT_EQ(menus[1].elements[1], "[#" + caption + "#][M:]" + text);
  EXPECT_EQ(settings.iBast16, 2);
}

TEST_F(ActionRunnerTest, PasteTakesTheTextAfterANameInTheBody) {
  Run("[#a#][M:][#inner#]tail");
  EXPECT_EQ(host.clipboard, "tail");
}

TEST_F(ActionRunnerTest, ClipboardHeldOpenGivesTheMessageAndNoKeystroke) {
  host.busyAttempts = 1000;
  ActionOutcome outcome = Run("[#a#][M:]hello");

  EXPECT_FALSE(outcome.ClosesMenu());
  EXPECT_EQ(outcome.errorMessage, kClipboardBusyMessage);
  EXPECT_TRUE(host.Events().empty());
  EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "hide"), 0);
  EXPECT_EQ(menus[1].ItemCount(), 0);
  EXPECT_EQ(settings.iBast16, 1);
  // About a second of retries, letting messages run in between.
  int waited = 0;
  for (const InputSequence& sequence : host.played) {
    EXPECT_EQ(sequence.front(), Pump());
    for (const InputStep& step : sequence)
      if (step.kind == StepKind::Wait) waited += step.a;
  }
  EXPECT_GE(waited, 900);
  EXPECT_LE(waited, 1500);
}

TEST_F(ActionRunnerTest, ClipboardBusyForAMomentStillPastes) {
  host.busyAttempts = 3;
  ActionOutcome outcome = Run("[#a#][M:]hello");
  EXPECT_TRUE(outcome.ClosesMenu());
  EXPECT_EQ(host.clipboard, "hello");
  EXPECT_EQ(host.played.back(), kCtrlV);
  EXPECT_EQ(settings.iBast16, 2);
}

TEST_F(ActionRunnerTest, ShortcutKeysAreTypedWithTheModifiersHeld) {
  const InputSequence kStart = {Wait(400), Front(), Pump(), Wait(10)};
  auto startThen = [&](InputSequence rest) {
    InputSequence all = kStart;
    all.insert(all.end(), rest.begin(), rest.end());
    return all;
  };
  struct Case {
    const char* body;
    InputSequence expected;
  };
  const Case cases[] = {
      // Key 0 with Ctrl: Ctrl alone goes down and up.
      {"Key=0: Ctrl ", startThen({KeyDown(0x11, 29), Wait(5), Front(), KeyUp(0x11), Wait(5)})},
      // A two-stroke chord: Ctrl+K then Ctrl+C, Ctrl down throughout.
      {"Key=75: Ctrl  +Key2=67|Key=75: Ctrl ",
       startThen({KeyDown(0x11, 29), Wait(5),
                  Front(), KeyDown(75, 0), Wait(5), KeyUp(75), Wait(5),
                  Front(), KeyDown(67, 0), Wait(5), KeyUp(67), Wait(5),
                  Front(), KeyUp(0x11), Wait(5)})},
      // Pressed Shift, Ctrl, Alt and released in the same order.
      {"Key=65: Shift  Alt  Ctrl ",
       startThen({KeyDown(0x10, 42), Wait(5), KeyDown(0x11, 29), Wait(5), KeyDown(0x12, 56), Wait(5),
                  Front(), KeyDown(65, 0), Wait(5), KeyUp(65), Wait(5),
                  Front(), KeyUp(0x10), Wait(5), KeyUp(0x11), Wait(5), KeyUp(0x12), Wait(5)})},
      // A key code above 255 is sent as its low byte.
      {"Key=321:", startThen({Front(), KeyDown(0x41, 0), Wait(5), KeyUp(0x41), Wait(5), Front()})},
  };
  for (const Case& c : cases) {
    host.played.clear();
    host.calls.clear();
    ActionOutcome outcome = Run(std::string("[#k#][K:]") + c.body);
    EXPECT_TRUE(outcome.ClosesMenu()) << c.body;
    EXPECT_EQ(host.calls, std::vector<std::string>{"play"}) << c.body;
    ASSERT_EQ(host.played.size(), 1u) << c.body;
    EXPECT_EQ(host.played[0], c.expected) << c.body;
  }
}

TEST_F(ActionRunnerTest, KeyNumberThatDoesNotConvertSendsNothingAndKeepsTheMenuOpen) {
  for (const char* body : {"Key=75: Ctrl  +Key2=6x|Key=75: Ctrl ", "Key=K: Shift "}) {
    host.calls.clear();
    ActionOutcome outcome = Run(std::string("[#k#][K:]") + body);
    EXPECT_FALSE(outcome.ClosesMenu()) << body;
    EXPECT_NE(outcome.errorMessage.find("は整数ではありません"), std::string::npos) << body;
    EXPECT_TRUE(host.calls.empty()) << body;
  }
}

TEST_F(ActionRunnerTest, WindowOperations) {
  const InputSequence kFront = {Front(), Pump()};
  const InputSequence kWindowMenu = {Front(), Pump(), KeyDown(0x12, 56), Wait(5), KeyDown(0x20, 0), Wait(5),
                                     KeyUp(0x20), Wait(5), KeyUp(0x12)};
  auto grabAt = [](Point p) {
    return InputSequence{Front(), Pump(), SetCursor(p), MouseEvent(kMouseLeftDown), Wait(5)};
  };
  struct Case {
    const char* body;
    std::vector<std::string> calls;
    std::vector<InputSequence> played;
  };
  // The target's rectangle is 100, 200 - 500, 600.
  const Case cases[] = {
      {"1", {"play", "show:6"}, {kFront}},
      {"2", {"play", "show:3"}, {kFront}},
      {"3", {"play", "show:1"}, {kFront}},
      {"4", {"play", "close:3000"}, {kFront}},
      {"5", {"rect", "play"}, {grabAt({150, 205})}},
      {"6", {"rect", "play"}, {grabAt({102, 598})}},
      {"7", {"rect", "play"}, {grabAt({498, 598})}},
      {"0", {"play"}, {kWindowMenu}},
      {"9", {"play"}, {kWindowMenu}},
      {"-1", {"play"}, {kWindowMenu}},
      {" 2 ", {"play", "show:3"}, {kFront}},
  };
  for (const Case& c : cases) {
    host.calls.clear();
    host.played.clear();
    ActionOutcome outcome = Run(std::string("[#w#][W:]") + c.body);
    EXPECT_TRUE(outcome.ClosesMenu()) << c.body;
    EXPECT_EQ(host.calls, c.calls) << c.body;
    EXPECT_EQ(host.played, c.played) << c.body;
  }
}

TEST_F(ActionRunnerTest, WindowOperationThatCannotBeCarriedOutSendsNothing) {
  for (const char* body : {"x", "", "99999999999", "+-3"}) {
    host.calls.clear();
    ActionOutcome outcome = Run(std::string("[#w#][W:]") + body);
    EXPECT_FALSE(outcome.ClosesMenu()) << body;
    EXPECT_EQ(outcome.errorMessage, "'" + std::string(body) + "' は整数ではありません");
    EXPECT_TRUE(host.calls.empty()) << body;
  }
  // A grab without the window's rectangle presses no button anywhere.
  host.calls.clear();
  host.rect.reset();
  EXPECT_TRUE(Run("[#w#][W:]5").ClosesMenu());
  EXPECT_EQ(host.calls, std::vector<std::string>{"rect"});
}

}  // namespace
}  // namespace qpad
