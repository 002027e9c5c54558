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
    for (const char* name : {"alarm.WAV", "Stop.wav", "bell.mp3", "note.ogg"}) {
      installFile(std::string("sounds\\") + name, "RIFF");
    }
  }
  std::string soundPath(const std::string& name) { return programPath("sounds\\" + name); }
  std::vector<std::string> mciCommands() const {
    std::vector<std::string> commands;
    for (const auto& event : sound.mci()) commands.push_back(event.command);
    return commands;
  }
};

TEST_F(SoundPlaybackTest, PlayMusicChoosesThePlayerByExtension) {
  PlayMusic(app, soundPath("alarm.WAV"));
  EXPECT_EQ(sound.currentWave(), soundPath("alarm.WAV"));
  EXPECT_FALSE(sound.waveLooping());

  PlayMusic(app, soundPath("note.ogg"));
  PlayMusic(app, soundPath("missing.wav"));
  EXPECT_EQ(sound.waves().size(), 1u);
  EXPECT_TRUE(sound.mci().empty());
}

// The program folder "C:\Program Files\Horalix" has a blank: only a quoted path reaches MCI.
TEST_F(SoundPlaybackTest, MciPlaysAnMp3UnderAFolderWithABlank) {
  const std::string path = soundPath("bell.mp3");
  ASSERT_NE(path.find(' '), std::string::npos);
  PlayMusic(app, path);
  const std::string quoted = "\"" + path + "\"";
  EXPECT_EQ(mciCommands(),
            (std::vector<std::string>{"close " + quoted, "open " + quoted, "play " + quoted}));
  EXPECT_EQ(sound.mci().at(1).result, 0);
  EXPECT_EQ(sound.mci().at(2).result, 0);
  EXPECT_EQ(sound.mciPlaying(), (std::vector<std::string>{path}));

  StopMusic(app, path);
  EXPECT_TRUE(sound.mciPlaying().empty());
  EXPECT_EQ(mciCommands().at(3), "stop " + quoted);
  EXPECT_EQ(mciCommands().at(4), "close " + quoted);
  EXPECT_EQ(sound.mci().at(3).result, 0);
  EXPECT_EQ(sound.mci().at(4).result, 0);
}

TEST_F(SoundPlaybackTest, MciPlayOfAnOpenFileStartsItAgain) {
  const std::string path = soundPath("bell.mp3");
  MciPlay(app, path);
  MciPlay(app, path);
  ASSERT_EQ(sound.mci().size(), 6u);
  for (std::size_t i = 3; i < 6; ++i) EXPECT_EQ(sound.mci()[i].result, 0) << i;
  EXPECT_EQ(sound.mciPlaying().size(), 1u);
}

TEST_F(SoundPlaybackTest, StopMusicOfAWavStopsAnyWaveSound) {
  WavPlayLoop(app, soundPath("Stop.wav"));
  EXPECT_TRUE(sound.waveLooping());
  StopMusic(app, soundPath("alarm.WAV"));
  EXPECT_EQ(sound.currentWave(), "");
  EXPECT_TRUE(sound.mci().empty());
}

TEST_F(SoundPlaybackTest, StopMusicOfAnotherKindClosesItAndStopsTheWave) {
  WavPlay(app, soundPath("alarm.WAV"));
  const std::string path = soundPath("note.ogg");
  StopMusic(app, path);
  const std::string quoted = "\"" + path + "\"";
  EXPECT_EQ(mciCommands(), (std::vector<std::string>{"stop " + quoted, "close " + quoted}));
  EXPECT_EQ(sound.currentWave(), "");
}

TEST_F(SoundPlaybackTest, StopMusicOfAnMp3LeavesTheWavePlaying) {
  WavPlay(app, soundPath("alarm.WAV"));
  StopMusic(app, soundPath("bell.mp3"));
  EXPECT_EQ(sound.currentWave(), soundPath("alarm.WAV"));
}

TEST_F(SoundPlaybackTest, MissingFilesAndShortPathsDoNothing) {
  WavPlay(app, soundPath("alarm.WAV"));
  StopMusic(app, soundPath("missing.wav"));
  StopMusic(app, "C:\\");
  StopMusic(app, "");
  WavPlayLoop(app, soundPath("missing.wav"));
  EXPECT_EQ(sound.currentWave(), soundPath("alarm.WAV"));
  EXPECT_EQ(sound.waves().size(), 1u);
  EXPECT_TRUE(sound.mci().empty());
}

}  // namespace
}  // namespace horalix::test
