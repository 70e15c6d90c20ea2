#include "tests/e2e/qpad_e2e_test.h"

namespace qpad::e2e {

void QpadE2eTest::SetUp() { UseDataSet(kBasicDataSet); }

void QpadE2eTest::TearDown() {
  if (HasFailure()) Screenshot("failed");
  for (auto& process : processes_) process->End();
  processes_.clear();
}

void QpadE2eTest::UseDataSet(const std::string& dataSet) {
  folder_ = std::make_unique<TestFolder>(TestName(), dataSet);
}

ChildProcess& QpadE2eTest::Start(const std::string& program) {
  processes_.push_back(std::make_unique<ChildProcess>(folder_->PathOf(program)));
  EXPECT_TRUE(processes_.back()->Started()) << "cannot start " << program;
  return *processes_.back();
}

ChildProcess& QpadE2eTest::StartRunningQpad() {
  ChildProcess& qpad = StartQpad();
  bool running = WaitUntil([&] {
    HWND main = MainWindowOf(qpad);
    return main && ReadHookLink().window == main;
  });
  EXPECT_TRUE(running) << "Qpad did not finish its start-up";
  return qpad;
}

HWND QpadE2eTest::MainWindowOf(const ChildProcess& qpad) {
  return FindProcessWindow(qpad.Id(), L"TFrm_MSup");
}

void QpadE2eTest::CloseQpad(ChildProcess& qpad) {
  HWND main = MainWindowOf(qpad);
  ASSERT_NE(main, nullptr) << "Qpad has no main window";
  ::PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(qpad.WaitForExit()) << "Qpad did not end";
}

MessageBoxSeen QpadE2eTest::AnswerMessageBox(const ChildProcess& process) {
  MessageBoxSeen seen;
  HWND box = nullptr;
  if (!WaitUntil([&] { return (box = FindMessageBox(process.Id())) != nullptr; })) return seen;
  seen.shown = true;
  seen.caption = WindowText(box);
  seen.text = MessageBoxText(box);
  PressOk(box);
  // The next box of the same process may take this one's place at once.
  WaitUntil([&] { return !::IsWindow(box) || !::IsWindowVisible(box); });
  return seen;
}

void QpadE2eTest::Screenshot(const std::string& label) { SaveScreenshot(TestName() + "-" + label); }

std::string QpadE2eTest::SettingsValue(const std::string& section, const std::string& key) const {
  return IniValue(folder_->Read("Qpad.ini"), section, key).value_or("(missing)");
}

std::string QpadE2eTest::TestName() const {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (char& c : name)
    if (c == '/') c = '_';  // parameterized tests: the name is a file name
  return name;
}

}  // namespace qpad::e2e
