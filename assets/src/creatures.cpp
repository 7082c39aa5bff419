#include "creatures.h"

#include "paint_kit.h"

namespace vex::assets {

namespace {

Creature silhouette(Creature c) {
    c.palette = Palette{QColor(60, 40, 90), QColor(96, 70, 140), QColor(28, 18, 44), QColor(12, 8, 20),
                        QColor(120, 40, 160), QColor(70, 50, 100), QColor(255, 60, 80)};
    c.eyes = EyeStyle::Glowing;
    return c;
}

}  // namespace

void paintCreature(QPainter& p, const Creature& original) {
    const Creature c = original.mystery ? silhouette(original) : original;
    if (c.auraColour.isValid()) aura(p, QPointF(50, 56), 48, 44, scaled(c.auraColour, 0.55), mix(c.auraColour, QColor(255, 255, 255), 0.4), 7);
    switch (c.species) {
        case Species::Slime: paintSlime(p, c); break;
        case Species::Bee: paintBee(p, c); break;
        case Species::Dragon: paintDragon(p, c); break;
        case Species::Fish: paintFish(p, c); break;
        case Species::SeaSerpent: paintSeaSerpent(p, c); break;
        case Species::Golem: paintGolem(p, c); break;
        case Species::Fairy: paintFairy(p, c); break;
        case Species::Bat: paintBat(p, c); break;
        case Species::Fox: paintFox(p, c); break;
        case Species::Lion: paintLion(p, c); break;
        case Species::Robot: paintRobot(p, c); break;
        case Species::Ghost: paintGhost(p, c); break;
        case Species::Sprout: paintSprout(p, c); break;
        case Species::Beetle: paintBeetle(p, c); break;
        case Species::Toad: paintToad(p, c); break;
        case Species::Bird: paintBird(p, c); break;
    }
    if (original.mystery) {
        const QPointF marks[] = {QPointF(12, 20), QPointF(86, 14), QPointF(90, 60)};
        int size = 18;
        for (const QPointF& at : marks) {
            outlinedTextCentred(p, at.x(), at.y() + size / 2.0, QString::fromUtf8("？"), gothic(size, true), QColor(250, 230, 255),
                                QColor(60, 10, 80), 1.6);
            size -= 3;
        }
    }
}

QImage renderCreature(const Creature& creature, int width, int height) {
    QImage image = transparentCanvas(width, height);
    QPainter p(&image);
    smooth(p);
    const double scale = std::min(width, height) / 100.0;
    p.translate((width - 100 * scale) / 2, height - 100 * scale);
    p.scale(scale, scale);
    paintCreature(p, creature);
    p.end();
    return image;
}

}  // namespace vex::assets
