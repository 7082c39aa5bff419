#include "screen_pictures.h"

#include <QBuffer>
#include <stdexcept>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/text.h"

namespace vex::test {

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
    return writeMonsterFileAs(programFolder / "Data" / (record.name + ".tvx"), record);
}

fs::path writeMonsterFileAs(const fs::path& path, const MonsterRecord& record) {
    fs::create_directories(path.parent_path());
    QImage picture(40, 40, QImage::Format_RGB888);
    picture.fill(QColor(255, 0, 255));
    for (int y = 8; y < 36; ++y)
        for (int x = 8; x < 32; ++x) picture.setPixelColor(x, y, QColor(60, 160, 60));
    MonsterRecord stored = record;
    const Status saved = saveMonster(path, stored, imageBytes(picture, "BMP"));
    if (!saved) throw std::runtime_error("cannot save " + path.string() + ": " + saved.error().message);
    return path;
}

}  // namespace vex::test
