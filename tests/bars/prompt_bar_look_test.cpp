#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "prompt_bar_fixture.h"

namespace horalix::test {
namespace {

TEST_F(PromptBarTest, TheLookComesFromTheHotkeySettingsAtEveryStart) {
  struct Case {
    const char* name;
    std::map<std::string, std::string> keys;
    const char* font;
    double size;
    std::uint32_t textColour;
    std::uint32_t backColour;
    std::optional<std::int64_t> key;  // the colour keyed out, when see-through
  };
  const Case cases[] = {
      {"defaults", {}, "Trebuchet ms", 35, 0x008080, 0x8000000D, std::nullopt},
      {"empty values give the defaults",
       {{"processFont", ""}, {"processFontSize", ""}, {"processColor", ""}},
       "Trebuchet ms",
       35,
       0x008080,
       0x8000000D,
       std::nullopt},
      {"palette colour, back colour, smallest size",
       {{"processFont", "Arial"},
        {"processFontSize", "0"},
        {"processColor", "3"},
        {"processBackColor", "65280"}},
       "Arial",
       10,
       0x0000FF,
       0x00FF00,
       std::nullopt},
      {"see-through red",
       {{"processColor", "3"}, {"processvalue", "1"}},
       "Trebuchet ms",
       35,
       0x0000FF,
       0x3200FA,
       0x3200FA},
      {"custom white, see-through",
       {{"processColor", "17"}, {"processForeset", "16777215"}, {"processvalue", "1"}},
       "Trebuchet ms",
       35,
       0xFFFFFF,
       0xFAFAFA,
       0xFAFAFA},
      {"custom colour outside the key table",
       {{"processColor", "20"}, {"processForeset", "1193046"}, {"processvalue", "1"}},
       "Trebuchet ms",
       35,
       0x123456,
       0x123460,
       0x123460},
      {"large size index",
       {{"processFontSize", "19"}},
       "Trebuchet ms",
       130,
       0x008080,
       0x8000000D,
       std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    installFile("TimeData.db", "");
    for (const auto& [key, value] : c.keys) writeIni("Hotkey", key, value);
    askForBar("1", 60400);
    EXPECT_EQ(bar.Label1.Font().name, c.font);
    EXPECT_EQ(bar.Label1.Font().size, c.size);
    EXPECT_EQ(bar.Label1.ForeColor(), c.textColour);
    EXPECT_EQ(bar.BackColor(), c.backColour);
    EXPECT_EQ(bar.Label1.BackColor(), c.backColour);  // no background behind the letters
    // See-through: the back colour is keyed out, with the key alone (full opacity).
    const bool keyedOut = bar.layered() && bar.colorKey() == bar.BackColor();
    EXPECT_EQ(keyedOut, c.key.has_value());
    if (c.key) {
      EXPECT_EQ(bar.colorKey(), *c.key);
      EXPECT_EQ(bar.alpha(), 255);
    }
    EXPECT_TRUE(fitsItsText(bar));
    bar.tuichu();
  }
}

}  // namespace
}  // namespace horalix::test
