#include "hostile_pictures.h"

#include <QByteArray>
#include <array>
#include <stdexcept>

#include "test_pictures.h"
#include "vexmora/data/scrambled_file.h"
#include "vexmora/data/text.h"

namespace vex::test {

namespace {

void bigEndian32(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void littleEndian16(std::string& out, int value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

uint32_t crc32(std::string_view bytes) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : bytes) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::string pngChunk(std::string_view type, std::string_view data) {
    std::string chunk;
    bigEndian32(chunk, static_cast<uint32_t>(data.size()));
    const std::string typed = std::string(type) + std::string(data);
    chunk += typed;
    bigEndian32(chunk, crc32(typed));
    return chunk;
}

}  // namespace

std::string pngOfSize(uint32_t width, uint32_t height, uint32_t rows) {
    std::string header;
    bigEndian32(header, width);
    bigEndian32(header, height);
    header += std::string("\x01\x00\x00\x00\x00", 5);  // 1 bit, grey, deflate, no filter, not interlaced
    const std::string raw(static_cast<size_t>(rows) * (1 + (width + 7) / 8), '\0');
    // qCompress puts the length before the zlib stream.
    const QByteArray compressed = qCompress(QByteArray::fromRawData(raw.data(), static_cast<qsizetype>(raw.size())), 9);
    const std::string zlib(compressed.constData() + 4, static_cast<size_t>(compressed.size() - 4));
    return std::string("\x89PNG\r\n\x1A\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", zlib) + pngChunk("IEND", "");
}

std::string gifOfFrames(int width, int height, int frames) {
    std::string gif = "GIF89a";
    littleEndian16(gif, width);
    littleEndian16(gif, height);
    gif += std::string("\xF0\x00\x00", 3);                  // a global table of two colours
    gif += std::string("\x00\x00\x00\xFF\xFF\xFF", 6);
    for (int f = 0; f < frames; ++f) {
        gif.push_back(',');
        littleEndian16(gif, 0);
        littleEndian16(gif, 0);
        littleEndian16(gif, width);
        littleEndian16(gif, height);
        gif.push_back('\0');
        gif += std::string("\x02\x02\x4C\x01\x00", 5);     // a clear code and the end: no pixels
    }
    gif.push_back(';');
    return gif;
}

std::string plainPicture(const char* format, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(255, 140, 0));
    image.setPixelColor(0, 0, QColor(255, 0, 255));
    return imageBytes(image, format);
}

std::vector<HostilePicture> hostilePictures() {
    const std::string png = plainPicture("PNG", 120, 90);
    return {
        {"1 x 300,000 PNG", pngOfSize(1, 300000, 300000), "4096ピクセルまで"},
        {"30,000 x 30,000 PNG of a few KB", pngOfSize(30000, 30000, 64), "4096ピクセルまで"},
        {"GIF of 1,500 frames of 4096 x 4096", gifOfFrames(4096, 4096, 1500), "4194304ピクセルまで"},
        {"TIFF named .png", plainPicture("TIFF", 20, 20), "ico・gif・bmp・jpg・png"},
        {"PNG cut in half", png.substr(0, png.size() / 2), "壊れています"},
    };
}

MonsterRecord hostileRecord(const std::string& name) {
    MonsterRecord record = newMonster(name, 300, 300, 300, 0);
    record.techId = {0, 99, 99, 99, 99};
    record.techName = {"通常攻撃", "", "", "", ""};
    record.imageFile = "ICON.png";
    record.imageSize = 50;
    return record;
}

std::string hostileMonsterBytes(MonsterRecord& record, const std::string& fileName, const std::string& picture,
                                const std::string& imageSizeText) {
    auto payload = buildMonsterPayload(record, picture);
    if (!payload) throw std::runtime_error(payload.error().message);
    // The size field (4 bytes at 167) as the other person wrote it; it is outside the checksum.
    payload->replace(167, 4, fitField(imageSizeText, 4));
    std::string file;
    writeScrambled(file, *payload, keyFromName(fileName), formatByteFor(record.makerVersion()));
    return file;
}

fs::path writeHostileMonster(const fs::path& folder, const std::string& name, const std::string& picture,
                             const std::string& imageSizeText) {
    fs::create_directories(folder);
    const fs::path path = folder / (name + ".tvx");
    MonsterRecord record = hostileRecord(name);
    const Status written = atomicWrite(path, hostileMonsterBytes(record, path.filename().string(), picture, imageSizeText));
    if (!written) throw std::runtime_error(written.error().message);
    return path;
}

}  // namespace vex::test
