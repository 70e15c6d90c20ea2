#include "resident/action_runner.h"

#include "platform/text_codec.h"
#include "resident/recent_texts.h"
#include "shared/decimal_text.h"
#include "shared/item_record.h"
#include "shared/key_spec.h"

namespace qpad {
namespace {

using platform::InputSequence;

// Another program may hold the clipboard open for a moment (clipboard
// managers, remote-desktop clients): try again for about a second.
constexpr int kClipboardRetries = 20;
constexpr int32_t kClipboardRetryWaitMs = 50;

// The modifiers go down in this order and come up in the same order.
struct Modifier {
  bool KeySpec::*used;
  int32_t key;
  int32_t scanKey;  // the left-hand key whose scan code goes with the key-down
};
constexpr Modifier kModifiers[] = {
    {&KeySpec::shift, kVkShift, kVkLShift},
    {&KeySpec::ctrl, kVkControl, kVkLControl},
    {&KeySpec::alt, kVkMenu, kVkLMenu},
};

void Append(InputSequence& to, std::initializer_list<platform::InputStep> steps) {
  to.insert(to.end(), steps);
}

void AppendKeyStroke(InputSequence& to, int32_t key) {
  Append(to, {platform::Front(), platform::KeyDown(key, 0), platform::Wait(5), platform::KeyUp(key),
              platform::Wait(5)});
}

}  // namespace

const std::string_view kClipboardBusyMessage =
    "クリップボードを他のプログラムが使用しているため、文字列を貼り付けられませんでした。\r\n"
    "しばらくしてから、もう一度お試しください。";

ActionRunner::ActionRunner(MenuTable& menus, SettingsRecord& settings, ActionHost& host,
                           platform::InputPlayer& player)
    : menus_(menus), settings_(settings), host_(host), player_(player) {}

ActionOutcome ActionRunner::RunItem(std::string_view record, std::string_view caption,
                                    platform::WindowHandle actionWindow) {
  std::optional<ParsedItem> item = ParseItemForRun(record);
  if (!item) return {};
  switch (item->kind) {
    case ItemKind::FixedText:
      return PasteText(item->body, caption, actionWindow);
    case ItemKind::ShortcutKey:
      return SendShortcut(item->body, actionWindow);
    case ItemKind::ProgramLaunch:
      host_.StartProgram(item->body);
      return {};
    case ItemKind::WindowOperation:
      return OperateWindow(item->body, actionWindow);
    case ItemKind::WebPage:
      host_.OpenAddress(item->body);
      return {};
  }
  return {};
}

ActionOutcome ActionRunner::PasteText(std::string_view body, std::string_view caption,
                                      platform::WindowHandle window) {
  std::string text = TextAfterName(body);
  // Typing Ctrl+V over a clipboard that still holds something else would
  // paste the wrong text.
  if (!PutOnClipboardWithRetry(text)) return {std::string(kClipboardBusyMessage)};
  host_.HideMenu();
  using namespace platform;
  player_.Play({Pump(), Wait(100), Front(), Pump(), Wait(100), Pump(),
                KeyDown(kVkControl, 0), Wait(5), KeyDown(kVkV, 0), Wait(5), KeyUp(kVkV), Wait(5),
                KeyUp(kVkControl)},
               window);
  RecordRecentText(menus_, settings_.iBast16, text, caption);
  return {};
}

bool ActionRunner::PutOnClipboardWithRetry(std::string_view text) {
  if (host_.PutClipboardText(text)) return true;
  for (int retry = 0; retry < kClipboardRetries; ++retry) {
    player_.Play({platform::Pump(), platform::Wait(kClipboardRetryWaitMs)}, 0);
    if (host_.PutClipboardText(text)) return true;
  }
  return false;
}

ActionOutcome ActionRunner::SendShortcut(std::string_view body, platform::WindowHandle window) {
  // Both key numbers are read before anything is pressed.
  std::optional<KeySpec> spec = ReadKeySpec(body);
  if (!spec) return {NotAnIntegerMessage(body)};

  InputSequence steps = {platform::Wait(400), platform::Front(), platform::Pump(), platform::Wait(10)};
  for (const Modifier& modifier : kModifiers)
    if ((*spec).*modifier.used)
      Append(steps, {platform::KeyDown(modifier.key, host_.ScanCode(modifier.scanKey)), platform::Wait(5)});
  // Both keys are typed while the modifiers are held: a two-stroke chord.
  for (int32_t key : {spec->key1, spec->key2})
    if (key != 0) AppendKeyStroke(steps, key);
  steps.push_back(platform::Front());
  for (const Modifier& modifier : kModifiers)
    if ((*spec).*modifier.used) Append(steps, {platform::KeyUp(modifier.key), platform::Wait(5)});
  player_.Play(steps, window);
  return {};
}

ActionOutcome ActionRunner::OperateWindow(std::string_view body, platform::WindowHandle window) {
  std::optional<int32_t> operation = ParseTrimmedDecimal(body);
  if (!operation) return {NotAnIntegerMessage(body)};

  InputSequence steps = {platform::Front(), platform::Pump()};
  switch (*operation) {
    case 1:
    case 2:
    case 3: {
      constexpr int32_t kShowCommands[] = {kSwMinimize, kSwShowMaximized, kSwShowNormal};
      player_.Play(steps, window);
      host_.ShowWindow(window, kShowCommands[*operation - 1]);
      return {};
    }
    case 4:
      player_.Play(steps, window);
      host_.RequestClose(window, kCloseRequestTimeoutMs);
      return {};
    case 5:
    case 6:
    case 7: {
      // Without the rectangle there is no defined place to press the button.
      std::optional<platform::Rect> rect = host_.WindowRect(window);
      if (!rect) return {};
      // The title bar, the lower-left corner, the lower-right corner.
      const platform::Point kGrabPoints[] = {
          {rect->left + 50, rect->top + 5},
          {rect->left + 2, rect->bottom - 2},
          {rect->right - 2, rect->bottom - 2},
      };
      // GrabWindowPoint: no button-up follows, so the window's move or size
      // loop follows the pointer until the user's own release ends it.
      Append(steps, {platform::SetCursor(kGrabPoints[*operation - 5]),
                     platform::MouseEvent(platform::kMouseLeftDown), platform::Wait(5)});
      player_.Play(steps, window);
      return {};
    }
    default:
      // OpenWindowMenu: Alt+Space opens the foreground window's menu.
      Append(steps, {platform::KeyDown(kVkMenu, host_.ScanCode(kVkLMenu)), platform::Wait(5),
                     platform::KeyDown(kVkSpace, 0), platform::Wait(5), platform::KeyUp(kVkSpace),
                     platform::Wait(5), platform::KeyUp(kVkMenu)});
      player_.Play(steps, window);
      return {};
  }
}

}  // namespace qpad
