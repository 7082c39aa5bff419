#include "sound_effects.h"

#include <cmath>
#include <set>

#include "content.h"

namespace vex::assets {

const std::array<const char*, kEffectCount> kEffectTable{
    "00-決定.wav", "01-キャンセル.wav", "02-警報.wav", "03-羽音.wav",
    "04-？？？.wav", "05-ガス.wav", "06-ﾚｰｻﾞｰ.wav", "07-雨.wav",
    "08-噛み.wav", "09-機関銃.wav", "10-斬撃.wav", "11-斬撃2.wav",
    "12-銃.wav", "13-銃2.wav", "14-銃3.wav", "15-打撃.wav",
    "16-電撃.wav", "17-爆発.wav", "18-飛行機.wav", "19-風.wav",
    "20-風切り.wav", "21-雷鳴.wav", "22-咆哮.wav", "23-技ゲット.wav",
    "24-ジャンプ.wav", "25-落下.wav", "26-アップ.wav", "27-ダウン.wav",
    "28-回復.wav", "29-鉄.wav", "30-毒.wav", "31-ガス.wav",
    "32-マヒ.wav", "33-転倒.wav", "34-混乱.wav", "35-弾装填.wav",
    "36-呪い.wav", "37-ピキン.wav", "38-炎.wav", "39-突撃.wav",
    "40-打撃0.wav", "41-打撃1.wav", "42-打撃2.wav", "43-打撃3.wav",
};

namespace {

double hz(double midiNote) { return 440.0 * std::exp2((midiNote - 69) / 12.0); }
std::function<double(double)> fixed(double f) { return constant(f); }
std::function<double(double)> off() { return constant(0); }

// A struck, decaying tone with a few harmonics (chimes, bells).
void chime(Sound& s, double at, double freq, double level, double halfLife) {
    s.tone(at, halfLife * 8, Wave::Sine, fixed(freq), attackDecay(level, 0.003, halfLife));
    s.tone(at, halfLife * 5, Wave::Sine, fixed(freq * 2.01), attackDecay(level * 0.35, 0.003, halfLife * 0.6));
    s.tone(at, halfLife * 3, Wave::Sine, fixed(freq * 3.02), attackDecay(level * 0.15, 0.002, halfLife * 0.4));
}

// A body blow: a falling low thump with a click of noise on top.
void thump(Sound& s, double at, double from, double to, double level, double halfLife, uint64_t seed) {
    s.tone(at, halfLife * 7, Wave::Sine, glide(from, to, halfLife * 3), attackDecay(level, 0.002, halfLife));
    s.noise(at, halfLife * 3, fixed(3500), off(), decay(level * 0.6, halfLife * 0.3), seed);
}

void whoosh(Sound& s, double at, double length, double fromCut, double toCut, double level, uint64_t seed) {
    s.noise(at, length, glide(fromCut, toCut, length), glide(fromCut * 0.4, toCut * 0.4, length),
            [=](double t) { return level * std::sin(M_PI * std::min(1.0, t / length)); }, seed);
}

void arpeggio(Sound& s, double at, std::initializer_list<double> notes, double step, Wave wave, double level, double halfLife) {
    double t = at;
    for (double n : notes) {
        s.tone(t, halfLife * 6, wave, fixed(hz(n)), attackDecay(level, 0.004, halfLife));
        t += step;
    }
}

// Blows of rising power (0 a tap … 3 a crushing hit); `pitch` shifts the body of the blow.
Sound hit(int power, double pitch = 1.0) {
    Sound s(0.25 + power * 0.08);
    const double level = 0.6 + power * 0.13;
    thump(s, 0, (180 - power * 25) * pitch, (60 - power * 8) * pitch, level, 0.03 + power * 0.012, 40 + power);
    if (power >= 2) s.noise(0.005, 0.12, fixed(1800), fixed(200), decay(0.5, 0.03 + power * 0.01), 50 + power);
    if (power == 3) s.noise(0.0, 0.3, fixed(900), off(), decay(0.5, 0.08), 53);  // crunch
    return s;
}

Sound effect(int n) {
    switch (n) {
        case 0: {  // 決定: a bright two-note chime
            Sound s(0.35);
            chime(s, 0, hz(84), 0.5, 0.04);
            chime(s, 0.07, hz(91), 0.55, 0.06);
            return s;
        }
        case 1: {  // キャンセル: the same, falling and softer
            Sound s(0.3);
            s.tone(0, 0.12, Wave::Triangle, fixed(hz(79)), attackDecay(0.5, 0.004, 0.03));
            s.tone(0.07, 0.2, Wave::Triangle, fixed(hz(72)), attackDecay(0.5, 0.004, 0.05));
            return s;
        }
        case 2: {  // 警報: a two-tone siren
            Sound s(1.2);
            for (int i = 0; i < 4; ++i) s.tone(i * 0.3, 0.28, Wave::Square, fixed(i % 2 ? 660 : 880), hold(0.35, 0.26, 0.02));
            return s;
        }
        case 3: {  // 羽音: buzzing wings
            Sound s(0.9);
            s.tone(0, 0.9, Wave::Saw, [](double t) { return 190 + 12 * std::sin(t * 40); },
                   [](double t) { return 0.4 * (0.6 + 0.4 * std::sin(t * 2 * M_PI * 32)) * std::sin(M_PI * t / 0.9); });
            s.tone(0, 0.9, Wave::Saw, [](double t) { return 382 + 9 * std::sin(t * 33); },
                   [](double t) { return 0.15 * std::sin(M_PI * t / 0.9); });
            return s;
        }
        case 4: {  // ？？？: a question in the air, wobbling upwards
            Sound s(1.2);
            s.tone(0, 0.8, Wave::Sine, [](double t) { return 300 * std::pow(3.0, t / 0.8) * (1 + 0.03 * std::sin(t * 40)); },
                   attackDecay(0.5, 0.1, 0.3));
            s.tone(0, 0.8, Wave::Triangle, [](double t) { return 451 * std::pow(3.0, t / 0.8); }, attackDecay(0.2, 0.1, 0.3));
            s.echo(0.12, 0.45, 3);
            return s;
        }
        case 5: case 31: {  // ガス: a swelling hiss
            Sound s(1.0);
            s.noise(0, 1.0, fixed(7000), fixed(1500), [](double t) { return 0.5 * std::sin(M_PI * std::min(1.0, t / 1.0)) * (t < 0.3 ? t / 0.3 : 1); }, 5);
            return s;
        }
        case 6: {  // ﾚｰｻﾞｰ: a falling laser zap
            Sound s(0.4);
            s.tone(0, 0.35, Wave::Square, glide(2200, 260, 0.35), decay(0.4, 0.12));
            s.tone(0, 0.35, Wave::Sine, glide(3300, 390, 0.35), decay(0.25, 0.1));
            return s;
        }
        case 7: {  // 雨: a bed of rain with drops
            Sound s(1.5);
            s.noise(0, 1.5, fixed(2500), fixed(300), [](double t) { return 0.25 * std::min(1.0, t / 0.2) * std::min(1.0, (1.5 - t) / 0.3); }, 7);
            ArtRandom rnd(77);
            for (int i = 0; i < 40; ++i) s.tone(rnd.range(0, 1.4), 0.03, Wave::Sine, glide(rnd.range(1800, 3200), 900, 0.03), decay(0.25, 0.008));
            return s;
        }
        case 8: {  // 噛み: two crunching bites
            Sound s(0.4);
            for (double at : {0.0, 0.14}) {
                s.noise(at, 0.08, fixed(4500), fixed(800), decay(0.6, 0.015), 80 + static_cast<uint64_t>(at * 100));
                thump(s, at, 220, 90, 0.4, 0.02, 81);
            }
            return s;
        }
        case 9: {  // 機関銃: a rattle of shots
            Sound s(0.8);
            for (int i = 0; i < 9; ++i) {
                s.noise(i * 0.075, 0.06, fixed(5000), fixed(400), decay(0.7, 0.012), 90 + i);
                thump(s, i * 0.075, 160, 70, 0.35, 0.015, 99);
            }
            return s;
        }
        case 10: case 11: {  // 斬撃, 斬撃2: a whoosh and the ring of a blade
            const bool heavy = n == 11;
            Sound s(heavy ? 0.7 : 0.5);
            whoosh(s, 0, heavy ? 0.25 : 0.16, heavy ? 900 : 1500, heavy ? 4500 : 7000, 0.7, 10 + n);
            chime(s, heavy ? 0.16 : 0.1, heavy ? 1900 : 2600, 0.22, 0.06);
            if (heavy) thump(s, 0.15, 150, 60, 0.45, 0.04, 111);
            return s;
        }
        case 12: {  // 銃: one sharp shot
            Sound s(0.5);
            s.noise(0, 0.4, glide(6000, 600, 0.2), fixed(150), decay(0.9, 0.03), 12);
            thump(s, 0, 140, 45, 0.5, 0.05, 121);
            return s;
        }
        case 13: {  // 銃2: two quick shots
            Sound s(0.55);
            for (double at : {0.0, 0.16}) {
                s.noise(at, 0.3, glide(5000, 500, 0.15), fixed(200), decay(0.8, 0.025), 13 + static_cast<uint64_t>(at * 100));
                thump(s, at, 170, 60, 0.4, 0.04, 131);
            }
            return s;
        }
        case 14: {  // 銃3: a cannon
            Sound s(1.2);
            s.noise(0, 1.1, glide(3000, 200, 0.6), off(), decay(0.9, 0.18), 14);
            thump(s, 0, 90, 30, 0.8, 0.15, 141);
            return s;
        }
        case 15: {  // 打撃: a punch with a slap on top
            Sound s = hit(1, 1.3);
            s.noise(0, 0.05, fixed(6000), fixed(1200), decay(0.6, 0.008), 15);
            return s;
        }
        case 16: {  // 電撃: a crackling electric buzz
            Sound s(0.8);
            s.tone(0, 0.75, Wave::Square, [](double t) { return 120 + 80 * std::sin(t * 190) + 60 * std::sin(t * 71); },
                   [](double t) { return 0.3 * (0.5 + 0.5 * std::sin(t * 2 * M_PI * 23)) * std::min(1.0, (0.75 - t) / 0.2); });
            ArtRandom rnd(16);
            for (int i = 0; i < 30; ++i) s.noise(rnd.range(0, 0.7), 0.02, fixed(8000), fixed(2000), decay(0.5, 0.004), 160 + i);
            return s;
        }
        case 17: {  // 爆発: a blast with a rumble
            Sound s(1.6);
            s.noise(0, 1.6, glide(4000, 150, 1.0), off(), attackDecay(1.0, 0.005, 0.25), 17);
            s.tone(0, 1.4, Wave::Sine, glide(80, 30, 1.2), attackDecay(0.7, 0.01, 0.3));
            return s;
        }
        case 18: {  // 飛行機: a plane flying past
            Sound s(1.8);
            auto pass = [](double t) { return std::exp(-std::pow((t - 0.9) / 0.45, 2)); };
            s.tone(0, 1.8, Wave::Saw, [](double t) { return 110 * (1.12 - 0.22 / (1 + std::exp(-(t - 0.9) * 6))); },
                   [=](double t) { return 0.25 * pass(t); });
            s.noise(0, 1.8, [=](double t) { return 600 + 2400 * pass(t); }, off(), [=](double t) { return 0.5 * pass(t); }, 18);
            return s;
        }
        case 19: {  // 風: wind rising and falling
            Sound s(1.8);
            s.noise(0, 1.8, [](double t) { return 500 + 700 * (0.5 + 0.5 * std::sin(t * 3.3)); }, off(),
                    [](double t) { return 0.5 * std::sin(M_PI * t / 1.8) * (0.7 + 0.3 * std::sin(t * 5.1)); }, 19);
            return s;
        }
        case 20: {  // 風切り: a quick whoosh
            Sound s(0.35);
            whoosh(s, 0, 0.3, 600, 5000, 0.8, 20);
            return s;
        }
        case 21: {  // 雷鳴: the crack of thunder and its roll
            Sound s(2.2);
            s.noise(0, 0.2, fixed(9000), fixed(1000), decay(0.9, 0.03), 21);
            s.noise(0.05, 2.1, glide(1200, 120, 1.5), off(), [](double t) { return 0.8 * std::exp2(-t / 0.5) * (0.7 + 0.3 * std::sin(t * 9)); }, 211);
            s.tone(0.05, 1.8, Wave::Sine, glide(60, 35, 1.5), attackDecay(0.5, 0.05, 0.5));
            return s;
        }
        case 22: {  // 咆哮: a roar
            Sound s(1.1);
            auto body = [](double t) { return 0.5 * std::min(1.0, t / 0.12) * std::min(1.0, (1.05 - t) / 0.4); };
            s.tone(0, 1.05, Wave::Saw, [](double t) { return 95 + 25 * std::sin(t * 6) + 6 * std::sin(t * 70); }, body);
            s.tone(0, 1.05, Wave::Saw, [](double t) { return 142 + 30 * std::sin(t * 6.5); }, [=](double t) { return 0.5 * body(t); });
            s.noise(0, 1.05, fixed(1400), fixed(200), [=](double t) { return 0.8 * body(t); }, 22);
            return s;
        }
        case 23: {  // 技ゲット: a little fanfare
            Sound s(1.0);
            arpeggio(s, 0, {72, 76, 79}, 0.09, Wave::Square, 0.28, 0.05);
            s.tone(0.27, 0.6, Wave::Square, fixed(hz(84)), hold(0.3, 0.45, 0.1));
            s.tone(0.27, 0.6, Wave::Triangle, fixed(hz(76)), hold(0.25, 0.45, 0.1));
            return s;
        }
        case 24: {  // ジャンプ: a rising boing
            Sound s(0.3);
            s.tone(0, 0.25, Wave::Square, glide(220, 880, 0.2), decay(0.35, 0.1));
            return s;
        }
        case 25: {  // 落下: a falling whistle and the landing
            Sound s(1.0);
            s.tone(0, 0.7, Wave::Sine, glide(1400, 220, 0.7), hold(0.4, 0.68, 0.02));
            thump(s, 0.7, 120, 40, 0.8, 0.06, 25);
            return s;
        }
        case 26: {  // アップ: a rising sparkle
            Sound s(0.7);
            arpeggio(s, 0, {67, 71, 74, 79, 83}, 0.06, Wave::Triangle, 0.4, 0.06);
            return s;
        }
        case 27: {  // ダウン: a falling line
            Sound s(0.7);
            arpeggio(s, 0, {79, 75, 72, 68, 63}, 0.07, Wave::Triangle, 0.4, 0.06);
            return s;
        }
        case 28: {  // 回復: a shimmer of healing
            Sound s(1.2);
            arpeggio(s, 0, {72, 76, 79, 84, 88, 91}, 0.07, Wave::Sine, 0.3, 0.12);
            arpeggio(s, 0.035, {72.1, 76.1, 79.1, 84.1, 88.1, 91.1}, 0.07, Wave::Sine, 0.18, 0.12);
            s.echo(0.09, 0.35, 3);
            return s;
        }
        case 29: {  // 鉄: a metal clang
            Sound s(1.0);
            for (const auto& [ratio, level] : {std::pair{1.0, 0.4}, {2.76, 0.3}, {5.4, 0.2}, {8.93, 0.12}})
                s.tone(0, 1.0, Wave::Sine, fixed(520 * ratio), attackDecay(level, 0.001, 0.18 / std::sqrt(ratio)));
            s.noise(0, 0.05, fixed(8000), fixed(2000), decay(0.5, 0.006), 29);
            return s;
        }
        case 30: {  // 毒: bubbling
            Sound s(0.8);
            ArtRandom rnd(30);
            for (int i = 0; i < 12; ++i) {
                const double at = i * 0.06 + rnd.range(0, 0.02);
                s.tone(at, 0.06, Wave::Sine, glide(rnd.range(300, 600), rnd.range(700, 1100), 0.05), attackDecay(0.45, 0.005, 0.015));
            }
            return s;
        }
        case 32: {  // マヒ: a numbing, fading buzz
            Sound s(0.9);
            s.tone(0, 0.9, Wave::Square, glide(700, 300, 0.9),
                   [](double t) { return 0.3 * (0.5 + 0.5 * std::sin(t * 2 * M_PI * 18)) * std::exp2(-t / 0.35); });
            return s;
        }
        case 33: {  // 転倒: a stumble and a fall
            Sound s(0.6);
            whoosh(s, 0, 0.18, 800, 2500, 0.4, 33);
            thump(s, 0.16, 150, 45, 0.8, 0.05, 331);
            thump(s, 0.3, 110, 40, 0.4, 0.04, 332);
            return s;
        }
        case 34: {  // 混乱: dizzy, wobbling tones
            Sound s(1.0);
            s.tone(0, 0.95, Wave::Triangle, [](double t) { return 520 + 180 * std::sin(t * 2 * M_PI * 5); }, hold(0.3, 0.8, 0.15));
            s.tone(0, 0.95, Wave::Sine, [](double t) { return 780 - 200 * std::sin(t * 2 * M_PI * 4); }, hold(0.2, 0.8, 0.15));
            return s;
        }
        case 35: {  // 弾装填: the clicks of a reload
            Sound s(0.6);
            for (double at : {0.0, 0.28}) {
                s.noise(at, 0.04, fixed(9000), fixed(2500), decay(0.7, 0.006), 35 + static_cast<uint64_t>(at * 10));
                s.tone(at, 0.08, Wave::Sine, fixed(at == 0 ? 1800 : 1400), decay(0.3, 0.015));
            }
            s.noise(0.06, 0.18, glide(2000, 5000, 0.18), fixed(1000), hold(0.2, 0.15, 0.03), 351);
            return s;
        }
        case 36: {  // 呪い: an eerie, trembling chord
            Sound s(1.4);
            for (double note : {45.0, 51.0, 56.1}) {
                s.tone(0, 1.4, Wave::Saw, fixed(hz(note)),
                       [](double t) { return 0.18 * std::min(1.0, t / 0.3) * std::min(1.0, (1.4 - t) / 0.4) * (0.6 + 0.4 * std::sin(t * 2 * M_PI * 6)); });
            }
            s.tone(0, 1.4, Wave::Sine, fixed(hz(81)), [](double t) { return 0.08 * std::sin(M_PI * t / 1.4); });
            return s;
        }
        case 37: {  // ピキン: a glint
            Sound s(0.6);
            chime(s, 0, 2637, 0.45, 0.05);
            chime(s, 0.04, 3951, 0.3, 0.07);
            return s;
        }
        case 38: {  // 炎: roaring, crackling fire
            Sound s(1.3);
            s.noise(0, 1.3, fixed(900), fixed(80), [](double t) { return 0.6 * std::min(1.0, t / 0.1) * std::min(1.0, (1.3 - t) / 0.4); }, 38);
            ArtRandom rnd(380);
            for (int i = 0; i < 26; ++i) s.noise(rnd.range(0, 1.2), 0.015, fixed(7000), fixed(1500), decay(0.5, 0.003), 381 + i);
            return s;
        }
        case 39: {  // 突撃: a charge that ends in a crash
            Sound s(0.8);
            whoosh(s, 0, 0.45, 400, 3000, 0.6, 39);
            thump(s, 0.42, 160, 50, 0.9, 0.05, 391);
            return s;
        }
        case 40: return hit(0);
        case 41: return hit(1);
        case 42: return hit(2);
        case 43: return hit(3);
    }
    return Sound(0.1);
}

}  // namespace

std::string effectFileName(int number) { return std::string(kEffectTable[static_cast<size_t>(number)]).substr(3); }

Sound synthesiseEffect(int number) {
    Sound s = effect(number);
    s.normalise(0.85);
    s.fadeEnds();
    return s;
}

void writeSoundEffects(ContentFolder& out) {
    std::set<std::string> written;
    for (int n = 0; n < kEffectCount; ++n) {
        const std::string file = effectFileName(n);
        if (!written.insert(file).second) continue;  // 31 plays the file of 5
        out.write("wav\\" + file, synthesiseEffect(n).wavBytes());
    }
}

}  // namespace vex::assets
