#include "screen_pictures.h"

#include <QBuffer>
#include <stdexcept>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/text.h"

namespace vex::test {

std::string imageBytes(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format)) throw std::runtime_error("cannot encode the picture");
    return bytes.toStdString();
}

std::string gifBytes(int width, int height, const std::vector<QColor>& palette, const std::vector<uint8_t>& indices,
                     int transparentIndex) {
    std::string out = "GIF89a";
    auto word = [&](int v) {
        out += static_cast<char>(v & 0xFF);
        out += static_cast<char>((v >> 8) & 0xFF);
    };
    word(width);
    word(height);
    out += static_cast<char>(0x81);  // a global table of 4 colours
    out += '\0';
    out += '\0';
    for (int i = 0; i < 4; ++i) {
        const QColor c = i < static_cast<int>(palette.size()) ? palette[static_cast<size_t>(i)] : QColor(Qt::black);
        out += static_cast<char>(c.red());
        out += static_cast<char>(c.green());
        out += static_cast<char>(c.blue());
    }
    out += "\x21\xF9\x04\x01";  // graphic control: transparency on
    word(0);
    out += static_cast<char>(transparentIndex);
    out += '\0';
    out += ',';
    word(0);
    word(0);
    word(width);
    word(height);
    out += '\0';
    out += static_cast<char>(2);  // code size 2: clear 4, end 5, codes of 3 bits

    // Literal codes only, with a clear code after every two, so the codes stay 3 bits wide.
    std::string data;
    uint32_t bits = 0;
    int count = 0;
    auto putCode = [&](int code) {
        bits |= static_cast<uint32_t>(code) << count;
        count += 3;
        while (count >= 8) {
            data += static_cast<char>(bits & 0xFF);
            bits >>= 8;
            count -= 8;
        }
    };
    for (size_t i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0) putCode(4);
        putCode(indices[i]);
    }
    putCode(5);
    if (count > 0) data += static_cast<char>(bits & 0xFF);
    for (size_t at = 0; at < data.size(); at += 255) {
        const size_t n = std::min<size_t>(255, data.size() - at);
        out += static_cast<char>(n);
        out += data.substr(at, n);
    }
    out += '\0';
    out += ';';
    return out;
}

void writeSolidBmp(const fs::path& file, int width, int height, QColor colour) {
    fs::create_directories(file.parent_path());
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    if (!image.save(QString::fromStdString(file.string()), "BMP")) throw std::runtime_error("cannot write " + file.string());
}

QColor rareColour(int index) { return QColor(200 + 20 * index, 40 * index, 30); }
QColor stageColour(int index) { return QColor(10 * index, 90 + 7 * index, 160); }

void writeStages(const fs::path& programFolder, int ordinary) {
    const fs::path folder = programFolder / "Image" / "Background";
    fs::create_directories(folder);
    std::string list = ">> stages\r\n";
    for (int i = 0; i < 3; ++i) {
        const std::string file = "rare" + std::to_string(i) + ".bmp";
        writeSolidBmp(folder / file, 384, 248, rareColour(i));
        list += "\"" + file + "\",\"rare" + std::to_string(i) + "\"\r\n";
    }
    // Stages 5 and 7 take the first two rare pictures: the list skips them.
    for (int i = 0; i < ordinary; ++i) {
        if (i == 5 || i == 7) continue;
        const std::string file = "stage" + std::to_string(i) + ".bmp";
        writeSolidBmp(folder / file, 384, 248, stageColour(i));
        list += "\"" + file + "\",\"" + std::string(i % 2 ? "草原" : "山岳") + "\"\r\n";
    }
    const fs::path path = folder / "stagelist.txt";
    if (!atomicWrite(path, *toCp932(list))) throw std::runtime_error("cannot write the stage list");
}

MonsterRecord testMonster(const std::string& name, int16_t slot4) {
    MonsterRecord r = newMonster(name, 300, 300, 300, 0);
    r.techId = {0, 1, 99, 99, slot4};
    r.techName = {"通常攻撃", "攻撃", "", "", slot4 == 99 ? "" : "特技"};
    r.techLevel = {0, 1, 0, 0, 0};
    r.techCost = {0, 999, 0, 0, 0};
    r.imageFile = "ICON.bmp";
    r.imageSize = 50;
    return r;
}

fs::path writeMonsterFile(const fs::path& programFolder, const MonsterRecord& record) {
    const fs::path folder = programFolder / "Data";
    fs::create_directories(folder);
    QImage picture(40, 40, QImage::Format_RGB888);
    picture.fill(QColor(255, 0, 255));
    for (int y = 8; y < 36; ++y)
        for (int x = 8; x < 32; ++x) picture.setPixelColor(x, y, QColor(60, 160, 60));
    MonsterRecord stored = record;
    const fs::path path = folder / (record.name + ".tvx");
    const Status saved = saveMonster(path, stored, imageBytes(picture, "BMP"));
    if (!saved) throw std::runtime_error("cannot save " + path.string() + ": " + saved.error().message);
    return path;
}

}  // namespace vex::test
