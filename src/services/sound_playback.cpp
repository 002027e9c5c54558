#include "services/sound_playback.h"

#include "services/context.h"
#include "services/file_names.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

std::string extensionOf(const std::string& path) { return LCase(GetFileExt(path)); }

}  // namespace

void PlayMusic(Context& app, const std::string& path) {
  if (!app.platform.files.normalFileExists(path)) return;
  const std::string ext = extensionOf(path);
  if (ext == "mp3") {
    MciPlay(app, path);
  } else if (ext == "wav") {
    WavPlay(app, path);
  }
}

void StopMusic(Context& app, const std::string& path) {
  if (!app.platform.files.normalFileExists(path) || Len(path) <= 3) return;
  const std::string ext = extensionOf(path);
  if (ext == "mp3") {
    MciStop(app, path);
    return;
  }
  if (ext != "wav") MciStop(app, path);
  WavStop(app);
}

void MciPlay(Context& app, const std::string& path) {
  auto& sound = app.platform.sound;
  // Closed and opened again, so that a file that was playing starts from its beginning.
  sound.closeMedia(path);
  sound.openMedia(path);
  sound.playMedia(path);
}

void MciStop(Context& app, const std::string& path) {
  auto& sound = app.platform.sound;
  sound.stopMedia(path);
  sound.closeMedia(path);
}

void WavPlay(Context& app, const std::string& path) { app.platform.sound.playWave(path, false); }

void WavPlayLoop(Context& app, const std::string& path) {
  if (!app.platform.files.normalFileExists(path)) return;
  app.platform.sound.playWave(path, true);
}

void WavStop(Context& app) { app.platform.sound.stopWave(); }

}  // namespace horalix
