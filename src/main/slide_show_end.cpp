#include "main/slide_show_end.h"

#include "main/main.h"
#include "platform/platform.h"
#include "services/attempt.h"

namespace horalix {

namespace {

constexpr int kEscape = 27;
constexpr int kPasses = 5;

const char* const kSlideShowCaptions[] = {
    "PowerPoint 幻灯片放映",       "PowerPoint Slide Show",
    "WPS演示 幻灯片放映",          "Kingsoft Presentation Slide Show",
    "WPS Presentation Slide Show",
};

}  // namespace

int slideShowCaptionCount(const std::string& title) {
  int count = 0;
  for (const char* caption : kSlideShowCaptions) {
    if (title.find(caption) != std::string::npos) ++count;
  }
  return count;
}

void EndSlideShow(platform::Platform& platform) {
  platform::Desktop& desktop = platform.desktop;
  for (int pass = 0; pass < kPasses; ++pass) {
    // The window list is walked afresh in each pass: a show that ended no longer matches.
    for (const platform::TopWindow& window : desktop.topWindows()) {
      if (window.title.empty()) continue;
      const int matches = slideShowCaptionCount(window.title);
      for (int i = 0; i < matches; ++i) {
        attempt(platform.log, "EndSlideShow", [&] {
          if (desktop.activate(window.handle) && desktop.foregroundWindow() == window.handle) {
            desktop.pressKey(kEscape);
          }
        });
      }
    }
  }
}

}  // namespace horalix
