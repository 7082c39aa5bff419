// Effects and music through SDL2_mixer with the "disk" audio driver, which writes what would
// be heard to a file: that is how these tests hear whether something played.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>
#include <vector>

#include "media_files.h"
#include "temp_folder.h"
#include "vexmora/ui/media/sound.h"

namespace vex::ui {
namespace {

constexpr int kFramesPerSecond = 44100;

void pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

class SoundOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_STREQ(std::getenv("SDL_AUDIODRIVER"), "disk");
        setProgramFolder(home.path());
        setenv("SDL_DISKAUDIOFILE", recording().c_str(), 1);
    }

    fs::path recording() const { return home / "heard.raw"; }

    // The 16-bit stereo samples written so far (the output must be closed first).
    std::vector<int16_t> heard() const {
        std::ifstream in(recording(), std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<int16_t> samples(bytes.size() / 2);
        std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        return samples;
    }

    static int peak(const std::vector<int16_t>& samples) {
        int highest = 0;
        for (int16_t s : samples) highest = std::max(highest, std::abs(static_cast<int>(s)));
        return highest;
    }

    // Seconds during which the output is louder than the threshold.
    static double loudSeconds(const std::vector<int16_t>& samples, int threshold) {
        size_t loud = 0;
        for (size_t i = 0; i + 1 < samples.size(); i += 2)
            if (std::abs(static_cast<int>(samples[i])) > threshold) ++loud;
        return static_cast<double>(loud) / kFramesPerSecond;
    }

    // Polls the music's mode until it is `wanted`, for at most a few seconds.
    static bool waitForMode(Sound& sound, const std::string& device, const std::string& wanted) {
        for (int i = 0; i < 400; ++i) {
            if (sound.sendMediaCommand("Status " + device + " MODE").text == wanted) return true;
            pause(25);
        }
        return false;
    }

    test::TempFolder home;
    SystemOptions options;
};

TEST_F(SoundOnDisk, EffectFourPlaysItsFileAndIsHeard) {
    test::writeToneWav(home / "wav" / "？？？.wav", 0.3);
    Sound sound(options);
    sound.playEffect(4);
    ASSERT_TRUE(sound.outputOpen());
    pause(700);
    sound.closeOutput();
    const auto samples = heard();
    EXPECT_GT(peak(samples), 20000);
    EXPECT_GT(loudSeconds(samples, 8000), 0.1);
    EXPECT_LT(loudSeconds(samples, 8000), 0.6);
}

TEST_F(SoundOnDisk, ANewEffectCutsTheOnePlaying) {
    test::writeToneWav(home / "wav" / "決定.wav", 1.5, 440.0, 0.9);
    test::writeToneWav(home / "wav" / "キャンセル.wav", 0.1, 880.0, 0.1);
    Sound sound(options);
    sound.playEffect(0);
    pause(150);
    sound.playEffect(1);
    pause(1700);
    sound.closeOutput();
    const auto samples = heard();
    EXPECT_GT(loudSeconds(samples, 16000), 0.02);
    EXPECT_LT(loudSeconds(samples, 16000), 0.9) << "the long effect went on under the short one";
    EXPECT_GT(loudSeconds(samples, 1000), loudSeconds(samples, 16000)) << "the short effect was not heard";
}

TEST_F(SoundOnDisk, NothingPlaysWithEffectsOffOrWithoutTheFile) {
    test::writeToneWav(home / "wav" / "？？？.wav", 0.3);
    options[kOptionSoundEffects] = 1;
    Sound sound(options);
    ASSERT_TRUE(sound.openOutput());
    sound.playEffect(4);
    options[kOptionSoundEffects] = 0;
    sound.playEffect(5);   // wav\ガス.wav does not exist
    sound.playEffect(44);  // no such effect
    sound.playEffect(-1);
    pause(400);
    sound.closeOutput();
    EXPECT_EQ(peak(heard()), 0);
}

TEST_F(SoundOnDisk, MusicRestartsAfterItEnds) {
    test::writeOneNoteMidi(home / "MIDI" / "通常.mid", 300);
    Sound sound(options);
    sound.startMusic("MIDI\\通常.mid");
    EXPECT_EQ(sound.sendMediaCommand("Status BGM MODE").text, "playing");
    ASSERT_TRUE(waitForMode(sound, "BGM", "stopped")) << "the tune never ended";
    sound.checkMusicLoop();
    EXPECT_EQ(sound.sendMediaCommand("Status BGM MODE").text, "playing");
    pause(200);
    sound.stopMusic();
    EXPECT_FALSE(sound.sendMediaCommand("Status BGM MODE").ok());
    sound.closeOutput();
    EXPECT_GT(peak(heard()), 500) << "the tune made no sound";
}

TEST_F(SoundOnDisk, AResultTuneIsFoundWhateverTheCaseOfItsFolder) {
    test::writeOneNoteMidi(home / "MIDI" / "勝利.mid", 200);
    Sound sound(options);
    sound.playResultMusic("midi\\勝利.mid");
    const std::string device = (home / "MIDI" / "勝利.mid").string();
    EXPECT_EQ(sound.sendMediaCommand("Status " + device + " MODE").text, "playing");
    sound.closeOutput();
}

TEST_F(SoundOnDisk, NoMusicPlaysWithMusicOff) {
    test::writeOneNoteMidi(home / "MIDI" / "通常.mid", 300);
    test::writeOneNoteMidi(home / "MIDI" / "勝利.mid", 300);
    options[kOptionMusic] = 1;
    Sound sound(options);
    ASSERT_TRUE(sound.openOutput());
    sound.startMusic("MIDI\\通常.mid");
    sound.playResultMusic("midi\\勝利.mid");
    EXPECT_FALSE(sound.sendMediaCommand("Status BGM MODE").ok());
    sound.checkMusicLoop();
    pause(400);
    sound.closeOutput();
    EXPECT_EQ(peak(heard()), 0);
}

}  // namespace
}  // namespace vex::ui
