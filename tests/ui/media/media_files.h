#pragma once
// Small sound files for tests, until the content generator provides the game's own.

#include <filesystem>

namespace vex::test {

// A 16-bit mono PCM wave file holding a sine tone.
void writeToneWav(const std::filesystem::path& path, double seconds, double frequency = 440.0,
                  double amplitude = 0.8, int sampleRate = 22050);

// A one-track standard MIDI file with one piano note of the given length.
void writeOneNoteMidi(const std::filesystem::path& path, int noteMilliseconds);

}  // namespace vex::test
