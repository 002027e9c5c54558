#include "settings/settings_fixture.h"

namespace horalix::test {
namespace {

using HotKeyCapture = SettingsFixture;

// Key codes: Shift 16, Ctrl 17, Alt 18, Delete 46, F2 113, F3 114, F5 116, keypad 7 103.
struct Key {
  bool down;
  int code, shift;
};

TEST_F(HotKeyCapture, KeyPressesBecomeHotKeyTexts) {
  struct Case {
    const char* what;
    std::vector<Key> keys;
    const char* text;
  };
  const Case cases[] = {
      {"Shift+A", {{true, 16, 1}, {true, 65, 1}, {false, 65, 1}, {false, 16, 0}}, "A"},
      {"Ctrl+Shift+F5",
       {{true, 17, 2}, {true, 16, 3}, {true, 116, 3}, {false, 116, 3}},
       "Shift+Ctrl+F5"},
      {"Ctrl+Alt+Shift+Space", {{true, 32, 7}, {false, 32, 7}}, "Shift+Ctrl+Alt+Space"},
      {"Ctrl+Alt+3", {{true, 51, 6}, {false, 51, 6}}, "无"},
      {"Ctrl+Alt+9", {{true, 57, 6}, {false, 57, 6}}, "无"},
      {"Ctrl+Alt+F3", {{true, 114, 6}, {false, 114, 6}}, "Ctrl+Alt+F3"},
      {"Alt+3", {{true, 51, 4}, {false, 51, 4}}, "Alt+3"},
      {"Alt+keypad 7", {{true, 103, 4}, {false, 103, 4}}, "Alt+Num 7"},
      {"Delete", {{true, 46, 0}, {false, 46, 0}}, "无"},
      {"Ctrl alone", {{true, 17, 2}, {false, 17, 0}}, "无"},
      {"Enter", {{true, 13, 0}, {false, 13, 0}}, "Enter"},
      {"F12 with Shift", {{true, 123, 1}, {false, 123, 1}}, "F12"},
  };
  platform::Control& box = c("Text3", 4);
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    for (const Key& key : k.keys) {
      if (key.down) {
        forms.keyDown(box, key.code, key.shift);
      } else {
        forms.keyUp(box, key.code, key.shift);
      }
    }
    EXPECT_EQ(box.Text(), k.text);
    const std::string text = k.text;
    EXPECT_EQ(box.SelStart(), text == "无" ? 1 : static_cast<int>(text.size()));
  }
  EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(HotKeyCapture, EqualHotKeysAreReportedAndKept) {
  forms.keyDown(c("Text3", 3), 113, 0);
  forms.keyUp(c("Text3", 3), 113, 0);
  EXPECT_TRUE(messageBoxes.shown().empty());
  forms.keyDown(c("Text3", 1), 113, 0);
  forms.keyUp(c("Text3", 1), 113, 0);
  ASSERT_FALSE(messageBoxes.shown().empty());
  EXPECT_EQ(messageBoxes.shown().back().text, "热键设置不能相同");
  EXPECT_EQ(messageBoxes.shown().back().timeoutMs, 800);
  EXPECT_EQ(c("Text3", 1).Text(), "F2");
  EXPECT_EQ(c("Text3", 3).Text(), "F2");
  // Boxes holding "无" are never equal hot keys.
  const std::size_t before = messageBoxes.shown().size();
  for (int box : {1, 3}) {
    forms.keyDown(c("Text3", box), 46, 0);
    forms.keyUp(c("Text3", box), 46, 0);
  }
  forms.keyDown(c("Text3", 2), 114, 0);
  EXPECT_EQ(messageBoxes.shown().size(), before);
}

TEST_F(HotKeyCapture, TheBoxesTakeNoTypedCharacters) {
  forms.typeKeys(c("Text3", 2), "abc");
  EXPECT_EQ(c("Text3", 2).Text(), "无");
}

}  // namespace
}  // namespace horalix::test
