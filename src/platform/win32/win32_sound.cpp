#include "platform/win32/win32_sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "platform/win32/wide_text.h"

namespace horalix::win32 {

std::uint32_t waveFlags(bool loop) { return loop ? SND_ASYNC | SND_LOOP : SND_ASYNC; }

bool Win32Sound::playWave(const std::string& path, bool loop) {
  // One wave sound at a time for the whole process: a new one replaces the one playing.
  return PlaySoundW(toWide(path).c_str(), nullptr, waveFlags(loop)) != FALSE;
}

void Win32Sound::stopWave() { PlaySoundW(nullptr, nullptr, SND_ASYNC); }

int Win32Sound::mciCommand(const std::string& command) {
  return static_cast<int>(mciSendStringW(toWide(command).c_str(), nullptr, 0, nullptr));
}

}  // namespace horalix::win32
