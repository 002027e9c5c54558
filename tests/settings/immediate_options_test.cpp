// The options of the settings window that are stored or take effect the moment they change.
#include "settings/settings_fixture.h"

namespace horalix::test {
namespace {

using ImmediateOptions = SettingsFixture;

TEST_F(ImmediateOptions, TransparencyAndTheOvertimeColoursShowOnlyWhatApplies) {
  c("Combo7").setListIndex(3);
  EXPECT_EQ(storedNumber("Timeout"), 3);
  EXPECT_FALSE(c("Text6", 0).Visible());
  c("Combo7").setListIndex(1);  // "变色", nothing stored: yellow text on red
  EXPECT_EQ(storedNumber("Timeout"), 1);
  EXPECT_TRUE(c("Text6", 1).Visible());
  EXPECT_EQ(c("Text6", 0).BackColor(), 65535u);
  EXPECT_EQ(c("Text6", 1).BackColor(), 255u);

  forms.click(c("Check1", 5));  // a palette colour: no advice
  forms.click(c("Check1", 5));
  EXPECT_TRUE(notices().empty());
  dialogs.answerColor(1);
  c("Combo3").setListIndex(17);
  c("Text1", 5).setText("face.png");
  forms.click(c("Check1", 5));
  EXPECT_EQ(notices().back(), "透明时钟建议选用程序设置颜色");
  EXPECT_EQ(messageBoxes.shown().back().timeoutMs, 1000);
  EXPECT_FALSE(c("Text1", 5).Visible());
  EXPECT_FALSE(c("Combo4").Visible());
  EXPECT_FALSE(c("Text6", 1).Visible());
  EXPECT_TRUE(c("Text6", 0).Visible());
  forms.click(c("Check1", 5));
  EXPECT_TRUE(c("Text1", 5).Visible());
  EXPECT_TRUE(c("Text6", 1).Visible());
  EXPECT_EQ(c("Text1", 5).Text(), "");
  forms.click(c("Check1", 5));
  c("Combo7").setListIndex(0);
  c("Combo7").setListIndex(1);
  EXPECT_FALSE(c("Text6", 1).Visible());
}

TEST_F(ImmediateOptions, ClicksStoreTheirValueAtOnce) {
  forms.click(c("Text6", 1));  // cancelled
  EXPECT_EQ(iniValue("Hotkey", "outbackColor"), "");
  dialogs.answerColor(4660);
  forms.click(c("Text6", 1));
  EXPECT_EQ(iniValue("Hotkey", "outbackColor"), "4660");
  EXPECT_EQ(c("Text6", 1).BackColor(), 4660u);
  forms.click(c("Check1", 7));
  EXPECT_EQ(storedNumber("clockcycle"), 1);
  forms.click(c("Check1", 8));
  EXPECT_EQ(iniValue("Hotkey", "opentogetherstop"), "1");
  forms.click(c("Check1", 7));
  forms.click(c("Check1", 8));
  EXPECT_EQ(storedNumber("clockcycle"), 0);
  EXPECT_EQ(iniValue("Hotkey", "opentogetherstop"), "0");
}

TEST_F(ImmediateOptions, TheEyeProtectionColourTogglesWithWhite) {
  desktop.setSystemColor(5, 0x123456);
  forms.click(c("Check10"));
  EXPECT_EQ(desktop.systemColor(5), 13625803u);
  forms.click(c("Check10"));
  EXPECT_EQ(desktop.systemColor(5), 0xFFFFFFu);
  EXPECT_EQ(notices().back(), "电脑眼睛保护色已恢得成白色");
  forms.click(c("Check10"));
  EXPECT_EQ(desktop.systemColor(5), 13625803u);
}

}  // namespace
}  // namespace horalix::test
