#include "platform/headless/headless_sound.h"

namespace horalix::platform {

namespace {

// The file types with a media driver registered for their extension.
bool knownExtension(const std::string& file) {
  const std::size_t dot = file.rfind('.');
  if (dot == std::string::npos || file.find('\\', dot) != std::string::npos) return false;
  const std::string ext = foldCase(file.substr(dot + 1));
  return ext == "mp3" || ext == "wav" || ext == "mid" || ext == "wma";
}

}  // namespace

bool HeadlessSound::playWave(const std::string& path, bool loop) {
  // Without the no-default flag the player falls back to the default sound for a missing file,
  // and the asynchronous call reports success either way.
  const bool missing = !files_.normalFileExists(path);
  waves_.push_back({path, loop && !missing, missing, loop_.now()});
  currentWave_ = missing ? "" : path;
  waveLoop_ = loop && !missing;
  return true;
}

void HeadlessSound::stopWave() {
  waves_.push_back({"", false, false, loop_.now()});
  currentWave_.clear();
  waveLoop_ = false;
}

MediaResult HeadlessSound::openMedia(const std::string& path) {
  if (!files_.normalFileExists(path)) return MediaResult::FileNotFound;
  if (!knownExtension(path)) return MediaResult::UnknownType;
  if (devices_.count(path) != 0) return MediaResult::AlreadyOpen;
  devices_[path] = {path, false, 0};
  return MediaResult::Done;
}

MediaResult HeadlessSound::playMedia(const std::string& path) {
  auto it = devices_.find(path);
  if (it == devices_.end()) {
    // Playing a file that is not open opens it first, as the media player does.
    if (const MediaResult opened = openMedia(path); opened != MediaResult::Done) return opened;
    it = devices_.find(path);
  }
  it->second.playing = true;
  ++it->second.plays;
  return MediaResult::Done;
}

MediaResult HeadlessSound::stopMedia(const std::string& path) {
  const auto it = devices_.find(path);
  if (it == devices_.end()) return MediaResult::NotOpen;
  it->second.playing = false;
  return MediaResult::Done;
}

MediaResult HeadlessSound::closeMedia(const std::string& path) {
  return devices_.erase(path) != 0 ? MediaResult::Done : MediaResult::NotOpen;
}

std::vector<std::string> HeadlessSound::mediaPlaying() const {
  std::vector<std::string> files;
  for (const auto& [name, device] : devices_) {
    if (device.playing) files.push_back(device.file);
  }
  return files;
}

bool HeadlessSound::mediaOpen(const std::string& path) const { return devices_.count(path) != 0; }

int HeadlessSound::mediaPlays(const std::string& path) const {
  const auto it = devices_.find(path);
  return it == devices_.end() ? 0 : it->second.plays;
}

}  // namespace horalix::platform
