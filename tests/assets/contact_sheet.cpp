// assets_contact_sheet PROGRAM_FOLDER OUT.png
// Lays out every generated picture on one sheet for looking at: battle frames composed from the
// content the way the battle screen uses it (stage, status windows from "Image\setting.txt",
// monsters with their transparency, icons, a speech bubble, the emotion gauge), then every
// stage, every monster of Data, System and Scenario, and the icon strips.

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <iostream>

#include "layout_file.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/text.h"

namespace {

using namespace vex;

QImage loadPicture(const fs::path& path) {
    QImage image(QString::fromStdString(path.string()));
    return image.convertToFormat(QImage::Format_ARGB32);
}

// A monster's picture made transparent the way the battle screen does it.
QImage spriteOf(const LoadedMonster& m) {
    QImage image = QImage::fromData(reinterpret_cast<const uchar*>(m.picture.data()), static_cast<int>(m.picture.size()))
                       .convertToFormat(QImage::Format_ARGB32);
    std::string ext = m.record.imageFile.size() >= 3 ? m.record.imageFile.substr(m.record.imageFile.size() - 3) : "";
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext != "gif" && ext != "ico" && !image.isNull()) {
        const QRgb key = image.pixel(0, 0);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == key) image.setPixel(x, y, 0);
    }
    return image;
}

QImage keyedOut(QImage image, QRgb key) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (key & 0xFFFFFF)) image.setPixel(x, y, 0);
    return image;
}

void subtract(QImage& frame, const QImage& shade, QPoint at) {
    for (int y = 0; y < shade.height(); ++y)
        for (int x = 0; x < shade.width(); ++x) {
            const QPoint p = at + QPoint(x, y);
            if (!frame.rect().contains(p)) continue;
            const QRgb a = frame.pixel(p), b = shade.pixel(x, y);
            frame.setPixel(p, qRgb(std::max(0, qRed(a) - qRed(b)), std::max(0, qGreen(a) - qGreen(b)), std::max(0, qBlue(a) - qBlue(b))));
        }
}

QColor fromValue(long v) { return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF)); }

QFont gothic(int size) {
    QFont f("IPAGothic");
    f.setPixelSize(size);
    return f;
}

struct Fighter {
    LoadedMonster monster;
    int hp, sp;
};

QImage battleFrame(const fs::path& game, const std::string& stageFile, const Fighter& left, const Fighter& right, const std::string& bubble) {
    QImage frame = loadPicture(resolveIn(game, "Image\\Background\\" + stageFile)).convertToFormat(QImage::Format_RGB32);
    QPainter p(&frame);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const Fighter* fighters[2] = {&left, &right};
    const int centres[2] = {100, 285};
    for (int side = 0; side < 2; ++side) {
        const LoadedMonster& m = fighters[side]->monster;
        QImage sprite = spriteOf(m);
        const int height = static_cast<int>(m.record.imageSize * 0.5 + 64);
        const int width = sprite.height() > 0 ? height * sprite.width() / sprite.height() : height;
        const int flip = m.record.extraNumber(kFlipSide);
        if (flip == side + 1) sprite = sprite.mirrored(true, false);
        const int top = 200 - height + m.record.extraNumber(kImageOffsetY);
        p.drawImage(QRect(centres[side] - width / 2, top, width, height), sprite);
    }
    p.end();
    // Status windows as the layout file places them.
    auto records = readLayoutFile(resolveIn(game, "Image\\setting.txt"));
    const QImage condition = loadPicture(resolveIn(game, "Image\\condition.bmp"));
    for (int side = 0; side < 2 && records; ++side) {
        const WindowLayout& w = (*records)[side];
        const QImage shading = loadPicture(resolveIn(game, "Image\\" + w.shading)).convertToFormat(QImage::Format_RGB32);
        subtract(frame, shading, QPoint(w.x, w.y));
        QPainter q(&frame);
        q.setRenderHint(QPainter::TextAntialiasing);
        q.drawImage(w.x, w.y, keyedOut(loadPicture(resolveIn(game, "Image\\" + w.picture)), static_cast<QRgb>(fromValue(w.key).rgb())));
        const Fighter& f = *fighters[side];
        q.setFont(gothic(w.nameSize));
        q.setPen(fromValue(w.nameColour));
        const QString name = QString::fromStdString(f.monster.record.name);
        q.drawText(QPoint(w.x + w.nameX - QFontMetrics(q.font()).horizontalAdvance(name) / 2, w.y + w.nameY + w.nameSize - 2), name);
        for (int k = 0; k < 2; ++k) {
            const QString text = QString::number(k == 0 ? f.hp : f.sp);
            const int size = k == 0 ? w.hpSize : w.spSize;
            q.setFont(gothic(size));
            q.setPen(fromValue(k == 0 ? w.hpColour : w.spColour));
            const int right = w.x + (k == 0 ? w.hpX : w.spX);
            q.drawText(QPoint(right - QFontMetrics(q.font()).horizontalAdvance(text), w.y + (k == 0 ? w.hpY : w.spY) + size - 2), text);
        }
        // One status icon and the rise marker, to see them in place.
        q.drawImage(QPoint(w.x + w.icons[0].x(), w.y + w.icons[0].y()), condition.copy(side == 0 ? 20 : 0, 0, 20, 20));
        q.drawImage(QPoint(w.x + w.icons[1].x(), w.y + w.icons[1].y()), condition.copy(side == 0 ? 100 : 200, 0, 20, 20));
        QImage marker = condition.copy(side == 0 ? 273 : 294, 20, 21, 21);
        q.drawImage(QPoint(w.x + w.conditionX, w.y + w.conditionY), keyedOut(marker, qRgb(0, 0, 0)));
    }
    // A speech bubble over the left monster, and the emotion gauge.
    QPainter q(&frame);
    const QImage bubbles = loadPicture(resolveIn(game, "Image\\image04.bmp"));
    const QImage shadow = loadPicture(resolveIn(game, "Image\\image04Mask.bmp")).convertToFormat(QImage::Format_RGB32).copy(0, 0, 240, 56);
    q.end();
    subtract(frame, shadow.scaled(170, 46), QPoint(20, 96));
    q.begin(&frame);
    q.drawImage(QRect(20, 96, 170, 46), keyedOut(bubbles.copy(0, 0, 240, 56), qRgb(0, 0, 0)));
    q.setFont(gothic(12));
    q.setPen(QColor(30, 30, 40));
    q.drawText(QRect(28, 100, 156, 30), Qt::AlignCenter, QString::fromStdString(bubble));
    const QImage gauge = loadPicture(resolveIn(game, "Image\\kanjo.bmp"));
    q.drawImage(QPoint(138, 226), gauge.copy(0, 16, 108, 16));
    q.drawImage(QPoint(138 + 54, 226), gauge.copy(54, 0, 30, 16));
    // Command rows: the row strip subtracted, then the text.
    const QImage strip = loadPicture(resolveIn(game, "Image\\image02Mask.bmp")).convertToFormat(QImage::Format_RGB32);
    const QImage icons = loadPicture(resolveIn(game, "Image\\image03.bmp"));
    q.end();
    for (int row = 0; row < 3; ++row)
        for (int x = 205; x < 205 + 150; x += 4) subtract(frame, strip, QPoint(x, 95 + 25 * row + 40));
    q.begin(&frame);
    q.setFont(gothic(12));
    for (int row = 0; row < 3; ++row) {
        const LoadedMonster& m = left.monster;
        const int element = m.record.elementOf(row);
        const int icon = element > 0 ? 4 + element : 0;  // the element's mark, or the sword of an attack
        q.drawImage(QPoint(207, 95 + 25 * row + 40), keyedOut(icons.copy(icon * 20, 0, 20, 20), 0));
        q.setPen(QColor(255, 255, 255));
        q.drawText(QPoint(230, 95 + 25 * row + 40 + 15), QString::fromStdString(m.record.techName[row]));
    }
    return frame;
}

void label(QPainter& p, QPoint at, const QString& text) {
    p.setFont(gothic(11));
    p.setPen(QColor(20, 20, 20));
    p.drawText(at, text);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: assets_contact_sheet PROGRAM_FOLDER OUT.png\n";
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const fs::path game = argv[1];

    std::vector<std::pair<std::string, LoadedMonster>> monsters;
    for (const char* folder : {"Data", "System", "Scenario"}) {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(game / folder))
            if (entry.is_regular_file() && entry.path().extension() != ".sce" && entry.path().extension() != ".html" &&
                entry.path().extension() != ".png")
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const fs::path& f : files) {
            auto m = loadMonster(f);
            if (m) monsters.emplace_back(f.filename().string(), *m);
            else std::cerr << f << ": " << m.error().message << "\n";
        }
    }
    auto find = [&](const std::string& name) -> const LoadedMonster& {
        for (const auto& [file, m] : monsters)
            if (m.record.name == name) return m;
        return monsters.front().second;
    };

    const int columns = 3, frameW = 384, frameH = 248, gap = 8;
    const int stagesPerRow = 6, thumbW = 190, thumbH = 123;
    const int monsterCell = 132, monstersPerRow = 8;
    const int frames = 9;
    const int sheetW = columns * (frameW + gap) + gap;
    const int stageRows = (19 + stagesPerRow - 1) / stagesPerRow;
    const int monsterRows = (static_cast<int>(monsters.size()) + monstersPerRow - 1) / monstersPerRow;
    const int sheetH = gap + (frames / columns) * (frameH + 20) + stageRows * (thumbH + 18) + monsterRows * (monsterCell + 20) + 1100;
    QImage sheet(sheetW, sheetH, QImage::Format_RGB32);
    sheet.fill(QColor(200, 200, 206));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    const struct { const char* stage; const char* left; const char* right; const char* line; } battles[frames] = {
        {"stage00.bmp", "ヒノコドラ", "もげげ", "燃えてきたぜ！"},
        {"stage02.bmp", "アワプク", "海王", "ぷくぷく……"},
        {"stage10.bmp", "ヤミコウモリ", "ゴロイワン", "暗いところが好き……"},
        {"stage07.bmp", "Ｅ４　キラービー", "ナゾノカゲ", "ブゥゥゥン……"},
        {"stage13.bmp", "カエンジシ", "カオス・グレヴァード", "ガオオオオッ！"},
        {"stage17.bmp", "メカガード", "テツジン零式", "セントウモード、キドウ"},
        {"stage03.bmp", "ツララギツネ", "オバケノン", "冷静にいきましょう"},
        {"stage06.bmp", "ヒカリン", "モリノコ", "キラキラ～☆"},
        {"stage09.bmp", "ハガネムシ", "ヨミノマジョ", "この角を見ろ！"},
    };
    int y = gap;
    for (int i = 0; i < frames; ++i) {
        const QImage f = battleFrame(game, battles[i].stage, {find(battles[i].left), 1000, 10}, {find(battles[i].right), 1500, 100},
                                     battles[i].line);
        const int x = gap + (i % columns) * (frameW + gap);
        p.drawImage(x, y, f);
        label(p, QPoint(x, y + frameH + 14), QString::fromUtf8(battles[i].stage));
        if (i % columns == columns - 1) y += frameH + 20;
    }
    // Stages.
    std::vector<fs::path> stages;
    for (const auto& entry : fs::directory_iterator(game / "Image" / "Background"))
        if (entry.path().extension() == ".bmp") stages.push_back(entry.path());
    std::sort(stages.begin(), stages.end());
    for (size_t i = 0; i < stages.size(); ++i) {
        const int x = gap + static_cast<int>(i % stagesPerRow) * (thumbW + 8);
        const int row = static_cast<int>(i / stagesPerRow);
        p.drawImage(QRect(x, y + row * (thumbH + 18), thumbW, thumbH), loadPicture(stages[i]));
        label(p, QPoint(x, y + row * (thumbH + 18) + thumbH + 13), QString::fromStdString(stages[i].filename().string()));
    }
    y += stageRows * (thumbH + 18);
    // Monsters on a checkerboard, so transparency shows.
    for (size_t i = 0; i < monsters.size(); ++i) {
        const int x = gap + static_cast<int>(i % monstersPerRow) * (monsterCell + 6);
        const int top = y + static_cast<int>(i / monstersPerRow) * (monsterCell + 20);
        for (int cy = 0; cy < monsterCell; cy += 8)
            for (int cx = 0; cx < monsterCell; cx += 8)
                p.fillRect(x + cx, top + cy, 8, 8, ((cx + cy) / 8) % 2 ? QColor(236, 236, 240) : QColor(210, 214, 222));
        const QImage sprite = spriteOf(monsters[i].second);
        p.drawImage(QRect(x + 2, top + 2, monsterCell - 4, monsterCell - 4), sprite);
        label(p, QPoint(x, top + monsterCell + 13), QString::fromStdString(monsters[i].second.record.name + " " + monsters[i].second.record.imageFile));
    }
    y += monsterRows * (monsterCell + 20);
    // Strips, magnified.
    int x = gap, rowHeight = 0;
    for (const char* name : {"image02.bmp", "image03.bmp", "condition.bmp", "status1p.bmp", "status2p.bmp", "status1p_s.bmp", "image02Mask.bmp",
                             "image04.bmp", "image04Mask.bmp", "kanjo.bmp", "image01.bmp", "title.png"}) {
        const fs::path path = resolveIn(game, std::string("Image\\") + name);
        if (!fs::exists(path)) continue;
        QImage img = loadPicture(path);
        const double scale = std::min(img.width() < 20 ? 4.0 : 2.0, std::min(340.0 / img.height(), 600.0 / img.width()));
        const QSize size(static_cast<int>(img.width() * scale), static_cast<int>(img.height() * scale));
        if (x + size.width() > sheetW) {
            x = gap;
            y += rowHeight + 24;
            rowHeight = 0;
        }
        rowHeight = std::max(rowHeight, size.height());
        p.drawImage(QRect(QPoint(x, y), size), img.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        label(p, QPoint(x, y + size.height() + 12), name);
        x += size.width() + 12;
    }
    p.end();
    if (!sheet.save(QString::fromStdString(argv[2]))) {
        std::cerr << "cannot write " << argv[2] << "\n";
        return 1;
    }
    std::cout << "contact sheet: " << argv[2] << "\n";
    return 0;
}
