#include "services/option_names.h"

#include <gtest/gtest.h>

#include <string>

#include "services/settings_record.h"

namespace horalix {
namespace {

// Each name's character in the default record, as the settings window's tables give them: a
// name pointing at the wrong character reads another default somewhere along the string.
TEST(OptionNamesTest, EveryNameReadsItsCharacterOfTheDefaultRecord) {
  const SettingsBlock d = DefaultSettings();
  struct CheckCase {
    CheckFlag flag;
    const char* expected;
  };
  const CheckCase checks[] = {
      {CheckFlag::TimedDuration, "1"},      {CheckFlag::OvertimeLimit, "1"},
      {CheckFlag::ContinuousReminder, "1"}, {CheckFlag::SmartTiming, "0"},
      {CheckFlag::SettingsAllowed, "1"},    {CheckFlag::PauseAllowed, "0"},
      {CheckFlag::KeepTimeText, "1"},       {CheckFlag::HideWhenIdle, "0"},
      {CheckFlag::TransparentBack, "0"},    {CheckFlag::Unused13, "0"},
      {CheckFlag::FlashStart, "1"},         {CheckFlag::SoundOvertime, "1"},
      {CheckFlag::ScreenTranslucent, "1"},  {CheckFlag::ScreenBlack, "0"},
      {CheckFlag::ScreenWhite, "0"},        {CheckFlag::EndSound, "1"},
      {CheckFlag::EndFlash, "0"},           {CheckFlag::EndPrompt, "1"},
  };
  for (const CheckCase& c : checks) {
    EXPECT_EQ(OptionChar(d.checkvalue, c.flag), c.expected) << static_cast<int>(c.flag);
  }
  EXPECT_EQ(static_cast<int>(d.checkvalue.size()), kCheckvalueLength);

  const OptFlag optsOn[] = {OptFlag::CountDown, OptFlag::FormatMinutes, OptFlag::AfterZeroOvertime};
  const OptFlag optsOff[] = {OptFlag::CountUp,    OptFlag::FormatSeconds, OptFlag::FormatHours,
                             OptFlag::FormatDays, OptFlag::AfterZeroStop, OptFlag::AfterZeroCycle};
  for (OptFlag f : optsOn) EXPECT_TRUE(OptionOn(d.optvalue, f)) << static_cast<int>(f);
  for (OptFlag f : optsOff) EXPECT_FALSE(OptionOn(d.optvalue, f)) << static_cast<int>(f);
  EXPECT_EQ(static_cast<int>(d.optvalue.size()), kOptvalueLength);

  EXPECT_FALSE(OptionOn(d.AImode, AiFlag::Manual));
  EXPECT_TRUE(OptionOn(d.AImode, AiFlag::Automatic));
  EXPECT_FALSE(OptionOn(d.AImode, AiFlag::Ppt));
  EXPECT_TRUE(OptionOn(d.AImode, AiFlag::Cad));
  EXPECT_EQ(static_cast<int>(d.AImode.size()), kAImodeLength);
}

// The reminder grid by stage: the start row has a flash and a sound, the alarms and zero also a
// switch and a prompt bar.
TEST(OptionNamesTest, StagesMapToTheirRowOfTheReminderGrid) {
  struct Case {
    int stage;
    CheckFlag flash, sound;
  };
  const Case cases[] = {{0, CheckFlag::FlashStart, CheckFlag::SoundStart},
                        {1, CheckFlag::FlashAlarm1, CheckFlag::SoundAlarm1},
                        {3, CheckFlag::FlashAlarm3, CheckFlag::SoundAlarm3},
                        {4, CheckFlag::FlashOvertime, CheckFlag::SoundOvertime}};
  for (const Case& c : cases) {
    EXPECT_EQ(StageFlash(c.stage), c.flash) << c.stage;
    EXPECT_EQ(StageSound(c.stage), c.sound) << c.stage;
  }
  EXPECT_EQ(StageSwitch(1), CheckFlag::Alarm1);
  EXPECT_EQ(StageSwitch(4), CheckFlag::OvertimeLimit);
  EXPECT_EQ(StageBar(1), CheckFlag::BarAlarm1);
  EXPECT_EQ(StageBar(4), CheckFlag::BarOvertime);
}

TEST(OptionNamesTest, ShortStringsReadEmptyAndArePaddedWhenSet) {
  std::string options = "1";
  EXPECT_EQ(OptionChar(options, CheckFlag::Alarm1), "");
  EXPECT_FALSE(OptionOn(options, CheckFlag::Alarm1));
  SetOption(options, CheckFlag::PauseAllowed, true);
  EXPECT_EQ(options, "100000001");
  SetOption(options, CheckFlag::TimedDuration, false);
  EXPECT_EQ(options, "000000001");
}

TEST(OptionNamesTest, FontselectFieldsSplitTheStoredText) {
  const std::string stored = "1060602\\65280";
  EXPECT_EQ(FontselectPart(stored, FontselectField::Lead), "1");
  EXPECT_EQ(FontselectPart(stored, FontselectField::SizeIndex), "06");
  EXPECT_EQ(FontselectPart(stored, FontselectField::ColourIndex), "06");
  EXPECT_EQ(FontselectPart(stored, FontselectField::CornerIndex), "02");
  EXPECT_EQ(FontselectPart(stored, FontselectField::Separator), "\\");
  EXPECT_EQ(FontselectPart(stored, FontselectField::ColourNumber), "65280");
  EXPECT_EQ(MakeFontselect(6, 6, 2, "65280"), stored);
  EXPECT_EQ(MakeFontselect(28, 17, 20, "255"), "1281720\\255");
  EXPECT_EQ(FontselectPart("1", FontselectField::SizeIndex), "");
}

}  // namespace
}  // namespace horalix
