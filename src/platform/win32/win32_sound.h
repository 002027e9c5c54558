// Sound: wave files through PlaySoundW, everything else through the media control interface.
#pragma once

#include <cstdint>

#include "platform/sound.h"

namespace horalix::win32 {

// The wave player's flags: asynchronous, repeating for a loop. The name is looked up as a sound
// alias first, then as a file, and the system's default sound stands in for one not found.
std::uint32_t waveFlags(bool loop);

class Win32Sound final : public platform::Sound {
 public:
  bool playWave(const std::string& path, bool loop) override;
  void stopWave() override;
  int mciCommand(const std::string& command) override;
};

}  // namespace horalix::win32
