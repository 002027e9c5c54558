// Playing and stopping the sounds of the reminder stages, the run end and the interaction timer.
// MP3 files go to the media player, WAV files to the wave player, which has one slot
// for the whole process: starting or stopping one WAV sound affects whatever WAV sound plays.
#pragma once

#include <string>

namespace horalix {

namespace platform {
struct Platform;
}

// Plays the file once, chosen by its extension (mp3 or wav, in any letter case); a missing file
// or another extension plays nothing.
void PlayMusic(platform::Platform& platform, const std::string& path);
// Stops the file: an MP3 as a media file, anything else by stopping the current WAV sound
// (a file that is neither MP3 nor WAV is also closed as a media device).
void StopMusic(platform::Platform& platform, const std::string& path);

// The file as a media file: closed, opened and played from the start; stopped and closed.
void MciPlay(platform::Platform& platform, const std::string& path);
void MciStop(platform::Platform& platform, const std::string& path);
// The wave player: once, or repeating (only when the file exists) until stopped or replaced.
void WavPlay(platform::Platform& platform, const std::string& path);
void WavPlayLoop(platform::Platform& platform, const std::string& path);
void WavStop(platform::Platform& platform);

}  // namespace horalix
