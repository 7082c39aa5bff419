#pragma once
// The monsters' looks: a species painter with a palette and a few extras, painted in a
// 100 × 100 space and rendered at any picture size.

#include <QImage>

#include "creature_kit.h"

namespace vex::assets {

enum class Species {
    Slime, Bee, Dragon, Fish, SeaSerpent, Golem, Fairy, Bat, Fox, Lion, Robot, Ghost, Sprout, Beetle, Toad, Bird,
};

struct Creature {
    Species species = Species::Slime;
    Palette palette;
    EyeStyle eyes = EyeStyle::Cute;
    MouthStyle mouth = MouthStyle::Smile;
    bool crowned = false;
    bool horned = false;     // extra horns
    bool armoured = false;   // plates and spikes
    bool grandWings = false; // large wings spread behind
    bool metallic = false;   // mirror-like highlights
    QColor auraColour;       // flames behind it when valid
    bool mystery = false;    // a dark silhouette with glowing eyes and question marks
};

// Paints into the painter's current 100 × 100 space.
void paintCreature(QPainter& p, const Creature& creature);
// The creature centred on a transparent picture of the given size (its 100 × 100 space scaled
// to the smaller side, feet on the bottom edge).
QImage renderCreature(const Creature& creature, int width, int height);

// The painters of each species (creatures_*.cpp).
void paintSlime(QPainter& p, const Creature& c);
void paintBee(QPainter& p, const Creature& c);
void paintDragon(QPainter& p, const Creature& c);
void paintFish(QPainter& p, const Creature& c);
void paintSeaSerpent(QPainter& p, const Creature& c);
void paintGolem(QPainter& p, const Creature& c);
void paintFairy(QPainter& p, const Creature& c);
void paintBat(QPainter& p, const Creature& c);
void paintFox(QPainter& p, const Creature& c);
void paintLion(QPainter& p, const Creature& c);
void paintRobot(QPainter& p, const Creature& c);
void paintGhost(QPainter& p, const Creature& c);
void paintSprout(QPainter& p, const Creature& c);
void paintBeetle(QPainter& p, const Creature& c);
void paintToad(QPainter& p, const Creature& c);
void paintBird(QPainter& p, const Creature& c);

}  // namespace vex::assets
