// Sound as a record: wave files played and stopped, and the media-control command strings with
// the error codes they would get. File existence comes from the file system service, so a
// missing file fails as it would on Windows.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/headless/headless_event_loop.h"
#include "platform/sound.h"

namespace horalix::platform {

// Media-control error codes that the headless player gives.
namespace mcierr {
inline constexpr int UnrecognizedKeyword = 259;
inline constexpr int UnrecognizedCommand = 261;
inline constexpr int InvalidDeviceName = 263;
inline constexpr int DeviceOpen = 265;
inline constexpr int MissingCommandString = 267;
inline constexpr int FileNotFound = 275;
inline constexpr int ExtensionNotFound = 281;
inline constexpr int NoClosingQuote = 294;
inline constexpr int MissingDeviceName = 292;
}  // namespace mcierr

struct WaveEvent {
  std::string path;  // "" for a stop
  bool loop = false;
  // The file was missing, so the system's default sound played instead, once.
  bool defaultSound = false;
  std::int64_t at = 0;
};

struct MciEvent {
  std::string command;
  int result = 0;
  std::int64_t at = 0;
};

class HeadlessSound final : public Sound {
 public:
  HeadlessSound(HeadlessEventLoop& loop, const FileSystem& files) : loop_(loop), files_(files) {}

  bool playWave(const std::string& path, bool loop) override;
  void stopWave() override;
  int mciCommand(const std::string& command) override;

  const std::vector<WaveEvent>& waves() const { return waves_; }
  const std::vector<MciEvent>& mci() const { return mci_; }
  // The wave file playing now ("" for none); sounds are not timed, so a sound played once
  // counts as playing until it is stopped or replaced.
  const std::string& currentWave() const { return currentWave_; }
  bool waveLooping() const { return waveLoop_; }
  // Files of the open media devices that are playing.
  std::vector<std::string> mciPlaying() const;
  bool mciOpen(const std::string& device) const;

 private:
  struct Device {
    std::string file;
    bool playing = false;
  };
  int execute(const std::string& command);
  int open(const std::string& element, const std::vector<std::string>& options);

  HeadlessEventLoop& loop_;
  const FileSystem& files_;
  std::vector<WaveEvent> waves_;
  std::vector<MciEvent> mci_;
  std::string currentWave_;
  bool waveLoop_ = false;
  std::map<std::string, Device> devices_;  // by case-folded device name or alias
};

}  // namespace horalix::platform
