// Sound playback: wave files through the wave player, other sound files (MP3 and the other
// types with a media driver) as media devices, each named by the file's path.
#pragma once

#include <string>

namespace horalix::platform {

// The outcome of a request to the media player.
enum class MediaResult {
  Done,
  FileNotFound,  // no such file
  UnknownType,   // no media driver for the file's extension
  AlreadyOpen,   // open: the file is open already
  NotOpen,       // stop, close: the file is not open
  Failed,        // any other refusal of the player
};

class Sound {
 public:
  virtual ~Sound() = default;
  // Plays a wave file asynchronously; false when it cannot be played.
  virtual bool playWave(const std::string& path, bool loop) = 0;
  virtual void stopWave() = 0;

  // Opens the file as a media device, stopped at its start.
  virtual MediaResult openMedia(const std::string& path) = 0;
  // Plays the open file from where it stands; a file that is not open is opened first.
  virtual MediaResult playMedia(const std::string& path) = 0;
  virtual MediaResult stopMedia(const std::string& path) = 0;
  virtual MediaResult closeMedia(const std::string& path) = 0;
};

}  // namespace horalix::platform
