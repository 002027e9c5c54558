// Sound as state: the wave file playing and the media files open and playing, with the waves
// played and stopped as a record. File existence comes from the file system service, so a
// missing file fails as it would on Windows.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/headless/headless_event_loop.h"
#include "platform/name_compare.h"
#include "platform/sound.h"

namespace horalix::platform {

struct WaveEvent {
  std::string path;  // "" for a stop
  bool loop = false;
  // The file was missing, so the system's default sound played instead, once.
  bool defaultSound = false;
  std::int64_t at = 0;
};

class HeadlessSound final : public Sound {
 public:
  HeadlessSound(HeadlessEventLoop& loop, const FileSystem& files) : loop_(loop), files_(files) {}

  bool playWave(const std::string& path, bool loop) override;
  void stopWave() override;
  MediaResult openMedia(const std::string& path) override;
  MediaResult playMedia(const std::string& path) override;
  MediaResult stopMedia(const std::string& path) override;
  MediaResult closeMedia(const std::string& path) override;

  const std::vector<WaveEvent>& waves() const { return waves_; }
  // The wave file playing now ("" for none); sounds are not timed, so a sound played once
  // counts as playing until it is stopped or replaced.
  const std::string& currentWave() const { return currentWave_; }
  bool waveLooping() const { return waveLoop_; }
  // The media files playing now, in path order.
  std::vector<std::string> mediaPlaying() const;
  bool mediaOpen(const std::string& path) const;
  // How often the open media file has been played since it was opened (0 when not open).
  int mediaPlays(const std::string& path) const;

 private:
  struct Device {
    std::string file;
    bool playing = false;
    int plays = 0;
  };

  HeadlessEventLoop& loop_;
  const FileSystem& files_;
  std::vector<WaveEvent> waves_;
  std::string currentWave_;
  bool waveLoop_ = false;
  std::map<std::string, Device, FoldedLess> devices_;  // by path, letter case ignored
};

}  // namespace horalix::platform
