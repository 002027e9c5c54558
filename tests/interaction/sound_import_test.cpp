// Importing a preset's sound: the chosen file is copied into the sounds folder only when no file
// of its name is there, and the sound field names a file that stands there or keeps its name.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "interaction/interaction_settings_window.h"
#include "interaction_fixture.h"

namespace horalix::test {
namespace {

class SoundImportTest : public InteractionTest {
 protected:
  void SetUp() override {
    startWith("");
    main.menuItem("hd_time_set", -1).click();
    settings.Option1[0].click();
  }
  platform::Control& field(int k) { return settings.rowText(k, RowField::Sound); }
  std::optional<std::string> soundFile(const std::string& name) {
    return files.readAll(programPath("sounds\\" + name));
  }
  InteractionSettingsWindow& settings = app.interactionSettingsWindow();
};

TEST_F(SoundImportTest, OnlyAMissingFileIsCopiedAndTheFieldNeverNamesAnAbsentFile) {
  struct Case {
    const char* name;
    std::optional<std::string> picked;  // nullopt: cancelled
    std::function<void(SoundImportTest&)> arrange;
    const char* field;                    // afterwards; it held "alarm.wav"
    std::optional<std::string> inFolder;  // what sounds\<field> holds afterwards
    const char* message;                  // "" none
  };
  const std::string outside = "D:\\music\\";
  const Case cases[] = {
      {"a new file is copied", outside + "bell.mp3",
       [&](SoundImportTest& t) { t.files.seedFile(outside + "bell.mp3", "new bell"); }, "bell.mp3",
       "new bell", ""},
      {"a file of that name stays", outside + "ding.wav",
       [&](SoundImportTest& t) { t.files.seedFile(outside + "ding.wav", "other ding"); },
       "ding.wav", std::string(), ""},
      {"a file from the folder itself", "",
       [](SoundImportTest& t) { t.files.seedFile(t.programPath("sounds\\gong.wav"), "gong"); },
       "gong.wav", "gong", ""},
      {"cancelled", std::nullopt, nullptr, "alarm.wav", std::nullopt, "没有选择文件"},
      {"the copy fails", outside + "busy.wav",
       [&](SoundImportTest& t) {
         t.files.seedFile(outside + "busy.wav", "busy");
         t.files.setInUse(outside + "busy.wav", true);
       },
       "alarm.wav", std::nullopt, "没有进行选择"},
      {"a shortcut is refused", outside + "bell.lnk",
       [&](SoundImportTest& t) { t.files.seedFile(outside + "bell.lnk", "link"); }, "alarm.wav", "",
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.arrange) c.arrange(*this);
    std::string picked = c.picked.value_or("");
    if (c.picked && picked.empty()) picked = programPath("sounds\\gong.wav");
    dialogs.answerFileAfter(c.picked ? std::optional(picked) : std::nullopt, 500);
    field(1).setText("alarm.wav");
    const std::size_t shownBefore = messageBoxes.shown().size();
    settings.Command1[1].click();
    EXPECT_EQ(field(1).Text(), c.field);
    if (*c.message) {
      ASSERT_GT(messageBoxes.shown().size(), shownBefore);
      EXPECT_EQ(messageBoxes.shown().back().text, c.message);
    } else {
      EXPECT_EQ(messageBoxes.shown().size(), shownBefore);
    }
    if (c.inFolder) {
      EXPECT_EQ(soundFile(c.field), c.inFolder);
    }
  }
  // Neither the refused shortcut nor the file that could not be read was copied.
  EXPECT_FALSE(soundFile("bell.lnk"));
  EXPECT_FALSE(soundFile("busy.wav"));
  const auto& call = dialogs.calls().front();
  EXPECT_EQ(call.title, "导入文件名称");
  EXPECT_EQ(call.filter, "声音文件(*.wav),*.mp3|*.wav;*.mp3");
  EXPECT_EQ(call.folder, programPath("sounds\\"));
}

TEST_F(SoundImportTest, AMissingSoundsFolderIsMadeBeforeTheCopy) {
  std::filesystem::remove_all(files.realPath(programPath("sounds")));
  files.seedFile("D:\\music\\horn.wav", "horn");
  dialogs.answerFileAfter("D:\\music\\horn.wav", 500);
  settings.Command1[0].click();
  EXPECT_EQ(field(0).Text(), "horn.wav");
  EXPECT_EQ(soundFile("horn.wav"), "horn");
}

TEST_F(SoundImportTest, EachRowsButtonFillsItsOwnField) {
  files.seedFile("D:\\x\\five.wav", "5");
  dialogs.answerFileAfter("D:\\x\\five.wav", 500);
  settings.Command1[4].click();
  EXPECT_EQ(field(4).Text(), "five.wav");
  for (int k = 0; k < 4; ++k) EXPECT_EQ(field(k).Text(), "alarm.wav") << k;
}

}  // namespace
}  // namespace horalix::test
