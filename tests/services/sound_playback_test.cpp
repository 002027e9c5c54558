#include "services/sound_playback.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/program_fixture.h"

namespace horalix::test {
namespace {

class SoundPlaybackTest : public ProgramFixture {
 public:
  SoundPlaybackTest() {
    for (const char* name : {"alarm.WAV", "Stop.wav", "bell.mp3", "note.ogg", "tune.mid"}) {
      installFile(std::string("sounds\\") + name, "RIFF");
    }
  }
  std::string soundPath(const std::string& name) { return programPath("sounds\\" + name); }
};

TEST_F(SoundPlaybackTest, PlayMusicChoosesThePlayerByExtension) {
  PlayMusic(app.platform, soundPath("alarm.WAV"));
  EXPECT_EQ(sound.currentWave(), soundPath("alarm.WAV"));
  EXPECT_FALSE(sound.waveLooping());

  PlayMusic(app.platform, soundPath("note.ogg"));
  PlayMusic(app.platform, soundPath("missing.wav"));
  EXPECT_EQ(sound.waves().size(), 1u);
  EXPECT_TRUE(sound.mediaPlaying().empty());
  EXPECT_FALSE(sound.mediaOpen(soundPath("note.ogg")));
}

// The program folder "C:\Program Files\Horalix" has a blank: the whole path is the device.
TEST_F(SoundPlaybackTest, AnMp3UnderAFolderWithABlankPlaysAndStops) {
  const std::string path = soundPath("bell.mp3");
  ASSERT_NE(path.find(' '), std::string::npos);
  PlayMusic(app.platform, path);
  EXPECT_EQ(sound.mediaPlaying(), (std::vector<std::string>{path}));
  EXPECT_EQ(sound.mediaPlays(path), 1);
  EXPECT_EQ(sound.currentWave(), "");

  StopMusic(app.platform, path);
  EXPECT_TRUE(sound.mediaPlaying().empty());
  EXPECT_FALSE(sound.mediaOpen(path));
}

TEST_F(SoundPlaybackTest, MciPlayOfAnOpenFileStartsItAgain) {
  const std::string path = soundPath("bell.mp3");
  MciPlay(app.platform, path);
  MciPlay(app.platform, path);
  // Closed and opened again: one device, played once since it was opened.
  EXPECT_EQ(sound.mediaPlaying(), (std::vector<std::string>{path}));
  EXPECT_EQ(sound.mediaPlays(path), 1);
}

TEST_F(SoundPlaybackTest, StopMusicOfAWavStopsAnyWaveSound) {
  WavPlayLoop(app.platform, soundPath("Stop.wav"));
  EXPECT_TRUE(sound.waveLooping());
  StopMusic(app.platform, soundPath("alarm.WAV"));
  EXPECT_EQ(sound.currentWave(), "");
  EXPECT_FALSE(sound.waveLooping());
}

TEST_F(SoundPlaybackTest, StopMusicOfAnotherKindClosesItAndStopsTheWave) {
  WavPlay(app.platform, soundPath("alarm.WAV"));
  const std::string mp3 = soundPath("bell.mp3");
  MciPlay(app.platform, mp3);
  MciPlay(app.platform, soundPath("tune.mid"));
  StopMusic(app.platform, soundPath("tune.mid"));
  EXPECT_EQ(sound.currentWave(), "");
  // Only the named file is closed.
  EXPECT_EQ(sound.mediaPlaying(), (std::vector<std::string>{mp3}));
}

TEST_F(SoundPlaybackTest, StopMusicOfAnMp3LeavesTheWavePlaying) {
  WavPlay(app.platform, soundPath("alarm.WAV"));
  StopMusic(app.platform, soundPath("bell.mp3"));
  EXPECT_EQ(sound.currentWave(), soundPath("alarm.WAV"));
}

TEST_F(SoundPlaybackTest, MissingFilesAndShortPathsDoNothing) {
  WavPlay(app.platform, soundPath("alarm.WAV"));
  MciPlay(app.platform, soundPath("bell.mp3"));
  StopMusic(app.platform, soundPath("missing.wav"));
  StopMusic(app.platform, soundPath("missing.mp3"));
  StopMusic(app.platform, "C:\\");
  StopMusic(app.platform, "");
  WavPlayLoop(app.platform, soundPath("missing.wav"));
  EXPECT_EQ(sound.currentWave(), soundPath("alarm.WAV"));
  EXPECT_EQ(sound.waves().size(), 1u);
  EXPECT_EQ(sound.mediaPlaying(), (std::vector<std::string>{soundPath("bell.mp3")}));
}

}  // namespace
}  // namespace horalix::test
