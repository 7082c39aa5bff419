// The 44 effects and the eleven tunes: each file is where the game plays it from, is a format
// its player takes, fits its name, and really sounds (played through SDL2_mixer's disk driver,
// which records what a sound card would have played).

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <set>
#include <thread>

#include "sha256.h"
#include "sound_effects.h"
#include "temp_folder.h"
#include "vexmora/data/paths.h"

namespace vex {
namespace {

const fs::path kGame = VEXMORA_GAME_DIR;

uint32_t le(const std::string& b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v * 256 + static_cast<uint8_t>(b[at + i]);
    return v;
}
uint32_t be(const std::string& b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = v * 256 + static_cast<uint8_t>(b[at + i]);
    return v;
}

struct Wav {
    int channels = 0, rate = 0, bits = 0;
    std::vector<double> samples;
    double seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0; }
    double rms() const {
        double sum = 0;
        for (double s : samples) sum += s * s;
        return samples.empty() ? 0 : std::sqrt(sum / samples.size());
    }
    double peak() const {
        double p = 0;
        for (double s : samples) p = std::max(p, std::abs(s));
        return p;
    }
    // Sign changes per second: a rough measure of how high a sound is.
    double crossings() const {
        int n = 0;
        for (size_t i = 1; i < samples.size(); ++i) n += (samples[i - 1] < 0) != (samples[i] < 0);
        return n / seconds();
    }
};

std::optional<Wav> readWav(const fs::path& path) {
    auto bytes = readWholeFile(path, 4 << 20);
    if (!bytes || bytes->size() < 44 || bytes->compare(0, 4, "RIFF") || bytes->compare(8, 8, "WAVEfmt ")) return std::nullopt;
    const std::string& b = *bytes;
    Wav w;
    if (le(b, 20, 2) != 1) return std::nullopt;  // PCM
    w.channels = static_cast<int>(le(b, 22, 2));
    w.rate = static_cast<int>(le(b, 24, 4));
    w.bits = static_cast<int>(le(b, 34, 2));
    if (b.compare(36, 4, "data") || le(b, 40, 4) != b.size() - 44 || le(b, 4, 4) != b.size() - 8) return std::nullopt;
    for (size_t i = 44; i + 1 < b.size(); i += 2) w.samples.push_back(static_cast<int16_t>(le(b, i, 2)) / 32768.0);
    return w;
}

struct Smf {
    int format = 0, division = 0;
    std::vector<uint32_t> trackEnds;
    int notes = 0, drumNotes = 0;
    std::set<int> programs;
    double microsPerQuarter = 500000;
};

std::optional<Smf> readSmf(const fs::path& path) {
    auto bytes = readWholeFile(path, 1 << 20);
    if (!bytes || bytes->size() < 14 || bytes->compare(0, 4, "MThd") || be(*bytes, 4, 4) != 6) return std::nullopt;
    const std::string& b = *bytes;
    Smf smf;
    smf.format = static_cast<int>(be(b, 8, 2));
    const uint32_t tracks = be(b, 10, 2);
    smf.division = static_cast<int>(be(b, 12, 2));
    size_t at = 14;
    for (uint32_t t = 0; t < tracks; ++t) {
        if (at + 8 > b.size() || b.compare(at, 4, "MTrk")) return std::nullopt;
        const size_t end = at + 8 + be(b, at + 4, 4);
        size_t i = at + 8;
        uint32_t tick = 0;
        bool ended = false;
        auto vlq = [&]() {
            uint32_t v = 0;
            while (i < end) {
                const uint8_t c = static_cast<uint8_t>(b[i++]);
                v = (v << 7) | (c & 0x7F);
                if (c < 0x80) break;
            }
            return v;
        };
        while (i < end && !ended) {
            tick += vlq();
            const uint8_t status = static_cast<uint8_t>(b[i++]);
            if (status == 0xFF) {
                const uint8_t type = static_cast<uint8_t>(b[i++]);
                const uint32_t length = vlq();
                if (type == 0x51) smf.microsPerQuarter = be(b, i, 3);
                if (type == 0x2F) ended = true;
                i += length;
            } else if (status < 0x80) {
                return std::nullopt;  // running status is never written
            } else {
                const int kind = status >> 4, channel = status & 15;
                if (kind == 0x9 && static_cast<uint8_t>(b[i + 1]) > 0) (channel == 9 ? smf.drumNotes : smf.notes)++;
                if (kind == 0xC) smf.programs.insert(static_cast<uint8_t>(b[i]));
                i += (kind == 0xC || kind == 0xD) ? 1 : 2;
            }
        }
        if (!ended || i != end) return std::nullopt;
        smf.trackEnds.push_back(tick);
        at = end;
    }
    return smf;
}

TEST(SoundEffects, AllFortyFourPlayFromTheirFiles) {
    std::map<std::string, std::string> digests;
    for (int n = 0; n < assets::kEffectCount; ++n) {
        const std::string file = std::string(assets::kEffectTable[n]).substr(3);
        const fs::path path = resolveIn(kGame, "wav\\" + file);
        auto wav = readWav(path);
        ASSERT_TRUE(wav) << n << " " << file;
        EXPECT_EQ(wav->channels, 1);
        EXPECT_EQ(wav->bits, 16);
        EXPECT_TRUE(wav->rate == 22050 || wav->rate == 44100);
        EXPECT_GT(wav->seconds(), 0.1) << file;
        EXPECT_LT(wav->seconds(), 3.0) << file;
        EXPECT_GT(wav->peak(), 0.5) << file;
        EXPECT_LT(wav->peak(), 0.99) << file << " clips";
        EXPECT_LT(std::abs(wav->samples.front()) + std::abs(wav->samples.back()), 0.02) << file << " clicks";
        const std::string digest = test::sha256Hex(*readWholeFile(path, 4 << 20));
        const auto [it, fresh] = digests.emplace(digest, file);
        EXPECT_TRUE(fresh || it->second == file) << file << " sounds the same as " << it->second;
    }
    EXPECT_EQ(assets::effectFileName(4), "？？？.wav");
    EXPECT_EQ(assets::effectFileName(5), assets::effectFileName(31));
}

TEST(SoundEffects, SoundsFitTheirNames) {
    auto wav = [](const char* file) { return *readWav(resolveIn(kGame, std::string("wav\\") + file)); };
    // Confirm chimes high; explosions and thunder rumble low.
    EXPECT_GT(wav("決定.wav").crossings(), 3 * wav("爆発.wav").crossings());
    EXPECT_GT(wav("決定.wav").crossings(), 3 * wav("雷鳴.wav").crossings());
    // Blows grow heavier from 打撃0 to 打撃3.
    double last = 0;
    for (const char* file : {"打撃0.wav", "打撃1.wav", "打撃2.wav", "打撃3.wav"}) {
        const Wav w = wav(file);
        const double energy = w.rms() * w.rms() * w.seconds();
        EXPECT_GT(energy, last) << file;
        last = energy;
    }
    // Wind and rain last; a click of the menu does not.
    EXPECT_GT(wav("風.wav").seconds(), 1.0);
    EXPECT_LT(wav("決定.wav").seconds(), 0.5);
}

TEST(Music, ElevenTunesThatLoopOnTheBar) {
    const char* tunes[] = {"通常", "海", "雪原", "ジャングル", "戦闘b", "基地", "戦闘c", "勝利", "敗北", "敗北2", "編集"};
    for (const char* tune : tunes) {
        auto smf = readSmf(resolveIn(kGame, std::string("MIDI\\") + tune + ".mid"));
        ASSERT_TRUE(smf) << tune;
        EXPECT_EQ(smf->format, 1);
        ASSERT_GT(smf->division, 0);
        EXPECT_GE(smf->notes, 4) << tune;
        for (int program : smf->programs) EXPECT_LT(program, 128);
        // Every track ends together, on a bar line, so the piece restarts on the beat.
        for (uint32_t end : smf->trackEnds) EXPECT_EQ(end, smf->trackEnds.front()) << tune;
        EXPECT_EQ(smf->trackEnds.front() % (4 * smf->division), 0u) << tune;
        const double seconds = smf->trackEnds.front() / static_cast<double>(smf->division) * smf->microsPerQuarter / 1e6;
        EXPECT_GT(seconds, 5) << tune;
        EXPECT_LT(seconds, 90) << tune;
    }
    // Battles have drums; the defeat is quiet.
    EXPECT_GT(readSmf(resolveIn(kGame, "MIDI\\通常.mid"))->drumNotes, 100);
    EXPECT_EQ(readSmf(resolveIn(kGame, "MIDI\\敗北.mid"))->drumNotes, 0);
}

// Plays one file through SDL2_mixer with the disk driver and returns the loudest sample of the
// recording (0 … 1).
double loudestPlayed(const fs::path& file, bool music, const fs::path& recording) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", recording.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    if (SDL_Init(SDL_INIT_AUDIO) != 0) return -1;
    if (Mix_OpenAudio(22050, AUDIO_S16LSB, 1, 1024) != 0) {
        SDL_Quit();
        return -2;
    }
    double result = -3;
    if (music) {
        Mix_SetSoundFonts("/usr/share/sounds/sf2/TimGM6mb.sf2");
        if (Mix_Music* m = Mix_LoadMUS(file.c_str())) {
            Mix_PlayMusic(m, 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            Mix_HaltMusic();
            Mix_FreeMusic(m);
            result = 0;
        }
    } else if (Mix_Chunk* c = Mix_LoadWAV(file.c_str())) {
        Mix_PlayChannel(-1, c, 0);
        while (Mix_Playing(-1)) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        Mix_FreeChunk(c);
        result = 0;
    }
    Mix_CloseAudio();
    SDL_Quit();
    if (result < 0) return result;
    auto bytes = readWholeFile(recording, 64 << 20);
    if (!bytes) return -4;
    double loudest = 0;
    for (size_t i = 0; i + 1 < bytes->size(); i += 2)
        loudest = std::max(loudest, std::abs(static_cast<int16_t>(le(*bytes, i, 2)) / 32768.0));
    return loudest;
}

TEST(Audibility, EffectsAndTunesSoundThroughTheMixer) {
    test::TempFolder temp;
    for (const char* effect : {"決定.wav", "爆発.wav", "ﾚｰｻﾞｰ.wav"}) {
        const double loudest = loudestPlayed(resolveIn(kGame, std::string("wav\\") + effect), false, temp / "effect.raw");
        EXPECT_GT(loudest, 0.2) << effect << " (negative: the mixer refused)";
        std::cout << "played " << effect << ": loudest sample " << loudest << "\n";
    }
    for (const char* tune : {"通常.mid", "編集.mid"}) {
        const double loudest = loudestPlayed(resolveIn(kGame, std::string("MIDI\\") + tune), true, temp / "music.raw");
        EXPECT_GT(loudest, 0.02) << tune << " (negative: the mixer refused)";
        std::cout << "played " << tune << ": loudest sample " << loudest << "\n";
    }
}

}  // namespace
}  // namespace vex
