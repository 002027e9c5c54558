// The clock method list of the system page, stored at once, and the repair command.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "settings_fixture.h"

namespace horalix::test {
namespace {

class ClockMethodTest : public SettingsFixture {
 protected:
  std::optional<std::int32_t> storedMethod() {
    const auto value = stored("clockmode");
    if (!value) return std::nullopt;
    return platform::regDwordNumber(*value);
  }
  platform::Control& list() { return c("Combo9"); }
};

TEST_F(ClockMethodTest, TheSystemPageShowsTheStoredMethodAndAChoiceIsStoredAtOnce) {
  EXPECT_TRUE(list().List().empty());
  c("Image2", 3).click();
  EXPECT_EQ(list().List(), (std::vector<std::string>{"方法1", "方法2", "方法3"}));
  EXPECT_EQ(list().ListIndex(), 0);
  EXPECT_EQ(storedMethod(), 0);
  storeNumber("clockmode", 2);
  c("Image2", 3).click();
  EXPECT_EQ(list().Text(), "方法3");
  EXPECT_EQ(storedMethod(), 2);
  list().setListIndex(1);
  window.Unload();
  EXPECT_EQ(storedMethod(), 1);
  // A value no method stands for selects none and stays.
  storeNumber("clockmode", 5);
  c("Image2", 3).click();
  EXPECT_EQ(list().ListIndex(), -1);
  EXPECT_EQ(storedMethod(), 5);
}

TEST_F(ClockMethodTest, TheMethodListAndThePauseOptionExplainThemselvesUnderTheMouse) {
  std::map<std::string, std::string> hints;
  for (const auto& control : window.controls()) {
    if (control->ToolTipText().empty()) continue;
    hints[control->name() + "(" + std::to_string(control->index()) + ")"] = control->ToolTipText();
  }
  EXPECT_EQ(hints, (std::map<std::string, std::string>{
                       {"Check1(2)", "选中计时中可暂停(按热键或时钟右键单击执行暂停/继续命令)"},
                       {"Combo9(-1)", "当不流程调整至计时流程(计时流程无须调整)"}}));
}

TEST_F(ClockMethodTest, RepairDropsTheStoredSettingsAndTheRecordTakesItsDefaults) {
  storeText("checkvalue", std::string(33, '0'));
  app.settings.checkvalue = std::string(33, '0');
  app.settings.tellprocesstext = "mine";
  c("Command5").click();
  EXPECT_FALSE(stored("checkvalue"));
  EXPECT_EQ(app.settings.checkvalue, defaultSettings().checkvalue);
  EXPECT_EQ(app.settings.tellprocesstext, defaultSettings().tellprocesstext);
  EXPECT_EQ(messageBoxes.shown().front().text, "接下来将注册控件，杀毒软件提示请选择允许程序操作");
}

}  // namespace
}  // namespace horalix::test
