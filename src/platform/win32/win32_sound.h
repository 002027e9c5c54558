// Sound: wave files through PlaySoundW, everything else through the command strings of the
// media control interface.
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
  platform::MediaResult openMedia(const std::string& path) override;
  platform::MediaResult playMedia(const std::string& path) override;
  platform::MediaResult stopMedia(const std::string& path) override;
  platform::MediaResult closeMedia(const std::string& path) override;
};

}  // namespace horalix::win32
