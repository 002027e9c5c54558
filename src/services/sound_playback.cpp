#include "services/sound_playback.h"

#include "services/context.h"
#include "services/file_names.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

std::string extensionOf(const std::string& path) { return LCase(GetFileExt(path)); }

// The media control interface takes a device name up to the first blank unless it is quoted:
// every command quotes the path, so that a sound under "C:\Program Files" plays too.
std::string quoted(const std::string& path) { return "\"" + path + "\""; }

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
  sound.mciCommand("close " + quoted(path));
  sound.mciCommand("open " + quoted(path));
  sound.mciCommand("play " + quoted(path));
}

void MciStop(Context& app, const std::string& path) {
  auto& sound = app.platform.sound;
  sound.mciCommand("stop " + quoted(path));
  sound.mciCommand("close " + quoted(path));
}

void WavPlay(Context& app, const std::string& path) { app.platform.sound.playWave(path, false); }

void WavPlayLoop(Context& app, const std::string& path) {
  if (!app.platform.files.normalFileExists(path)) return;
  app.platform.sound.playWave(path, true);
}

void WavStop(Context& app) { app.platform.sound.stopWave(); }

}  // namespace horalix
