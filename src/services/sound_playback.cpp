#include "services/sound_playback.h"

#include "services/context.h"
#include "services/file_names.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

std::string extensionOf(const std::string& path) { return LCase(GetFileExt(path)); }

}  // namespace

void PlayMusic(Context& context, const std::string& path) {
  if (!context.platform.files.normalFileExists(path)) return;
  const std::string ext = extensionOf(path);
  if (ext == "mp3") {
    MciPlay(context, path);
  } else if (ext == "wav") {
    WavPlay(context, path);
  }
}

void StopMusic(Context& context, const std::string& path) {
  if (!context.platform.files.normalFileExists(path) || Len(path) <= 3) return;
  const std::string ext = extensionOf(path);
  if (ext == "mp3") {
    MciStop(context, path);
    return;
  }
  if (ext != "wav") MciStop(context, path);
  WavStop(context);
}

void MciPlay(Context& context, const std::string& path) {
  auto& sound = context.platform.sound;
  // Closed and opened again, so that a file that was playing starts from its beginning.
  sound.closeMedia(path);
  sound.openMedia(path);
  sound.playMedia(path);
}

void MciStop(Context& context, const std::string& path) {
  auto& sound = context.platform.sound;
  sound.stopMedia(path);
  sound.closeMedia(path);
}

void WavPlay(Context& context, const std::string& path) {
  context.platform.sound.playWave(path, false);
}

void WavPlayLoop(Context& context, const std::string& path) {
  if (!context.platform.files.normalFileExists(path)) return;
  context.platform.sound.playWave(path, true);
}

void WavStop(Context& context) { context.platform.sound.stopWave(); }

}  // namespace horalix
