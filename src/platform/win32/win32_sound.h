// Sound: wave files through PlaySoundW, everything else through the command strings of the
// media control interface.
#pragma once

#include "platform/sound.h"

namespace horalix::win32 {

class Win32Sound final : public platform::Sound {
 public:
  bool playWave(const std::string& path, bool loop) override;
  void stopWave() override;
  platform::MediaResult openMedia(const std::string& path) override;
  platform::MediaResult playMedia(const std::string& path) override;
  platform::MediaResult stopMedia(const std::string& path) override;
  platform::MediaResult closeMedia(const std::string& path) override;
};

}  // namespace horalix::win32
