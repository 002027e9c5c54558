// The main window's global hot keys. The six commands that have keys read them from
// TimeData.db [Hotkey] each time the keys are taken, and show them after their menu items'
// captions; the presets of the presets submenu get the keys prefix + 1..9 and prefix + Num 1..9.
// The keys reach the program while the window takes them: from its load (through the presets
// menu's rebuild) to its unload.
#include <string>

#include "main/command_table.h"
#include "main/main_needs.h"
#include "main/main_window.h"
#include "services/attempt.h"
#include "services/hot_key_text.h"
#include "services/program_ini.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

constexpr int kFixedKeys = 6;
constexpr int kMostPresetKeys = 9;
constexpr char kBeforeKey[] = "        ";  // eight blanks between a caption and its key

const Command* commandOfHotKey(int id) {
  for (const Command& command : commands()) {
    if (command.hotKey == id) return &command;
  }
  return nullptr;
}

}  // namespace

void MainWindow::Hotkey_set() {
  platform::HotKeys& keys = needs_.platform.hotKeys;
  keys.onHotKey = [this](int id) { HotkeyWndProc(id); };

  for (int id = 1; id <= kFixedKeys; ++id) {
    const Command* command = commandOfHotKey(id);
    if (command == nullptr) continue;
    attempt(needs_.platform.log, "Hotkey_set", [&] {
      const std::string text =
          Trim(readProgramIni(needs_.platform, "Hotkey", std::string(command->hotKeyName), ""));
      // The key's text, which the painted caption shows after the command's name.
      hotKeyTexts_.at(static_cast<std::size_t>(id)) = kBeforeKey + (text == "无" ? "" : text);
      paintMenus();
      const std::uint32_t virtualKey = HotkeyKeyCode(text);
      if (virtualKey == 0) return;
      if (keys.registerKey(*this, id, HotkeyModifiers(text), static_cast<int>(virtualKey))) return;
      // The pause command is not on the clock's own menu line, hence no "also" there.
      const bool pause = command->id == CommandId::PauseResume;
      needs_.platform.messageBoxes.show("热键" + text + "被其它程序占有\r\r" +
                                            "请更改热键或关闭其他程序以便设置\r\r" +
                                            (pause ? "" : "也") + "可右键单击时钟执行相应命令",
                                        "Horalix", platform::mb::Ok);
    });
  }

  if (!IsPresetHotkeyOn(needs_.platform)) return;
  const std::string prefix = PresetHotkeyPrefix(needs_.platform);
  // An often value that names no modifier would take the bare digits from every program.
  if (prefix.empty()) return;
  int count = kMostPresetKeys;
  attempt(needs_.platform.log, "Hotkey_set", [&] { count = presetHotKeyCount(); });
  for (int pad = 0; pad < 2; ++pad) {
    for (int i = 1; i <= count; ++i) {
      attempt(needs_.platform.log, "Hotkey_set", [&] {
        const std::string digit = prefix + std::to_string(i);
        const std::string key = pad == 0 ? digit : prefix + "Num " + std::to_string(i);
        const int id = kFixedKeys + pad * count + i;
        if (keys.registerKey(*this, id, HotkeyModifiers(digit),
                             static_cast<int>(HotkeyKeyCode(key)))) {
          return;
        }
        needs_.platform.messageBoxes.show(
            "热键" + digit + "被其它程序占有\r\r请更改热键\r\r或右键单击调用", "Horalix",
            platform::mb::Ok);
      });
    }
  }
}

void MainWindow::hotkey_del() {
  platform::HotKeys& keys = needs_.platform.hotKeys;
  keys.onHotKey = nullptr;
  int count = kMostPresetKeys;
  attempt(needs_.platform.log, "hotkey_del", [&] { count = presetHotKeyCount(); });
  for (int id = 1; id <= kFixedKeys + 2 * count; ++id) {
    attempt(needs_.platform.log, "hotkey_del", [&] { keys.unregisterKey(*this, id); });
  }
}

void MainWindow::HotkeyWndProc(int id) { (void)dispatchHotKey(*this, id); }

}  // namespace horalix
