#include "bars/frm_author_wx.h"

#include "services/attempt.h"
#include "services/context.h"
#include "services/window_utilities.h"

namespace horalix {

using platform::ControlKind;

const char* const FrmAuthorWx::kOnlineHelpAddress = "https://horalix.example/help/";

namespace {

constexpr int kClientWidth = 5175;
constexpr int kClientHeight = 5805;
constexpr int kPictureSize = 5160;  // the 344-pixel picture at 15 twips a pixel
constexpr int kPicturePx = 344;
constexpr std::uint32_t kCyan = 0xFFFF00;

}  // namespace

FrmAuthorWx::FrmAuthorWx(Context& app)
    : Form(app.platform.forms, "Frm_Author_wx"),
      Picture1(addControl("Picture1", -1, ControlKind::PictureBox)),
      Label1(addControl("Label1", -1, ControlKind::Label)),
      app_(app) {
  setBorderStyle(3);
  setCaption("在线帮助");
  Picture1.move(0, 0, kPictureSize, kPictureSize);
  Label1.move(0, kPictureSize, kClientWidth, kClientHeight - kPictureSize);
  platform::FontSpec font = Label1.Font();
  font.name = "宋体";
  font.size = 14.25;
  Label1.setFont(font);
  Label1.setBackColor(kCyan);
  Label1.setCaption("点击上方图片，观看帮助视频");
  Picture1.Click = [this] { Picture1_Click(); };
  Label1.Click = [this] { Label1_Click(); };
}

// Centred on the screen at every showing.
void FrmAuthorWx::Form_Load() {
  setClientSize(kClientWidth, kClientHeight);
  Attempt(app_, "Frm_Author_wx", [&] {
    Picture1.setPicture(app_.pathInProgramFolder("picture\\online-help.bmp"), kPicturePx,
                        kPicturePx);
  });
  const platform::Desktop& desktop = app_.platform.desktop;
  const platform::PixelRect screen = desktop.primaryScreen();
  move((screen.width() * desktop.twipsPerPixelX() - Width()) / 2,
       (screen.height() * desktop.twipsPerPixelY() - Height()) / 2, Width(), Height());
}

void FrmAuthorWx::Picture1_Click() {
  Attempt(app_, "Frm_Author_wx", [&] { OpenWithShell(app_, kOnlineHelpAddress); });
  Unload();
}

void FrmAuthorWx::Label1_Click() { Unload(); }

}  // namespace horalix
