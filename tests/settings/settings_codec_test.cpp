#include "settings/settings_codec.h"

#include "services/palette.h"
#include "settings/settings.h"
#include "settings/settings_fixture.h"

namespace horalix::test {
namespace {

using SettingsCodec = SettingsFixture;

TEST_F(SettingsCodec, TheDefaultRecordComesBackUnchangedThroughTheWindow) {
  SettingsBlock stored = defaultSettings();
  stored.secondtimer = "left over";
  stored.time_left = 99;
  decodeSettings(fields, stored);
  const SettingsBlock encoded = encodeSettings(fields, stored);
  SettingsBlock expected = defaultSettings();
  expected.secondtimer = "";
  expected.time_left = 0;
  EXPECT_EQ(encoded, expected);
  EXPECT_EQ(c("Check2", 5).Value(), 1);
  EXPECT_EQ(c("Label10").BackColor(), 65280u);
}

TEST_F(SettingsCodec, EveryFlagCharacterReachesItsOwnControl) {
  // One "1" at a time among "0"s: only that character's control comes back ticked.
  decodeSettings(fields, defaultSettings());
  for (int position = 1; position <= kCheckvalueLength; ++position) {
    SCOPED_TRACE(position);
    const auto flag = static_cast<CheckFlag>(position);
    if (controlOf(fields, flag) == nullptr) continue;
    std::string checkvalue(kCheckvalueLength, '0');
    checkvalue[static_cast<std::size_t>(position - 1)] = '1';
    SettingsBlock stored = defaultSettings();
    stored.checkvalue = checkvalue;
    decodeSettings(fields, stored);
    // The screen-cover rule keeps one screen box ticked; the others are as stored.
    std::string expected = checkvalue;
    if (position < 28 || position > 30) expected[27] = '1';
    EXPECT_EQ(encodeSettings(fields).checkvalue, expected);
  }
}

TEST_F(SettingsCodec, ShortOrBrokenStringsLeaveTheControlsOfMissingCharactersAsTheyWere) {
  decodeSettings(fields, defaultSettings());
  SettingsBlock stored = defaultSettings();
  stored.checkvalue = "0000000-0";  // the alarms off, character 8 not a number
  stored.AImode = "10";
  decodeSettings(fields, stored);
  const SettingsBlock encoded = encodeSettings(fields);
  EXPECT_EQ(encoded.checkvalue.substr(0, 9), "000000010");
  EXPECT_EQ(encoded.checkvalue.substr(9), defaultSettings().checkvalue.substr(9));
  EXPECT_EQ(encoded.AImode, "10111101");
}

TEST_F(SettingsCodec, FontselectColourAndListPositions) {
  struct Case {
    const char* stored;
    const char* encoded;
    std::uint32_t swatch;
  };
  const Case cases[] = {
      // A custom colour takes the number after "\".
      {"1101701\\12345", "1101701\\12345", 12345},
      // A palette position ignores that number and writes the palette's colour.
      {"1100301\\12345", "1100301\\255", ColorByIndex(3)},
      // Positions beyond the lists take the last entries: never a field like "-01".
      {"1409925\\77", "1281720\\77", 77},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.stored);
    SettingsBlock stored = defaultSettings();
    stored.Fontselect = k.stored;
    // Filled by code, as the window's loading and a preset's apply fill it.
    const FillFromCode filling(window);
    decodeSettings(fields, stored);
    EXPECT_EQ(c("Label10").BackColor(), k.swatch);
    EXPECT_EQ(encodeSettings(fields).Fontselect, k.encoded);
  }
}

TEST_F(SettingsCodec, FontNamesAndThePictureAndSoundStrings) {
  SettingsBlock stored = defaultSettings();
  stored.clockFont = "LCD数码";
  stored.picturename = "face.png\\255";
  stored.tellsoundname = "a.wav\\b.wav\\c.wav\\d.wav\\e.wav\\f.mp3";
  decodeSettings(fields, stored);
  SettingsBlock encoded = encodeSettings(fields);
  EXPECT_EQ(encoded.clockFont, "LCD数码");
  EXPECT_EQ(encoded.picturename, "face.png\\255");
  EXPECT_EQ(c("Text4", 10).Text(), "f.mp3");
  EXPECT_EQ(encoded.tellsoundname, stored.tellsoundname);
  // A font the list does not hold falls back to "Trebuchet MS".
  stored.clockFont = "No Such Font";
  decodeSettings(fields, stored);
  EXPECT_EQ(encodeSettings(fields).clockFont, "Trebuchet MS");
}

TEST_F(SettingsCodec, StoredOptionsOutsideTheRecord) {
  StoredOptions stored;
  // "?": "无" stored where the code page has no such character.
  stored.hotKeys = {" F5 ", "", "Ctrl+S", "无", "F6", "?"};
  stored.add = "12";
  stored.often = "10";
  stored.clocklight = "01";  // not three characters: "000"
  stored.backlight = "5";
  stored.timeout = 3;
  decodeStoredOptions(fields, stored);
  StoredOptions encoded = encodeStoredOptions(fields);
  EXPECT_EQ(encoded.hotKeys[0], "F5");
  EXPECT_EQ(encoded.hotKeys[1], "无");
  EXPECT_EQ(encoded.hotKeys[5], "无");
  EXPECT_EQ(encoded.add, "12");
  EXPECT_EQ(encoded.often, "10");
  EXPECT_EQ(encoded.clocklight, "000");
  EXPECT_EQ(encoded.backlight, "10");
  EXPECT_EQ(c("Label5").Caption(), "10％不透明");
  EXPECT_EQ(encoded.timeout, 3);
  stored.clocklight = "112";
  stored.backlight = "150";
  decodeStoredOptions(fields, stored);
  encoded = encodeStoredOptions(fields);
  EXPECT_EQ(encoded.clocklight, "112");
  EXPECT_EQ(encoded.backlight, "100");
}

}  // namespace
}  // namespace horalix::test
