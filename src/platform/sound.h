// Sound playback: wave files through the wave player, other files through the media control
// interface's command strings.
#pragma once

#include <string>

namespace horalix::platform {

class Sound {
 public:
  virtual ~Sound() = default;
  // Plays a wave file asynchronously; false when it cannot be played.
  virtual bool playWave(const std::string& path, bool loop) = 0;
  virtual void stopWave() = 0;
  // Sends one media-control command ("open \"C:\\a b.mp3\" alias m", "play m", "close m");
  // returns the error code (0 on success).
  virtual int mciCommand(const std::string& command) = 0;
};

}  // namespace horalix::platform
