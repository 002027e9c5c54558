#include "platform/win32/win32_sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "platform/win32/wide_text.h"

namespace horalix::win32 {

namespace {

using platform::MediaResult;

// Sends one command of the media control interface for the device named by a file's path. The
// path is quoted: unquoted, the device name would end at the first blank, and a sound under
// "C:\Program Files" would not play.
MediaResult mediaCommand(const char* verb, const std::string& path) {
  const std::string command = std::string(verb) + " \"" + path + "\"";
  switch (mciSendStringW(toWide(command).c_str(), nullptr, 0, nullptr)) {
    case 0:
      return MediaResult::Done;
    case MCIERR_FILE_NOT_FOUND:
      return MediaResult::FileNotFound;
    case MCIERR_EXTENSION_NOT_FOUND:
      return MediaResult::UnknownType;
    case MCIERR_DEVICE_OPEN:
      return MediaResult::AlreadyOpen;
    case MCIERR_INVALID_DEVICE_NAME:
      return MediaResult::NotOpen;
    default:
      return MediaResult::Failed;
  }
}

}  // namespace

bool Win32Sound::playWave(const std::string& path, bool loop) {
  // One wave sound at a time for the whole process: a new one replaces the one playing.
  DWORD flags = SND_ASYNC | SND_FILENAME | SND_NODEFAULT;
  if (loop) flags |= SND_LOOP;
  return PlaySoundW(toWide(path).c_str(), nullptr, flags) != FALSE;
}

void Win32Sound::stopWave() { PlaySoundW(nullptr, nullptr, SND_ASYNC); }

MediaResult Win32Sound::openMedia(const std::string& path) { return mediaCommand("open", path); }

MediaResult Win32Sound::playMedia(const std::string& path) { return mediaCommand("play", path); }

MediaResult Win32Sound::stopMedia(const std::string& path) { return mediaCommand("stop", path); }

MediaResult Win32Sound::closeMedia(const std::string& path) { return mediaCommand("close", path); }

}  // namespace horalix::win32
