#include "platform/win32/win32_sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "platform/win32/system_function.h"
#include "platform/win32/wide_text.h"

namespace horalix::win32 {

std::uint32_t waveFlags(bool loop) { return loop ? SND_ASYNC | SND_LOOP : SND_ASYNC; }

namespace {

using platform::MediaResult;

// The multimedia library is loaded with the first sound, not at the program's start.
UINT sendMediaCommand(const std::wstring& command) {
  static const auto fn = systemFunction<decltype(&mciSendStringW)>(L"winmm.dll", "mciSendStringW");
  return fn != nullptr ? fn(command.c_str(), nullptr, 0, nullptr) : MCIERR_DEVICE_NOT_INSTALLED;
}

bool playSound(const wchar_t* path, DWORD flags) {
  static const auto fn = systemFunction<decltype(&PlaySoundW)>(L"winmm.dll", "PlaySoundW");
  return fn != nullptr && fn(path, nullptr, flags) != FALSE;
}

// Sends one command of the media control interface for the device named by a file's path. The
// path is quoted: unquoted, the device name would end at the first blank, and a sound under
// "C:\Program Files" would not play.
MediaResult mediaCommand(const char* verb, const std::string& path) {
  const std::string command = std::string(verb) + " \"" + path + "\"";
  switch (sendMediaCommand(toWide(command))) {
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
  return playSound(toWide(path).c_str(), waveFlags(loop));
}

void Win32Sound::stopWave() { playSound(nullptr, SND_ASYNC); }

MediaResult Win32Sound::openMedia(const std::string& path) { return mediaCommand("open", path); }

MediaResult Win32Sound::playMedia(const std::string& path) { return mediaCommand("play", path); }

MediaResult Win32Sound::stopMedia(const std::string& path) { return mediaCommand("stop", path); }

MediaResult Win32Sound::closeMedia(const std::string& path) { return mediaCommand("close", path); }

}  // namespace horalix::win32
