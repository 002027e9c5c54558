// The contract of the option strings: which control of the settings window stands for which
// character. The tables below are written from the stored strings' documented layout, not from
// the code's tables, so that a character moved to another control in the code's tables fails here.
// The controls are those of the window's design on a form without handlers, so that no rule of the
// window (the screen cover keeping one box ticked, the option groups) stands between a character
// and its control.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "services/program_folder.h"
#include "services/settings_record.h"
#include "settings/settings.h"
#include "settings/settings_codec.h"
#include "settings/settings_design.h"
#include "settings/settings_lists.h"
#include "support/bindable_form.h"
#include "support/program_fixture.h"

namespace horalix::test {
namespace {

struct Spot {
  const char* name;  // "" for a position that no control stands for
  int index;
};

// `checkvalue`, positions 1 to 33.
const std::vector<Spot> kCheckvalue = {
    {"Check2", 1},  {"Check2", 2},  {"Check2", 3},  {"Check2", 4}, {"Check2", 5}, {"Check2", 6},
    {"Check1", 0},  {"Check1", 1},  {"Check1", 2},  {"Check1", 3}, {"Check1", 4}, {"Check1", 5},
    {"", -1},       {"Check3", 0},  {"Check3", 1},  {"Check3", 2}, {"Check3", 3}, {"Check3", 4},
    {"Check3", 5},  {"Check3", 6},  {"Check3", 7},  {"Check3", 8}, {"Check4", 1}, {"Check4", 2},
    {"Check4", 3},  {"Check4", 4},  {"Check4", 5},  {"Check5", 0}, {"Check5", 1}, {"Check5", 2},
    {"Check11", 0}, {"Check11", 1}, {"Check11", 2},
};

// `optvalue`, positions 1 to 9.
const std::vector<Spot> kOptvalue = {
    {"Option1", 0}, {"Option1", 1}, {"Option2", 0}, {"Option2", 1}, {"Option2", 2},
    {"Option2", 3}, {"Option4", 0}, {"Option4", 1}, {"Option4", 2},
};

// `AImode`, positions 1 to 8.
const std::vector<Spot> kAImode = {
    {"Option6", 0}, {"Check6", 0}, {"Check6", 1}, {"Check6", 2},
    {"Check6", 3},  {"Check6", 4}, {"Check6", 5},
};

// `tellsoundname`, its six names in order.
const std::vector<Spot> kSoundNames = {
    {"Text4", 0}, {"Text4", 1}, {"Text4", 2}, {"Text4", 3}, {"Text4", 4}, {"Text4", 10},
};

// One flag string of the record, with its table.
struct FlagString {
  const char* what;
  std::vector<Spot> spots;
  std::string SettingsBlock::*field;
};

class OptionStringPositions : public ProgramFixture {
 protected:
  void SetUp() override {
    installFile("font\\Arial Black.ttf");
    fillSettingsLists(fields, files, platform.fonts, programFolder(app.platform));
  }

  platform::Control& control(const Spot& spot) { return controlNamed(form, spot.name, spot.index); }

  // "0" everywhere but a "1" at `position` (1-based).
  static std::string oneHot(std::size_t length, std::size_t position) {
    std::string s(length, '0');
    s[position - 1] = '1';
    return s;
  }

  // The flag strings, "Option6(1)" placed at AImode position 2.
  std::vector<FlagString> flagStrings() {
    std::vector<Spot> aimode = kAImode;
    aimode.insert(aimode.begin() + 1, {"Option6", 1});
    return {{"checkvalue", kCheckvalue, &SettingsBlock::checkvalue},
            {"optvalue", kOptvalue, &SettingsBlock::optvalue},
            {"AImode", aimode, &SettingsBlock::AImode}};
  }

  BindableForm form{forms, "Settings"};
  const SettingsFields fields{(form.addControls(settingsDesign()), form.binding())};
};

TEST_F(OptionStringPositions, EachCharacterDecodesIntoItsOwnControl) {
  for (const FlagString& flags : flagStrings()) {
    for (std::size_t p = 1; p <= flags.spots.size(); ++p) {
      SCOPED_TRACE(std::string(flags.what) + " position " + std::to_string(p));
      SettingsBlock stored = defaultSettings();
      stored.*flags.field = oneHot(flags.spots.size(), p);
      decodeSettings(fields, stored);
      for (std::size_t q = 1; q <= flags.spots.size(); ++q) {
        const Spot& spot = flags.spots[q - 1];
        if (*spot.name == '\0') continue;
        EXPECT_EQ(control(spot).Value(), q == p ? 1 : 0) << spot.name << "(" << spot.index << ")";
      }
    }
  }
}

TEST_F(OptionStringPositions, EachControlEncodesIntoItsOwnCharacter) {
  for (const FlagString& flags : flagStrings()) {
    for (std::size_t p = 1; p <= flags.spots.size(); ++p) {
      SCOPED_TRACE(std::string(flags.what) + " position " + std::to_string(p));
      for (std::size_t q = 1; q <= flags.spots.size(); ++q) {
        const Spot& spot = flags.spots[q - 1];
        if (*spot.name != '\0') control(spot).setValue(q == p ? 1 : 0);
      }
      // Position 13 of checkvalue stands for no control: always "0".
      const bool none = *flags.spots[p - 1].name == '\0';
      EXPECT_EQ(encodeSettings(fields).*flags.field,
                none ? std::string(flags.spots.size(), '0') : oneHot(flags.spots.size(), p));
    }
  }
}

TEST_F(OptionStringPositions, SoundNamesAndLookFieldsGoToTheirOwnControls) {
  SettingsBlock stored = defaultSettings();
  stored.tellsoundname = "s0.wav\\s1.wav\\s2.wav\\s3.wav\\s4.wav\\s5.wav";
  // Size position 5, colour position 3, corner position 4.
  stored.Fontselect = "1050304\\255";
  decodeSettings(fields, stored);
  for (std::size_t i = 0; i < kSoundNames.size(); ++i) {
    EXPECT_EQ(control(kSoundNames[i]).Text(), "s" + std::to_string(i) + ".wav") << i;
  }
  EXPECT_EQ(controlNamed(form, "Combo2").ListIndex(), 5);
  EXPECT_EQ(controlNamed(form, "Combo3").ListIndex(), 3);
  EXPECT_EQ(controlNamed(form, "Combo4").ListIndex(), 4);

  for (std::size_t i = 0; i < kSoundNames.size(); ++i) {
    control(kSoundNames[i]).setText("t" + std::to_string(i) + ".wav");
  }
  controlNamed(form, "Combo2").setListIndex(7);
  controlNamed(form, "Combo3").setListIndex(2);
  controlNamed(form, "Combo4").setListIndex(9);
  controlNamed(form, "Label10").setBackColor(0xFF00FF);
  const SettingsBlock encoded = encodeSettings(fields);
  EXPECT_EQ(encoded.tellsoundname, "t0.wav\\t1.wav\\t2.wav\\t3.wav\\t4.wav\\t5.wav");
  EXPECT_EQ(encoded.Fontselect, "1070209\\16711935");
}

}  // namespace
}  // namespace horalix::test
