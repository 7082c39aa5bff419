#include "vexmora/ui/battle_model/result_steps.h"

namespace vex::ui {

namespace {

Rgb rgbOf(uint32_t rgb) {
    return {static_cast<uint8_t>((rgb >> 16) & 0xFF), static_cast<uint8_t>((rgb >> 8) & 0xFF),
            static_cast<uint8_t>(rgb & 0xFF)};
}

}  // namespace

std::vector<Step> resultSteps(const EndOfBattle& end, const ModePolicy& policy, int loserBlendLevel) {
    const int winner = end.winner;
    const int loser = 1 - winner;
    const ResultPresentation shown = presentResult(end, policy);
    std::vector<Step> t;
    t.push_back(pauseStep(500, Wait::Scaled));
    // The winner speaks first; the loser's line follows and stays.
    if (shown.winnerLine)
        t.push_back({step::Speech{winner, *shown.winnerLine, step::Bubble::Shouted, 0,
                                  shown.loserLine ? kWinnerLineMs : 0}});
    if (shown.loserLine)
        t.push_back({step::Speech{loser, *shown.loserLine, step::Bubble::Thought,
                                  shown.winnerLine ? kWinnerLineMs : 0, 0}});
    for (int level : loserFadeLevels(loserBlendLevel)) t.push_back({step::Blend{loser, level}, 150});
    t.push_back({step::ResultMusic{resultMusic(shown)}});
    for (int k = 1; k <= 6; ++k)
        t.push_back({step::ResultText{shown.label, shown.name, rgbOf(shown.win ? kWinColour : kLoseColour), k}, k < 6 ? 50 : 0});
    t.push_back(pauseStep(3500, Wait::Plain));
    t.push_back({step::ResultShown{winner}});
    return t;
}

std::vector<Step> recordsSteps() {
    return {pauseStep(300, Wait::Plain), pauseStep(300, Wait::Plain), pauseStep(300, Wait::Scaled),
            pauseStep(1000, Wait::Plain), Step{step::RecordsDone{}}};
}

std::string resultMusic(const ResultPresentation& shown) {
    if (shown.win) return "midi\\勝利.mid";
    return shown.crushing ? "midi\\敗北2.mid" : "midi\\敗北.mid";
}

std::array<int, 6> loserFadeLevels(int start) {
    std::array<int, 6> levels{};
    for (int step = 0; step < 6; ++step) levels[static_cast<size_t>(step)] = start + (250 - start) * (2 * step) / 10;
    return levels;
}

SlideFrame nameSlideFrame(int k, int width) {
    return {195 - width / 2 - (120 - 20 * k), 192 - width / 2 + (120 - 20 * k)};
}

}  // namespace vex::ui
