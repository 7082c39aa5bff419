// The texts of the frame: command rows, captions, gauges' numbers, announcements, banners,
// speech bubbles and the result.

#include "vexmora/ui/battle_view/frame_composer.h"


#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "vexmora/data/paths.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/gui/language.h"
#include "vexmora/rules/end_of_battle.h"
#include "vexmora/ui/battle_model/result_steps.h"
#include "vexmora/gui/battle_geometry.h"
#include "vexmora/gui/text.h"
#include "frame_parts.h"

namespace vex::ui {

using namespace frame;

// A line said in battle stands over the speaker's head; the lines of the result (shouted or
// thought) stand low, under the sliding name and label.
int FrameComposer::bubbleTop(int side, const Placement& p, int kind) const {
    if (kind != 0) return kFootY - 28;
    return std::clamp((hasMonster(side) ? p.top : 120) - kBubbleHeight + 6, 50, kFrameHeight - kBubbleHeight);
}

void FrameComposer::drawBubbles(const DisplayModel& model, int64_t now) {
    const PelkitApi& api = library_->api();
    PixelView work = workView();
    for (int side = 0; side < 2; ++side) {
        const SideView& v = model.side[static_cast<size_t>(side)];
        if (!v.speech.showingAt(now) || bubbles_[side].empty()) continue;
        const Placement p = placement(model, side);
        const int row = std::clamp(v.speech.kind, 0, 2);
        const int x = side == 0 ? kCentreX[0] - 40 : kCentreX[1] + 40 - kBubbleWidth;
        const int y = bubbleTop(side, p, v.speech.kind);
        PelkitBufferHandle& shadow = bubbleShadow_[side];
        if (shadow.loaded()) {
            const ClippedArea a = clipArea(x, y, kBubbleWidth, kBubbleHeight, 0, row * kBubbleHeight, kFrameWidth, kFrameHeight);
            if (!a.empty()) api.subBlend(work_.get(), a.x, a.y, a.w, a.h, shadow.get(), a.sx, a.sy);
        }
        drawSpriteArea(work, x, y, bubbles_[side], 0, row * kBubbleHeight, kBubbleWidth, kBubbleHeight);
    }
}

const FrameComposer::TextPicture& FrameComposer::text(const QString& content, int pixelSize, uint32_t colour,
                                                      int style) const {
    const TextKey key{content, pixelSize, colour, style};
    auto found = texts_.constFind(key);
    if (found != texts_.constEnd()) return *found;
    if (texts_.size() > 600) texts_.clear();

    QFont font(kGameFontFamily);
    font.setPixelSize(pixelSize);
    font.setBold((style & (kBold | kBoldItalic)) != 0);
    font.setItalic((style & kBoldItalic) != 0);
    const QFontMetrics metrics(font);
    const int margin = 2;
    const QSize size(metrics.horizontalAdvance(content) + 2 * margin + 2, metrics.height() + 2 * margin);
    // Painted in pixels of the frame on a picture with the pixel scale's resolution.
    QImage image(size * pixelScale_, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelScale_);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    const QPointF origin(margin, margin + metrics.ascent());
    if (style & kOutlined) {
        QPainterPath path;
        path.addText(origin, font, content);
        p.setPen(QPen(QColor(16, 16, 24, 230), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(colourOf(colour));
        p.drawPath(path);
    } else {
        p.setPen(colourOf(colour));
        p.drawText(origin, content);
    }
    p.end();
    return *texts_.insert(key, TextPicture{image, size.width(), size.height()});
}

int FrameComposer::textWidth(const QString& content, int pixelSize, int style) const {
    // The drawn width without the margins of the cached picture.
    return text(content, pixelSize, 0xFFFFFF, style).width() - 6;
}

void FrameComposer::writeCommandTexts(QPainter& painter, const DisplayModel& model) {
    if (!model.commands.shown) return;
    static constexpr char kKeys[2][6] = {{'a', 's', 'd', 'z', 'x', 'c'}, {';', ':', ']', '.', '/', '\\'}};
    for (int side = 0; side < (model.commands.twoPlayers ? 2 : 1); ++side) {
        const auto widths = rowWidths(model, side);
        const SideView& v = model.side[static_cast<size_t>(side)];
        const bool chosen = model.commands.twoPlayers && model.commands.chosen[static_cast<size_t>(side)];
        for (int row = 0; row < kCommandRows; ++row) {
            if (widths[static_cast<size_t>(row)] == 0) continue;
            const int left = rowLeft(model, side, row);
            if (left >= kFrameWidth) continue;
            const SlotFacts& s = v.facts.rows[static_cast<size_t>(row)];
            const uint32_t colour = chosen ? 0x707080 : s.usable ? 0xFFFFFF : 0x8C8C9A;
            const TextPicture& t = text(gui::displayText(gui::kCommandRowContext, s.name), 14, colour, kBold);
            painter.drawImage(left + 25 - 2, rowTop(row) + (kRowHeight - t.height()) / 2, t);
            if (model.commands.twoPlayers) {
                const TextPicture& k = text(QString(QChar(kKeys[side][row])), 12, chosen ? 0x707080 : 0xFFE070, kBold | kOutlined);
                painter.drawImage(left - 14, rowTop(row) + (kRowHeight - k.height()) / 2, k);
            }
        }
        if (chosen) {
            const TextPicture& t = text(QCoreApplication::translate("vex::ui::FrameComposer", "選択済み"), 14, 0xFFE070, kBold | kOutlined);
            painter.drawImage(listLeft(side, true) + 30, rowTop(0) - t.height() - 1, t);
        }
    }
}

void FrameComposer::writeTexts(QPainter& painter, const DisplayModel& model, int64_t now) {
    writeStatusTexts(painter, model, now);
    writeCommandTexts(painter, model);
    writeAnnouncement(painter, model, now);
    writeSpeech(painter, model, now);
    writeCaptions(painter, model, now);
    writeOverlays(painter, model, now);
}

// Names and numbers of the status windows.
void FrameComposer::writeStatusTexts(QPainter& painter, const DisplayModel& model, int64_t now) {
    for (int side = 0; side < 2; ++side) {
        const StatusWindowLayout& w = layout_[static_cast<size_t>(side)];
        const SideView& v = model.side[static_cast<size_t>(side)];
        if (!v.facts.present) continue;
        const auto px = [](int size) { return std::max(6, size * 4 / 3); };
        const TextPicture& name = text(qtText(v.facts.name), px(w.name.size), w.name.colour, kOutlined);
        painter.drawImage(w.window.x + w.name.at.x - (name.width() - 6) / 2 - 2, w.window.y + w.name.at.y - 2, name);
        const TextPicture& hp = text(QString::number(model.shown(side, Gauge::Hp, now)), px(w.hp.size), w.hp.colour,
                                kBold | kOutlined);
        painter.drawImage(w.window.x + w.hp.at.x - (hp.width() - 6) - 2, w.window.y + w.hp.at.y - 2, hp);
        const bool spStopped = v.facts.statusTurns[kStatusSpStop] != 0;
        const TextPicture& sp = text(QString::number(model.shown(side, Gauge::Sp, now)), px(w.sp.size),
                                spStopped ? 0xFF4848 : w.sp.colour, kBold | kOutlined);
        painter.drawImage(w.window.x + w.sp.at.x - (sp.width() - 6) - 2, w.window.y + w.sp.at.y - 2, sp);
    }
}

// The technique announcement: the latest one, on the acting side's half.
void FrameComposer::writeAnnouncement(QPainter& painter, const DisplayModel& model, int64_t now) {
    const SideView* announcing = nullptr;
    int announcingSide = 0;
    for (int side = 0; side < 2; ++side) {
        const TimedText& a = model.side[static_cast<size_t>(side)].announcement;
        if (!a.showingAt(now)) continue;
        if (!announcing || a.start >= announcing->announcement.start) {
            announcing = &model.side[static_cast<size_t>(side)];
            announcingSide = side;
        }
    }
    if (!announcing) return;
    // Under the acting fighter, between its feet and the emotion gauges: the captions
    // float above it and the command list is away while techniques are announced.
    const QRect plate(announcingSide == 0 ? 8 : 196, kFootY + 4, 180, 22);
    QLinearGradient g(plate.topLeft(), plate.bottomLeft());
    const QColor accent = announcingSide == 0 ? QColor(70, 120, 255) : QColor(255, 80, 90);
    g.setColorAt(0, QColor(20, 24, 44, 220));
    g.setColorAt(1, QColor(8, 10, 20, 220));
    painter.fillRect(plate, g);
    painter.fillRect(QRect(plate.left(), plate.top(), 4, plate.height()), accent);
    painter.fillRect(QRect(plate.left(), plate.bottom(), plate.width(), 1), accent);
    const TextPicture& t = text(qtText(announcing->announcement.text), 15, 0xFFFFFF, kBold | kOutlined);
    painter.drawImage(plate.center().x() - t.width() / 2 + 2, plate.top() + (plate.height() - t.height()) / 2, t);
}

// Speech bubbles: a text shorter than three characters gets a space on each side.
void FrameComposer::writeSpeech(QPainter& painter, const DisplayModel& model, int64_t now) {
    for (int side = 0; side < 2; ++side) {
        const SideView& v = model.side[static_cast<size_t>(side)];
        if (!v.speech.showingAt(now) || bubbles_[side].empty()) continue;
        QString said = qtText(v.speech.text);
        if (said.size() < 3) said = QLatin1Char(' ') + said + QLatin1Char(' ');
        const Placement p = placement(model, side);
        const int x = side == 0 ? kCentreX[0] - 40 : kCentreX[1] + 40 - kBubbleWidth;
        const int y = bubbleTop(side, p, v.speech.kind);
        int size = 14;
        while (size > 9 && textWidth(said, size, kBold) > kBubbleWidth - 24) --size;
        const TextPicture& t = text(said, size, 0x141420, kBold);
        painter.drawImage(x + (kBubbleWidth - t.width()) / 2, y + (40 - t.height()) / 2 + 2, t);
    }
}

// Captions float up over their fighter and fade.
void FrameComposer::writeCaptions(QPainter& painter, const DisplayModel& model, int64_t now) {
    for (int side = 0; side < 2; ++side) {
        const SideView& v = model.side[static_cast<size_t>(side)];
        const Placement p = placement(model, side);
        const int baseTop = hasMonster(side) ? p.top : 120;
        for (const FloatingCaption& c : v.captions) {
            const int64_t age = now - c.start;
            if (age < 0 || age >= c.duration) continue;
            const double t = static_cast<double>(age) / c.duration;
            const int size = c.kind == TextKind::HpNumber ? 20 : c.kind == TextKind::SpNumber ? 16 : 15;
            const TextPicture& img = text(gui::displayText(gui::kBattleTextContext, c.text), size, rgbOf(c.colour), kBold | kOutlined);
            const int x = kCentreX[side] + v.motionDx - img.width() / 2;
            const int y = std::max(0, baseTop - 10 - img.height() + 18 * c.lane - static_cast<int>(30 * t));
            painter.setOpacity(t < 0.65 ? 1.0 : std::max(0.0, (1.0 - t) / 0.35));
            painter.drawImage(x, y, img);
        }
    }
    painter.setOpacity(1.0);
}

// What stands over the whole frame: the turn banner, TIMEUP!, a battle message, a flash.
void FrameComposer::writeOverlays(QPainter& painter, const DisplayModel& model, int64_t now) {
    if (model.banner.showingAt(now)) {
        const double age = static_cast<double>(now - model.banner.start);
        const double t = model.banner.duration > 0 ? age / model.banner.duration : 0;
        const TextPicture& img = text(gui::displayText(gui::kBattleTextContext, model.banner.text), 30, 0xFFD84A, kBoldItalic | kOutlined);
        const int slide = t < 0.15 ? static_cast<int>((0.15 - t) / 0.15 * 60) : 0;
        painter.setOpacity(t < 0.8 ? 1.0 : std::max(0.0, (1.0 - t) / 0.2));
        painter.drawImage((kFrameWidth - img.width()) / 2 - slide, 96, img);
        painter.setOpacity(1.0);
    }
    if (model.timeUp) {
        const TextPicture& img = text(QStringLiteral("TIMEUP!"), 40, 0xFF5A3C, kBoldItalic | kOutlined);
        painter.drawImage((kFrameWidth - img.width()) / 2, 94, img);
    }
    if (model.message.showingAt(now)) {
        const QStringList lines = gui::displayText(gui::kBattleTextContext, model.message.text).split(QStringLiteral("\r\n"));
        const int lineHeight = 20;
        const QRect plate(24, 104 - lineHeight * static_cast<int>(lines.size()) / 2 - 8, kFrameWidth - 48,
                          lineHeight * static_cast<int>(lines.size()) + 16);
        painter.fillRect(plate, QColor(10, 8, 24, 210));
        painter.fillRect(QRect(plate.left(), plate.top(), plate.width(), 2), QColor(255, 200, 80));
        painter.fillRect(QRect(plate.left(), plate.bottom() - 1, plate.width(), 2), QColor(255, 200, 80));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const TextPicture& img = text(lines[i], 16, 0xFFF0C8, kBold | kOutlined);
            painter.drawImage((kFrameWidth - img.width()) / 2, plate.top() + 8 + lineHeight * static_cast<int>(i), img);
        }
    }
    if (model.flashStart >= 0) {
        const double t = static_cast<double>(now - model.flashStart) / kFlashMs;
        if (t >= 0 && t < 1) painter.fillRect(screen_.rect(), QColor(255, 255, 255, static_cast<int>(210 * (1 - t))));
    }
}

void FrameComposer::writeResult(QPainter& painter, const DisplayModel& model) {
    const ResultView& r = model.result;
    const int k = std::clamp(r.frame, 1, 6);
    // The name in 28 points, the label in 36, each with its shadow.
    const TextPicture& nameShadow = text(qtText(r.name), 37, 0x141414, kBoldItalic);
    const TextPicture& name = text(qtText(r.name), 37, r.colour, kBoldItalic | kOutlined);
    const SlideFrame nameAt = nameSlideFrame(k, name.width() - 6);
    painter.drawImage(nameAt.shadowX - 2, 63 - 2, nameShadow);
    painter.drawImage(nameAt.textX - 2, 60 - 2, name);
    const TextPicture& labelShadow = text(gui::displayText(gui::kBattleTextContext, r.label), 48, 0x141414, kBoldItalic);
    const TextPicture& label = text(gui::displayText(gui::kBattleTextContext, r.label), 48, r.colour, kBoldItalic | kOutlined);
    const SlideFrame labelAt = nameSlideFrame(k, label.width() - 6);
    painter.drawImage(labelAt.shadowX - 2, 123 - 2, labelShadow);
    painter.drawImage(labelAt.textX - 2, 120 - 2, label);
}

}  // namespace vex::ui
