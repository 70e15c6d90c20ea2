#pragma once
// The base of every end-to-end test of the programs under Wine. A test gets
// a fresh folder with the built programs and a data set, starts programs in
// it, drives the pointer, and looks at windows, message boxes and files.
// Everything it started is ended at teardown, and a failed test leaves a
// screenshot in <build tree>/e2e-shots. See README.md beside this file.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/text_codec.h"
#include "tests/support/sjis.h"
#include "tests/e2e/support/child_process.h"
#include "tests/e2e/support/hook_link_probe.h"
#include "tests/e2e/support/ini_text.h"
#include "tests/e2e/support/message_spy.h"
#include "tests/e2e/support/pointer_driver.h"
#include "tests/e2e/support/screenshot.h"
#include "tests/e2e/support/test_folder.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/window_probe.h"

namespace qpad::e2e {

// The small fixture data set under tests/e2e/data/basic: the assistant on,
// click-ON display, menus "文字列投入" (menu 1) and "文字列投入２" (menu 2).
inline constexpr char kBasicDataSet[] = "basic";

using testing::Sjis;  // test texts are UTF-8 literals; the data files hold Shift-JIS

struct MessageBoxSeen {
  bool shown = false;
  std::string caption;
  std::string text;
};

class QpadE2eTest : public ::testing::Test {
 protected:
  void SetUp() override;     // the folder, with the basic data set
  void TearDown() override;  // a screenshot when the test failed; ends every process

  // Makes the test's folder afresh with `dataSet` (kShippedDataSet or the
  // name of a set under tests/e2e/data).
  void UseDataSet(const std::string& dataSet);
  const TestFolder& Folder() const { return *folder_; }

  // Starts a program of the test's folder ("Qpad.exe", "Qpad_Set.exe").
  ChildProcess& Start(const std::string& program);
  ChildProcess& StartQpad() { return Start("Qpad.exe"); }
  // Starts Qpad and waits until it runs: its main window exists and the
  // shared block names that window.
  ChildProcess& StartRunningQpad();

  // Qpad's main window (class TFrm_MSup); null when there is none.
  static HWND MainWindowOf(const ChildProcess& qpad);
  // Ends Qpad the way its exit entry does, by closing the main window, and
  // waits until the process has gone.
  void CloseQpad(ChildProcess& qpad);

  // Waits for a message box of `process`, notes its caption and text, and
  // presses its OK button.
  MessageBoxSeen AnswerMessageBox(const ChildProcess& process);

  // <build tree>/e2e-shots/<Suite>.<Test>-<label>.png
  void Screenshot(const std::string& label);

  // The value of a key of the folder's settings file as it is now;
  // "(missing)" when the file has no such key.
  std::string SettingsValue(const std::string& section, const std::string& key) const;

  PointerDriver pointer;

 private:
  std::string TestName() const;

  std::unique_ptr<TestFolder> folder_;
  std::vector<std::unique_ptr<ChildProcess>> processes_;
};

}  // namespace qpad::e2e
