#include "bench_content.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <system_error>

#include "vexmora/data/text.h"
#include "vexmora/rules/opponent_choice.h"

namespace vex::bench {

namespace {

void save(const QImage& image, const fs::path& file) {
    fs::create_directories(file.parent_path());
    image.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(file.string()), "BMP");
}

QImage picture(int w, int h, QColor fill, QColor mark) {
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(fill);
    QPainter p(&image);
    p.setBrush(mark);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(w / 6, h / 6, 2 * w / 3, 2 * h / 3));
    return image;
}

std::string bytesOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

fs::path standInMonster(const fs::path& folder, const std::string& name, QColor colour) {
    MonsterRecord r = newMonster(name, 350, 350, 300, 0);
    // Attacks in every slot but the last, which holds バーサーク: each turn brings a hit.
    r.techId = {0, 0, 1, 1, 120};
    r.techName = {"通常攻撃", "体当たり", "攻撃", "強攻撃", "バーサーク"};
    r.techLevel = {0, 0, 1, 2, 0};
    r.techCost = {0, 0, 10, 25, 0};
    r.imageFile = "ICON.bmp";
    r.imageSize = 64;
    const fs::path path = folder / "Data" / (name + ".tvx");
    fs::create_directories(path.parent_path());
    (void)saveMonster(path, r, bytesOf(picture(100, 100, QColor(255, 0, 255), colour)));
    return path;
}

void writeStandIn(const fs::path& f) {
    const fs::path image = f / "Image";
    save(picture(180, 46, QColor(40, 60, 160), QColor(255, 0, 255)), image / "status1p.bmp");
    save(picture(180, 46, QColor(160, 40, 60), QColor(255, 0, 255)), image / "status2p.bmp");
    save(picture(180, 46, QColor(60, 60, 60), QColor(90, 90, 90)), image / "status1p_s.bmp");
    save(picture(180, 46, QColor(60, 60, 60), QColor(90, 90, 90)), image / "status2p_s.bmp");
    save(picture(512, 128, Qt::black, QColor(255, 200, 80)), image / "image02.bmp");
    save(picture(4, 20, QColor(90, 80, 40), QColor(90, 80, 40)), image / "image02Mask.bmp");
    save(picture(220, 20, Qt::black, QColor(200, 200, 255)), image / "image03.bmp");
    save(picture(240, 168, Qt::black, Qt::white), image / "image04.bmp");
    save(picture(240, 168, Qt::black, QColor(80, 80, 80)), image / "image04Mask.bmp");
    save(picture(108, 32, QColor(30, 30, 80), QColor(200, 60, 60)), image / "kanjo.bmp");
    save(picture(315, 41, QColor(100, 100, 100), QColor(240, 240, 240)), image / "condition.bmp");
    std::string record[2];
    for (int side = 0; side < 2; ++side) {
        record[side] = std::to_string(side == 0 ? 4 : 200) + ",4,\"status" + std::to_string(side + 1) +
                       "p.bmp\",16711935,\"status" + std::to_string(side + 1) +
                       "p_s.bmp\",90,3,16777215,12,86,20,9895830,14,150,20,16768130,14,155,19";
        for (int k = 0; k < 11; ++k) record[side] += "," + std::to_string(k < 6 ? 2 + 21 * k : 2 + 21 * (k - 6)) + "," + (k < 6 ? "48" : "69");
    }
    (void)atomicWrite(image / "setting.txt", record[0] + "\r\n" + record[1] + "\r\n");
    std::string list;
    for (int i = 0; i < 19; ++i) {
        const std::string file = "s" + std::to_string(i) + ".bmp";
        save(picture(384, 248, QColor(40 + 10 * i, 120, 160), QColor(90, 160, 60)), image / "Background" / file);
        list += "\"" + file + "\",\"" + std::to_string(i) + "\"\r\n";
    }
    (void)atomicWrite(image / "Background" / "stagelist.txt", list);
}

}  // namespace

BenchContent benchContent(const fs::path& scratch) {
    std::vector<fs::path> candidates;
    if (const char* given = std::getenv("VEXMORA_BENCH_CONTENT")) candidates.emplace_back(given);
    candidates.emplace_back(VEXMORA_GAME_DIR);
    std::error_code ec;
    for (const fs::path& folder : candidates) {
        if (!fs::exists(folder / "Image" / "setting.txt", ec)) continue;
        BenchContent content{folder, false, {}};
        for (const fs::path& file : listMonsterFiles(resolveIn(folder, "Data"))) {
            if (loadMonster(file)) content.monsters.push_back(file);
            if (content.monsters.size() == 2) break;
        }
        if (content.monsters.size() == 2) return content;
    }
    writeStandIn(scratch);
    BenchContent content{scratch, true, {}};
    content.monsters = {standInMonster(scratch, "ベンチＡ", QColor(240, 120, 40)),
                        standInMonster(scratch, "ベンチＢ", QColor(60, 140, 240))};
    return content;
}

}  // namespace vex::bench
