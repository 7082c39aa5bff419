#include "media_files.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

namespace vex::test {

namespace {

void putLittle(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void putBig(std::string& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void putVariableLength(std::string& out, uint32_t value) {
    std::vector<char> groups{static_cast<char>(value & 0x7F)};
    while (value >>= 7) groups.push_back(static_cast<char>((value & 0x7F) | 0x80));
    out.append(groups.rbegin(), groups.rend());
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

void writeToneWav(const std::filesystem::path& path, double seconds, double frequency, double amplitude,
                  int sampleRate) {
    const auto frames = static_cast<uint32_t>(seconds * sampleRate);
    std::string data;
    for (uint32_t i = 0; i < frames; ++i) {
        const double v = amplitude * std::sin(2.0 * std::numbers::pi * frequency * i / sampleRate);
        putLittle(data, static_cast<uint32_t>(static_cast<int16_t>(std::lround(v * 32767))) & 0xFFFF, 2);
    }
    std::string file = "RIFF";
    putLittle(file, static_cast<uint32_t>(36 + data.size()), 4);
    file += "WAVEfmt ";
    putLittle(file, 16, 4);
    putLittle(file, 1, 2);  // PCM
    putLittle(file, 1, 2);  // mono
    putLittle(file, static_cast<uint32_t>(sampleRate), 4);
    putLittle(file, static_cast<uint32_t>(sampleRate * 2), 4);
    putLittle(file, 2, 2);
    putLittle(file, 16, 2);
    file += "data";
    putLittle(file, static_cast<uint32_t>(data.size()), 4);
    writeFile(path, file + data);
}

void writeOneNoteMidi(const std::filesystem::path& path, int noteMilliseconds) {
    constexpr uint32_t kTicksPerQuarter = 480;
    constexpr uint32_t kMicrosecondsPerQuarter = 500000;
    const auto ticks = static_cast<uint32_t>(noteMilliseconds) * kTicksPerQuarter * 1000 / kMicrosecondsPerQuarter;
    std::string track;
    track += std::string("\x00\xFF\x51\x03", 4);
    putBig(track, kMicrosecondsPerQuarter, 3);
    track += std::string("\x00\xC0\x00", 3);      // piano
    track += std::string("\x00\x90\x3C\x70", 4);  // note on, middle C
    putVariableLength(track, ticks);
    track += std::string("\x80\x3C\x00", 3);      // note off
    track += std::string("\x00\xFF\x2F\x00", 4);  // end of track
    std::string file = "MThd";
    putBig(file, 6, 4);
    putBig(file, 0, 2);  // one track
    putBig(file, 1, 2);
    putBig(file, kTicksPerQuarter, 2);
    file += "MTrk";
    putBig(file, static_cast<uint32_t>(track.size()), 4);
    writeFile(path, file + track);
}

}  // namespace vex::test
