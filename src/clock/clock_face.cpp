#include "clock/clock_face.h"

#include <exception>

#include "clock/clock_needs.h"
#include "platform/forms.h"
#include "services/runtime_error.h"
#include "services/text_runtime.h"
#include "services/window_shape.h"

namespace horalix {

using platform::Control;

namespace {

// Picture sizes kept in pixels turn into twips by this fixed factor, whatever the screen.
constexpr int kTwipsPerPicturePixel = 15;

// a / b in single precision; a zero divisor raises Division by zero, as the runtime does.
float quotient(float a, float b) {
  if (b == 0) throw RuntimeError(RuntimeErrorCode::DivisionByZero);
  return a / b;
}

// One axis of the picture section behind Picture2: the destination size, the source start and
// the source size, from the outer box (extent and scale), the inner box (size and offset) and
// the picture at its natural size (extent and scale). Where the outer box fits into the
// picture on this axis the section is the inner box's share of the picture, scaled down when
// the box also fits on the other axis; where it does not, the destination is stretched.
struct Section {
  float dest, src, srcSize;
};
Section sectionAxis(float outer, float outerScale, float inner, float offset, float natural,
                    float naturalScale, bool fits, bool otherFits) {
  if (!fits)
    return {quotient(outerScale * inner, naturalScale), quotient(natural * offset, outer), inner};
  if (!otherFits) return {inner, offset, inner};
  return {inner, quotient(offset * natural, outer), quotient(inner * natural, outer)};
}

}  // namespace

ClockFace::ClockFace(ClockNeeds& needs, platform::Form& window, const ClockFaceControls& controls,
                     int blankFromMillis, const ClockFace* pictureSource)
    : needs_(needs),
      window_(window),
      blankFromMillis_(blankFromMillis),
      pictureSource_(pictureSource),
      controls_(controls) {
  controls_.Picture3.setVisible(false);
  controls_.Picture3.setAutoSize(true, kTwipsPerPicturePixel);
  controls_.Label11.setAutoSize(true);
  // The width template sizes itself to its text too: its width is the width the clock is
  // placed by.
  controls_.Label9.setAutoSize(true);
  // A clock window is its face alone: no caption, no frame, no task-bar button, so that its
  // rounded outline and see-through background leave nothing but the text.
  window.setBorderStyle(0);
}

void ClockFace::creatrange() { horalix::creatrange(needs_.platform, needs_.settings, window_); }

void ClockFace::changcolor(std::uint32_t nowcolor) {
  horalix::changcolor(window_, controls_.Picture2, nowcolor);
}

void ClockFace::ShowStatue(const std::string& s, int FSize) {
  // A missing back picture is no error: the plain layout from now on, until a loader sets one.
  if (controls_.Picture3.Picture().empty()) needs_.run.BackPictureOn = false;
  const bool backPicture = needs_.run.BackPictureOn;
  try {
    layOut(s, FSize, backPicture);
    return;
  } catch (const std::exception& e) {
    needs_.platform.log(window_.name() + ".ShowStatue: " + e.what());
  }
  // The back picture could not be drawn: show the text plainly this time and try the picture
  // again at the next call. The clock keeps counting where it stands.
  if (!backPicture) return;
  try {
    layOut(s, FSize, false);
  } catch (const std::exception& e) {
    needs_.platform.log(window_.name() + ".ShowStatue: " + e.what());
  }
}

void ClockFace::layOut(const std::string& s, int FSize, bool backPicture) {
  Control& P2 = controls_.Picture2;
  if (backPicture) {
    layOutWithPicture();
  } else {
    layOutPlain();
  }
  P2.setAutoRedraw(true);
  P2.Cls();
  platform::FontSpec font = P2.Font();
  font.size = FSize;
  P2.setFont(font);
  if (backPicture) paintPictureSection();
  P2.CurrentX = (P2.ScaleWidth() - P2.TextWidth(s)) / 2.0;
  P2.CurrentY = (P2.ScaleHeight() - P2.TextHeight(s)) / 2.0;
  P2.setVisible(true);
  const bool shown = textShown();
  if (shown) P2.Print(s);
  // The window's own text is the text printed on the face ("" while the face is blank), for
  // what reads windows rather than pixels: a screen reader, a test.
  window_.setCaption(shown ? s : std::string());
  P2.setAutoRedraw(false);
  creatrange();
}

void ClockFace::layOutWithPicture() {
  Control& P1 = controls_.Picture1;
  Control& P2 = controls_.Picture2;
  const Control& P3 = controls_.Picture3;
  const Control& L11 = controls_.Label11;
  P1.setPicture(P3.Picture(), P3.pictureWidthPx(), P3.pictureHeightPx());
  // The larger of text and picture, with a margin of 120 twips across and 20 down for the text.
  const int pictureWidth = needs_.settings.picture_width * kTwipsPerPicturePixel;
  const int pictureHeight = needs_.settings.picture_height * kTwipsPerPicturePixel;
  const int width = L11.Width() + 120 >= pictureWidth ? L11.Width() + 120 : pictureWidth;
  const int height = L11.Height() + 20 >= pictureHeight ? L11.Height() + 20 : pictureHeight;
  sizeFace(width, height);
  if (pictureSource_ != nullptr) {
    const Control& source = pictureSource_->controls().Picture1;
    P1.setPicture(source.Picture(), source.pictureWidthPx(), source.pictureHeightPx());
  }
  const int twipsX = needs_.platform.desktop.twipsPerPixelX();
  const int twipsY = needs_.platform.desktop.twipsPerPixelY();
  P1.PaintPicture(P1.Picture(), 0, 0, static_cast<float>(P1.Width()),
                  static_cast<float>(P1.Height()), P1.pictureWidthPx() * twipsX,
                  P1.pictureHeightPx() * twipsY);
  P2.move(CLng((P1.Width() - P2.Width()) / 2.0), CLng((P1.Height() - P2.Height()) / 2.0),
          P2.Width(), P2.Height());
}

void ClockFace::layOutPlain() {
  const Control& L11 = controls_.Label11;
  const int width = L11.Width() + 100;
  const int height = L11.Height() + 20;
  sizeFace(width, height);
}

// Picture2, Picture1 and the window take one size; the boxes keep their places.
void ClockFace::sizeFace(int width, int height) {
  Control& P1 = controls_.Picture1;
  Control& P2 = controls_.Picture2;
  P2.move(P2.Left(), P2.Top(), width, height);
  P1.move(P1.Left(), P1.Top(), width, height);
  window_.move(window_.Left(), window_.Top(), width, height);
}

// The section of the back picture that lies behind Picture2, painted as its background. The
// source rectangle is in twips of the picture's natural size (Picture3's size).
void ClockFace::paintPictureSection() {
  const Control& P1 = controls_.Picture1;
  Control& P2 = controls_.Picture2;
  const Control& P3 = controls_.Picture3;
  const auto f = [](int v) { return static_cast<float>(v); };
  const float P1W = f(P1.Width()), P1H = f(P1.Height());
  const float P1SW = f(P1.ScaleWidth()), P1SH = f(P1.ScaleHeight());
  const float P2W = f(P2.Width()), P2H = f(P2.Height()), P2L = f(P2.Left()), P2T = f(P2.Top());
  const float P3W = f(P3.Width()), P3H = f(P3.Height());
  const float P3SW = f(P3.ScaleWidth()), P3SH = f(P3.ScaleHeight());
  const bool narrower = P1W <= P3W, lower = P1H <= P3H;
  const Section x = sectionAxis(P1W, P1SW, P2W, P2L, P3W, P3SW, narrower, lower);
  const Section y = sectionAxis(P1H, P1SH, P2H, P2T, P3H, P3SH, lower, narrower);
  P2.PaintPicture(P1.Picture(), 0, 0, x.dest, y.dest, x.src, y.src, x.srcSize, y.srcSize,
                  P3.Width(), P3.Height());
}

// The odd half of a blink is blank once the running count has reached the face's threshold.
bool ClockFace::textShown() const {
  return needs_.run.BlinkCount % 2 == 0 || needs_.run.shownMillis < blankFromMillis_;
}

}  // namespace horalix
