// The clock's background in the settings window: a picture imported into the picture folder, or
// a colour chosen by clicking the name box.
#include <gtest/gtest.h>

#include "settings_fixture.h"
#include "support/picture_files.h"

namespace horalix::test {
namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kWindowBackground = 0x80000005;

class BackgroundPictureTest : public SettingsFixture {
 protected:
  // The box names an earlier picture on a colour of the user's.
  void SetUp() override {
    SettingsFixture::SetUp();
    box().setText("old.png");
    box().setBackColor(kRed);
    c("Text1", 18).setText("7");
    c("Text1", 19).setText("8");
  }
  platform::Control& box() { return c("Text1", 5); }
  void import(std::optional<std::string> answer) {
    dialogs.answerFileAfter(std::move(answer), 500);
    c("Command3", 1).click();
  }
  std::string sizes() { return c("Text1", 18).Text() + "x" + c("Text1", 19).Text(); }
};

TEST_F(BackgroundPictureTest, APictureIsCopiedOnlyWhenMissingAndShowsItsSize) {
  ASSERT_FALSE(files.folderExists(programPath("picture")));
  files.seedFile("D:\\pics\\sky.jpg", pngOf(640, 480));
  import("D:\\pics\\sky.jpg");
  EXPECT_EQ(box().Text(), "sky.jpg");
  EXPECT_EQ(box().BackColor(), kWindowBackground);
  EXPECT_EQ(sizes(), "640x480");
  EXPECT_EQ(files.readAll(programPath("picture\\sky.jpg")), pngOf(640, 480));
  // A file of that name in the folder stays and gives the sizes.
  files.seedFile("E:\\other\\sky.jpg", pngOf(10, 20));
  import("E:\\other\\sky.jpg");
  EXPECT_EQ(files.readAll(programPath("picture\\sky.jpg")), pngOf(640, 480));
  EXPECT_EQ(sizes(), "640x480");
  // Of several pictures the first that is no shortcut counts.
  files.seedFile("D:\\pics\\a.png", pngOf(5, 6));
  files.seedFile("D:\\pics\\b.png", pngOf(9, 9));
  import(std::string("D:\\pics\0x.lnk\0a.png\0b.png", 26));
  EXPECT_EQ(box().Text(), "a.png");
  EXPECT_EQ(sizes(), "5x6");
  EXPECT_FALSE(files.readAll(programPath("picture\\b.png")));
  // A name of three characters leaves the sizes as they were.
  files.seedFile("D:\\pics\\c.j", pngOf(1, 1));
  import("D:\\pics\\c.j");
  EXPECT_EQ(box().Text(), "c.j");
  EXPECT_EQ(sizes(), "5x6");
}

TEST_F(BackgroundPictureTest, ACancelOrAFailedCopyKeepsThePictureAndColour) {
  import(std::nullopt);
  EXPECT_EQ(messageBoxes.shown().back().text, "没有加载图片");
  files.seedFile("D:\\pics\\busy.png", pngOf(3, 3));
  files.setInUse("D:\\pics\\busy.png", true);
  import("D:\\pics\\busy.png");
  EXPECT_EQ(messageBoxes.shown().back().text, "没有进行选择");
  EXPECT_EQ(box().Text(), "old.png");
  EXPECT_EQ(box().BackColor(), kRed);
  EXPECT_EQ(sizes(), "7x8");
}

TEST_F(BackgroundPictureTest, ClickingTheBoxChoosesAColourInsteadOfThePicture) {
  dialogs.answerColor(std::nullopt);
  box().click();
  EXPECT_EQ(box().Text(), "old.png");
  dialogs.answerColor(0x00FF00);
  box().click();
  EXPECT_EQ(box().Text(), "");
  EXPECT_EQ(box().BackColor(), 0x00FF00u);
  // Other boxes choose nothing.
  c("Text1", 18).click();
  EXPECT_EQ(dialogs.calls().size(), 2u);
}

}  // namespace
}  // namespace horalix::test
