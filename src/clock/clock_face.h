// The face of a clock window: the window sized to the shown text (and to the back picture when
// one is shown), the back picture behind the text, the text centred, the rounded outline. One
// face serves both the floating clock and its mirror; they differ in where the back picture
// comes from and in the time left from which the blank half of a blink shows.
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

struct ClockNeeds;
namespace platform {
class Control;
class Form;
}  // namespace platform

// The controls of its window that a face draws with: the outer box Picture1 with the stretched
// back picture, the inner box Picture2 with the background and the text, the never-shown
// Picture3 with the back picture at its natural size, and the hidden labels that measure text:
// Label9 (the width template) and Label11 (the shown text, sizing itself to it).
struct ClockFaceControls {
  platform::Control& Picture1;
  platform::Control& Picture2;
  platform::Control& Picture3;
  platform::Control& Label9;
  platform::Control& Label11;
};

class ClockFace {
 public:
  // blankFromMillis: from this many milliseconds of the running count on, the odd half of a
  // blink leaves the face blank (2000 in the floating clock, 3000 in the mirror).
  // pictureSource: the face whose Picture1 picture this face shows (the mirror shows the
  // floating clock's); nullptr for its own. The face makes Picture3 hidden and sizing itself to
  // its picture, and both labels sizing themselves to their text.
  ClockFace(ClockNeeds& needs, platform::Form& window, const ClockFaceControls& controls,
            int blankFromMillis, const ClockFace* pictureSource = nullptr);

  // Lays the face out around the text s (measured by Label11 in the face's font) and draws s at
  // the font size FSize; the window's Caption becomes the text drawn. A drawing error lays the face
  // out plainly for this call instead and is logged; the clock keeps its place and its timers.
  void ShowStatue(const std::string& s, int FSize);
  void creatrange();
  void changcolor(std::uint32_t nowcolor);

  const ClockFaceControls& controls() const { return controls_; }

 private:
  void layOut(const std::string& s, int FSize, bool backPicture);
  void layOutWithPicture();
  void layOutPlain();
  void sizeFace(int width, int height);
  void paintPictureSection();
  bool textShown() const;

  ClockNeeds& needs_;
  platform::Form& window_;
  int blankFromMillis_;
  const ClockFace* pictureSource_;
  ClockFaceControls controls_;
};

}  // namespace horalix
