#include "services/sound_playback.h"

#include "platform/platform.h"
#include "services/file_names.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

std::string extensionOf(const std::string& path) { return LCase(GetFileExt(path)); }

}  // namespace

void PlayMusic(platform::Platform& platform, const std::string& path) {
  if (!platform.files.normalFileExists(path)) return;
  const std::string ext = extensionOf(path);
  if (ext == "mp3") {
    MciPlay(platform, path);
  } else if (ext == "wav") {
    WavPlay(platform, path);
  }
}

void StopMusic(platform::Platform& platform, const std::string& path) {
  if (!platform.files.normalFileExists(path) || Len(path) <= 3) return;
  const std::string ext = extensionOf(path);
  if (ext == "mp3") {
    MciStop(platform, path);
    return;
  }
  if (ext != "wav") MciStop(platform, path);
  WavStop(platform);
}

void MciPlay(platform::Platform& platform, const std::string& path) {
  auto& sound = platform.sound;
  // Closed and opened again, so that a file that was playing starts from its beginning.
  sound.closeMedia(path);
  sound.openMedia(path);
  sound.playMedia(path);
}

void MciStop(platform::Platform& platform, const std::string& path) {
  auto& sound = platform.sound;
  sound.stopMedia(path);
  sound.closeMedia(path);
}

void WavPlay(platform::Platform& platform, const std::string& path) {
  platform.sound.playWave(path, false);
}

void WavPlayLoop(platform::Platform& platform, const std::string& path) {
  if (!platform.files.normalFileExists(path)) return;
  platform.sound.playWave(path, true);
}

void WavStop(platform::Platform& platform) { platform.sound.stopWave(); }

}  // namespace horalix
