// The two status windows, their shading pictures and the layout file "Image\setting.txt".

#include <QPainterPath>

#include "battle_layout.h"
#include "battle_pictures.h"
#include "paint_kit.h"
#include "picture_codecs.h"
#include "sequential_text.h"

namespace vex::assets {

namespace {

using namespace layout;

const QColor kWindowKey(kWindowKeyR, kWindowKeyG, kWindowKeyB);

// Colours as the layout file holds them: R + 256 G + 65536 B.
long rgbValue(QColor c) { return c.red() + 256L * c.green() + 65536L * c.blue(); }

struct SideStyle {
    const char* picture;
    const char* shading;
    QColor plateLight, plateDark;
    QColor nameColour, hpColour, spColour;
};

const SideStyle kSides[2] = {
    {"status1p.bmp", "status1p_s.bmp", QColor(70, 140, 240), QColor(24, 60, 150), QColor(255, 255, 255),
     QColor(150, 255, 150), QColor(130, 220, 255)},
    {"status2p.bmp", "status2p_s.bmp", QColor(240, 100, 90), QColor(150, 30, 50), QColor(255, 255, 255),
     QColor(150, 255, 150), QColor(130, 220, 255)},
};

QPainterPath windowShape() {
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 0.5, kWindowWidth - 1, kWindowHeight - 1), 7, 7);
    return shape;
}

QImage paintWindow(const SideStyle& style, int side) {
    QImage canvas = transparentCanvas(kWindowWidth, kWindowHeight);
    QPainter p(&canvas);
    smooth(p);
    // Metal frame with an open, glassy middle (left transparent: the shading darkens it).
    const QPainterPath outer = windowShape();
    QPainterPath inner;
    inner.addRoundedRect(QRectF(3.5, 17.5, kWindowWidth - 7, kWindowHeight - 21), 4, 4);
    QLinearGradient metal(0, 0, 0, kWindowHeight);
    metal.setColorAt(0, QColor(236, 240, 248));
    metal.setColorAt(0.5, QColor(168, 178, 196));
    metal.setColorAt(1, QColor(110, 118, 138));
    p.setPen(QPen(QColor(30, 34, 46), 1.0));
    p.setBrush(metal);
    p.drawPath(outer.subtracted(inner));
    // The name plate.
    QPainterPath plate;
    plate.addRoundedRect(QRectF(3, 2.5, kWindowWidth - 6, 14), 5, 5);
    QLinearGradient plateFill(0, 2, 0, 17);
    plateFill.setColorAt(0, style.plateLight);
    plateFill.setColorAt(1, style.plateDark);
    p.setPen(QPen(scaled(style.plateDark, 0.6), 0.8));
    p.setBrush(plateFill);
    p.drawPath(plate);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawRoundedRect(QRectF(5, 3.5, kWindowWidth - 10, 5), 3, 3);
    // Side badge ("1P" / "2P") at the left of the plate.
    outlinedText(p, QPointF(7, 13.5), side == 0 ? "1P" : "2P", gothic(9, true), QColor(255, 240, 160), QColor(20, 20, 40), 1.2);
    // Labels of the readouts.
    auto pill = [&](double x, const char* text, QColor tint) {
        p.setPen(QPen(QColor(20, 24, 34), 0.8));
        p.setBrush(scaled(tint, 0.45));
        p.drawRoundedRect(QRectF(x, 22.5, 20, 11), 4, 4);
        outlinedText(p, QPointF(x + 3.2, 31.5), text, gothic(9, true), tint, QColor(10, 12, 20), 1.0);
    };
    pill(7, "HP", style.hpColour);
    pill(92, "SP", style.spColour);
    // The ring round the ability marker.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 44, 60), 2.5));
    p.drawEllipse(QRectF(kConditionX - 1.5, kConditionY - 1.5, kMarkerCell + 3, kMarkerCell + 3));
    p.setPen(QPen(QColor(210, 216, 230), 1.0));
    p.drawEllipse(QRectF(kConditionX - 1.5, kConditionY - 1.5, kMarkerCell + 3, kMarkerCell + 3));
    p.end();
    return keyed(canvas, kWindowKey, QColor(30, 34, 46));
}

// Subtracted from the stage before the window is drawn: the glass darkens what is behind it,
// and a soft shadow falls to the lower right of the frame.
QImage paintShading() {
    QImage canvas(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter p(&canvas);
    smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(112, 104, 84));
    p.drawRoundedRect(QRectF(3, 17, kWindowWidth - 6, kWindowHeight - 20), 4, 4);
    p.end();
    return canvas;
}

void addWindowRecord(SequentialText& text, int side) {
    const SideStyle& style = kSides[side];
    text.comment(side == 0 ? "１Ｐ側（左）のステータスウィンドウ" : "２Ｐ側（右）のステータスウィンドウ");
    text.comment("ウィンドウ x, y, 画像ファイル, 透過色, 影画像ファイル（減算合成）");
    text.line({long{kWindowX[side]}, long{kWindowY}, std::string(style.picture), rgbValue(kWindowKey), std::string(style.shading)});
    text.comment("名前 x（中央）, y, 色, 文字の大きさ");
    text.line({long{kNameX}, long{kNameY}, rgbValue(style.nameColour), long{kNameSize}});
    text.comment("ＨＰ x（右端）, y, 色, 文字の大きさ");
    text.line({long{kHpRight}, long{kHpTop}, rgbValue(style.hpColour), long{kHpSize}});
    text.comment("ＳＰ x（右端）, y, 色, 文字の大きさ");
    text.line({long{kSpRight}, long{kSpTop}, rgbValue(style.spColour), long{kSpSize}});
    text.comment("能力アップ／ダウンの印（21×21） x, y");
    text.line({long{kConditionX}, long{kConditionY}});
    text.comment("状態アイコン（20×20）11個の x, y");
    std::vector<SequentialText::Value> icons;
    for (int i = 0; i < kStatusIconCount; ++i) {
        icons.push_back(long{statusIconX(i)});
        icons.push_back(long{statusIconY(i)});
    }
    text.line(icons);
    text.blank();
}

}  // namespace

void writeStatusWindows(ContentFolder& out) {
    SequentialText layoutFile;
    layoutFile.comment("戦闘画面のステータスウィンドウの配置");
    layoutFile.comment("「>>」で始まる行と空行は読み飛ばされます。色は 赤 + 緑×256 + 青×65536 の値です");
    layoutFile.blank();
    for (int side = 0; side < 2; ++side) {
        out.write(std::string("Image\\") + kSides[side].picture, encodeBmp24(paintWindow(kSides[side], side)));
        out.write(std::string("Image\\") + kSides[side].shading, encodeBmp24(paintShading()));
        addWindowRecord(layoutFile, side);
    }
    out.write("Image\\setting.txt", layoutFile.bytes());
}

}  // namespace vex::assets
