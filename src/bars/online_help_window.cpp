#include "bars/online_help_window.h"

#include "bars/bars.h"
#include "services/attempt.h"
#include "services/program_folder.h"
#include "services/window_utilities.h"

namespace horalix {

using platform::ControlKind;

const char* const OnlineHelpWindow::kOnlineHelpAddress = "https://horalix.example/help/";

namespace {

constexpr int kClientWidth = 5175;
constexpr int kClientHeight = 5805;
constexpr int kPictureSize = 5160;  // the 344-pixel picture at 15 twips a pixel
constexpr int kPicturePx = 344;
constexpr std::uint32_t kCyan = 0xFFFF00;

// The picture that leads to the help video, and the line under it.
constexpr platform::ControlDesign kDesign[] = {
    {.kind = ControlKind::PictureBox,
     .name = "Picture1",
     .width = kPictureSize,
     .height = kPictureSize,
     .mousePointer = platform::MousePointer::Hand},
    {.kind = ControlKind::Label,
     .name = "Label1",
     .top = kPictureSize,
     .width = kClientWidth,
     .height = kClientHeight - kPictureSize,
     .caption = "点击上方图片，观看帮助视频",
     .fontName = "宋体",
     .fontSize = 14.25,
     .backColor = kCyan,
     .mousePointer = platform::MousePointer::Hand},
};

}  // namespace

platform::OwnedForm<OnlineHelpWindow> makeOnlineHelpWindow(BarsNeeds& needs) {
  return platform::OwnedForm<OnlineHelpWindow>::build(needs);
}

OnlineHelpWindow::OnlineHelpWindow(BarsNeeds& needs)
    : Form(needs.platform.forms, "Frm_Author_wx"),
      Picture1((addControls(kDesign), control("Picture1"))),
      Label1(control("Label1")),
      needs_(needs) {
  setBorderStyle(3);
  setCaption("在线帮助");
  Picture1.Click = [this] { Picture1_Click(); };
  Label1.Click = [this] { Label1_Click(); };
}

// Centred on the screen at every showing.
void OnlineHelpWindow::Form_Load() {
  setClientSize(kClientWidth, kClientHeight);
  attempt(needs_.platform.log, "Frm_Author_wx", [&] {
    Picture1.setPicture(pathInProgramFolder(needs_.platform, "picture\\online-help.bmp"),
                        kPicturePx, kPicturePx);
  });
  const platform::Desktop& desktop = needs_.platform.desktop;
  const platform::PixelRect screen = desktop.primaryScreen();
  move((screen.width() * desktop.twipsPerPixelX() - Width()) / 2,
       (screen.height() * desktop.twipsPerPixelY() - Height()) / 2, Width(), Height());
}

void OnlineHelpWindow::Picture1_Click() {
  attempt(needs_.platform.log, "Frm_Author_wx",
          [&] { OpenWithShell(needs_.platform, kOnlineHelpAddress); });
  Unload();
}

void OnlineHelpWindow::Label1_Click() { Unload(); }

}  // namespace horalix
