#include "services/hot_key_text.h"

#include <gtest/gtest.h>

#include <string>

namespace horalix::test {
namespace {

// Only the listed modifier orders and key names count, exactly as written.
TEST(HotKeyText, TextsGiveTheirModifiersAndKeyCodes) {
  struct Case {
    const char* text;
    std::uint32_t modifiers, key;
  };
  const Case cases[] = {
      {"Ctrl+Alt+S", 3, 83},
      {"Alt+Ctrl+S", 0, 83},  // an order that is not listed names no modifier
      {"Alt+A", 1, 65},
      {"Ctrl+Z", 2, 90},
      {"Shift+F5", 4, 116},
      {"Shift+Alt+0", 5, 48},
      {"Shift+Ctrl+9", 6, 57},
      {"Shift+Ctrl+Alt+Enter", 7, 13},
      {"Ctrl+Alt+Shift+A", 0, 65},
      {"Ctrl+Num 3", 2, 99},
      {"Num 0", 0, 96},
      {"Num 9", 0, 105},
      {"F1", 0, 112},
      {"Alt+F12", 1, 123},
      {"Space", 0, 32},
      {"s", 0, 0},  // letter case counts
      {"ctrl+S", 0, 83},
      {"Ctrl+enter", 2, 0},
      {"F13", 0, 0},
      {"F0", 0, 0},
      {"Num 10", 0, 0},
      {"Num3", 0, 0},
      {"Ctrl+", 2, 0},
      {"Ctrl++", 0, 0},
      {"+A", 0, 65},
      {"AB", 0, 0},
      {"无", 0, 0},
      {"", 0, 0},
      {" Ctrl+A", 0, 65},  // blanks are the caller's to trim
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(HotkeyModifiers(c.text), c.modifiers);
    EXPECT_EQ(HotkeyKeyCode(c.text), c.key);
  }
}

// The settings window names a pressed key with HotkeyKeyName; every name it gives reads back as
// the same key, and every other code gives none.
TEST(HotKeyText, KeyNamesAreTheInverseOfTheKeyCodes) {
  int named = 0;
  for (int code = -1; code <= 256; ++code) {
    const std::string name = HotkeyKeyName(static_cast<std::int16_t>(code));
    if (name.empty()) continue;
    ++named;
    EXPECT_EQ(HotkeyKeyCode(name), static_cast<std::uint32_t>(code)) << name;
    EXPECT_EQ(HotkeyKeyCode("Shift+Ctrl+Alt+" + name), static_cast<std::uint32_t>(code)) << name;
  }
  EXPECT_EQ(named, 26 + 10 + 10 + 12 + 2);
  const std::pair<int, const char*> names[] = {
      {13, "Enter"}, {32, "Space"}, {48, "0"}, {65, "A"}, {90, "Z"}, {96, "Num 0"}, {105, "Num 9"},
      {112, "F1"},   {123, "F12"},  {124, ""}, {47, ""},  {91, ""},  {0, ""},       {-1, ""},
  };
  for (const auto& [code, name] : names) {
    EXPECT_EQ(HotkeyKeyName(static_cast<std::int16_t>(code)), name) << code;
  }
}

}  // namespace
}  // namespace horalix::test
