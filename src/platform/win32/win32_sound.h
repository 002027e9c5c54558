// Sound: wave files through PlaySoundW, everything else through the media control interface.
#pragma once

#include "platform/sound.h"

namespace horalix::win32 {

class Win32Sound final : public platform::Sound {
 public:
  bool playWave(const std::string& path, bool loop) override;
  void stopWave() override;
  int mciCommand(const std::string& command) override;
};

}  // namespace horalix::win32
