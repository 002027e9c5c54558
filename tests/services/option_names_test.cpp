#include "services/option_names.h"

#include <gtest/gtest.h>

#include <string>

#include "services/settings_record.h"

namespace horalix {
namespace {

// Each name's character in the default record, as the settings window's tables give them: a
// name pointing at the wrong character reads another default somewhere along the string.
TEST(OptionNamesTest, EveryNameReadsItsCharacterOfTheDefaultRecord) {
  const SettingsBlock d = defaultSettings();
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
    EXPECT_EQ(optionChar(d.checkvalue, c.flag), c.expected) << static_cast<int>(c.flag);
  }
  EXPECT_EQ(static_cast<int>(d.checkvalue.size()), kCheckvalueLength);

  const OptFlag optsOn[] = {OptFlag::CountDown, OptFlag::FormatMinutes, OptFlag::AfterZeroOvertime};
  const OptFlag optsOff[] = {OptFlag::CountUp,    OptFlag::FormatSeconds, OptFlag::FormatHours,
                             OptFlag::FormatDays, OptFlag::AfterZeroStop, OptFlag::AfterZeroCycle};
  for (OptFlag f : optsOn) EXPECT_TRUE(optionOn(d.optvalue, f)) << static_cast<int>(f);
  for (OptFlag f : optsOff) EXPECT_FALSE(optionOn(d.optvalue, f)) << static_cast<int>(f);
  EXPECT_EQ(static_cast<int>(d.optvalue.size()), kOptvalueLength);

  EXPECT_FALSE(optionOn(d.AImode, AiFlag::Manual));
  EXPECT_TRUE(optionOn(d.AImode, AiFlag::Automatic));
  EXPECT_FALSE(optionOn(d.AImode, AiFlag::Ppt));
  EXPECT_TRUE(optionOn(d.AImode, AiFlag::Cad));
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
    EXPECT_EQ(stageFlash(c.stage), c.flash) << c.stage;
    EXPECT_EQ(stageSound(c.stage), c.sound) << c.stage;
  }
  EXPECT_EQ(stageSwitch(1), CheckFlag::Alarm1);
  EXPECT_EQ(stageSwitch(4), CheckFlag::OvertimeLimit);
  EXPECT_EQ(stageBar(1), CheckFlag::BarAlarm1);
  EXPECT_EQ(stageBar(4), CheckFlag::BarOvertime);
}

TEST(OptionNamesTest, ShortStringsReadEmptyAndArePaddedWhenSet) {
  std::string options = "1";
  EXPECT_EQ(optionChar(options, CheckFlag::Alarm1), "");
  EXPECT_FALSE(optionOn(options, CheckFlag::Alarm1));
  setOption(options, CheckFlag::PauseAllowed, true);
  EXPECT_EQ(options, "100000001");
  setOption(options, CheckFlag::TimedDuration, false);
  EXPECT_EQ(options, "000000001");
}

TEST(OptionNamesTest, FontselectFieldsSplitTheStoredText) {
  const std::string stored = "1060602\\65280";
  EXPECT_EQ(fontselectPart(stored, FontselectField::Lead), "1");
  EXPECT_EQ(fontselectPart(stored, FontselectField::SizeIndex), "06");
  EXPECT_EQ(fontselectPart(stored, FontselectField::ColourIndex), "06");
  EXPECT_EQ(fontselectPart(stored, FontselectField::CornerIndex), "02");
  EXPECT_EQ(fontselectPart(stored, FontselectField::Separator), "\\");
  EXPECT_EQ(fontselectPart(stored, FontselectField::ColourNumber), "65280");
  EXPECT_EQ(makeFontselect(6, 6, 2, "65280"), stored);
  EXPECT_EQ(makeFontselect(28, 17, 20, "255"), "1281720\\255");
  EXPECT_EQ(fontselectPart("1", FontselectField::SizeIndex), "");
}

}  // namespace
}  // namespace horalix
