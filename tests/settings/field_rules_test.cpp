#include "settings/settings_codec.h"
#include "settings/settings_fixture.h"

namespace horalix::test {
namespace {

class FieldRules : public SettingsFixture {
 protected:
  void SetUp() override {
    SettingsFixture::SetUp();
    app.settings.time_end = 15;
    decodeSettings(fields, app.settings);
    shownBefore = messageBoxes.shown().size();
  }
  std::vector<std::string> newNotices() const {
    const auto all = notices();
    return {all.begin() + static_cast<long>(shownBefore), all.end()};
  }
  std::size_t shownBefore = 0;
};

TEST_F(FieldRules, NumberFieldsKeepTheirRanges) {
  struct Case {
    int field;
    const char* typed;  // typed key by key into the emptied field
    const char* text;
    int spin;
    const char* notice;  // "" none
  };
  const Case cases[] = {
      {1, "25", "0", 23, "取值范围0-23之间"},
      {4, "0", "60", 9940, "取值范围1-9999秒之间"},
      {0, "101", "30", 70, "取值范围0-100秒之间"},
      {2, "007", "7", 52, ""},
      {7, "9999", "9999", 0, ""},
      {5, "a1b2", "12", 9988, ""},  // the key filter drops what is no digit
      {5, "0", "60", 9940, "取值范围1-9999秒之间"},
      {6, "10000", "60", 9940, "取值范围1-9999秒之间"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.typed);
    const std::size_t before = messageBoxes.shown().size();
    forms.type(c("Text2", k.field), "");
    forms.typeKeys(c("Text2", k.field), k.typed);
    EXPECT_EQ(c("Text2", k.field).Text(), k.text);
    EXPECT_EQ(c("VScrol1", k.field).Value(), k.spin);
    const auto& shown = messageBoxes.shown();
    if (*k.notice == '\0') {
      EXPECT_EQ(shown.size(), before);
    } else {
      ASSERT_EQ(shown.size(), before + 1);
      EXPECT_EQ(shown.back().text, k.notice);
      EXPECT_EQ(shown.back().timeoutMs, 1000);
      EXPECT_EQ(c("Text2", k.field).SelStart(), static_cast<int>(std::string(k.text).size()));
    }
  }
}

TEST_F(FieldRules, PastedTextThatIsNoNumberIsOutOfRangeAndEmptyTextDoesNothing) {
  forms.type(c("Text2", 3), "12");
  forms.type(c("Text2", 3), "");
  EXPECT_EQ(c("VScrol1", 3).Value(), 47);
  EXPECT_TRUE(newNotices().empty());
  forms.type(c("Text2", 3), "1x");
  EXPECT_EQ(c("Text2", 3).Text(), "0");
  EXPECT_EQ(newNotices(), std::vector<std::string>{"取值范围0-59之间"});
  forms.type(c("Text2", 2), "007");
  EXPECT_EQ(c("Text2", 2).Text(), "7");
  forms.type(c("Text2", 2), "07");  // the spin stays where it was: the field itself drops the 0
  EXPECT_EQ(c("Text2", 2).Text(), "7");
}

TEST_F(FieldRules, TheUpperArrowRaisesTheNumberUpToTheTopOfTheRange) {
  forms.type(c("Text2", 2), "58");
  forms.scrollArrow(c("VScrol1", 2), -1);
  EXPECT_EQ(c("Text2", 2).Text(), "59");
  forms.scrollArrow(c("VScrol1", 2), -1);
  EXPECT_EQ(c("Text2", 2).Text(), "59");
  forms.scrollArrow(c("VScrol1", 2), +1);
  EXPECT_EQ(c("Text2", 2).Text(), "58");
}

TEST_F(FieldRules, RowsSwitchWithTheMasterAndTheirOwnBox) {
  const auto rowEnabled = [&](int field) {
    return c("Text2", field).Enabled() && c("VScrol1", field).Enabled() &&
           c("Label1", field).Enabled();
  };
  forms.click(c("Check2", 3));  // alarm 2 off
  for (int field = 1; field <= 7; ++field) EXPECT_EQ(rowEnabled(field), field != 5) << field;
  forms.click(c("Check2", 1));  // the master off
  for (int field = 1; field <= 7; ++field) EXPECT_FALSE(rowEnabled(field)) << field;
  for (int box = 2; box <= 6; ++box) EXPECT_FALSE(c("Check2", box).Enabled()) << box;
  EXPECT_EQ(c("Check2", 2).Value(), 1);  // a disabled row keeps its tick
  forms.click(c("Check2", 1));
  EXPECT_TRUE(rowEnabled(4));
  EXPECT_FALSE(rowEnabled(5));
  EXPECT_TRUE(c("Check2", 5).Enabled());
}

TEST_F(FieldRules, StopAtZeroSwitchesTheOvertimeLimitOffAndTheOthersBringItBack) {
  forms.click(c("Option4", 1));
  EXPECT_EQ(c("Check2", 5).Value(), 0);
  EXPECT_FALSE(c("Check2", 5).Enabled());
  EXPECT_EQ(c("Text2", 7).Text(), "0");
  EXPECT_FALSE(c("Text2", 7).Enabled());
  forms.click(c("Option4", 2));
  EXPECT_EQ(c("Check2", 5).Value(), 1);
  EXPECT_TRUE(c("Check2", 5).Enabled());
  EXPECT_EQ(c("Text2", 7).Text(), "15");
  EXPECT_TRUE(c("Text2", 7).Enabled());
  // With the master off the restored box stays disabled.
  forms.click(c("Check2", 1));
  forms.click(c("Option4", 1));
  forms.click(c("Option4", 0));
  EXPECT_EQ(c("Check2", 5).Value(), 1);
  EXPECT_FALSE(c("Check2", 5).Enabled());
}

TEST_F(FieldRules, ExclusiveBoxesAndTheModeSwitch) {
  forms.click(c("Check5", 2));
  EXPECT_EQ(c("Check5", 0).Value() + c("Check5", 1).Value(), 0);
  forms.click(c("Check5", 2));  // unticking the ticked box
  EXPECT_EQ(c("Check5", 0).Value(), 1);
  EXPECT_EQ(c("Check5", 2).Value(), 0);

  ASSERT_EQ(c("Check6", 2).Value(), 1);  // slide shows, as stored by default
  forms.click(c("Check6", 4));           // PPT on: slide shows off
  EXPECT_EQ(c("Check6", 2).Value(), 0);
  forms.click(c("Check6", 2));
  EXPECT_EQ(c("Check6", 4).Value(), 0);
  forms.click(c("Check6", 3));  // the other kinds have no rule
  EXPECT_EQ(c("Check6", 2).Value(), 1);

  forms.click(c("Option6", 1));
  forms.click(c("Check1", 0));
  forms.click(c("Option6", 0));
  EXPECT_EQ(c("Check1", 0).Value(), 0);
  EXPECT_FALSE(c("Check1", 0).Enabled());
  for (int kind = 0; kind <= 5; ++kind) EXPECT_FALSE(c("Check6", kind).Enabled());
  forms.click(c("Option6", 1));
  EXPECT_EQ(c("Check1", 0).Value(), 0);
  EXPECT_TRUE(c("Check1", 0).Enabled());
  for (int kind = 0; kind <= 5; ++kind) EXPECT_TRUE(c("Check6", kind).Enabled());
  // The mode options are a group of their own: the count direction stays.
  EXPECT_EQ(c("Option1", 0).Value(), 1);
}

TEST_F(FieldRules, FlashDurationIsCheckedWhenTheFocusLeaves) {
  struct Case {
    const char* text;
    const char* after;
    bool notice;
  };
  const Case cases[] = {{"1", "3", true},  {"31", "3", true}, {"12", "12", false},
                        {"x", "3", false}, {"2", "2", false}, {"30", "30", false}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.text);
    const std::size_t before = messageBoxes.shown().size();
    forms.type(c("Text4", 5), k.text);
    forms.lostFocus(c("Text4", 5));
    EXPECT_EQ(c("Text4", 5).Text(), k.after);
    EXPECT_EQ(messageBoxes.shown().size(), before + (k.notice ? 1 : 0));
  }
  forms.type(c("Text4", 5), "");
  forms.typeKeys(c("Text4", 5), "1a5");
  EXPECT_EQ(c("Text4", 5).Text(), "15");
}

}  // namespace
}  // namespace horalix::test
