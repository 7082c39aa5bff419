// vexmora-cli calc ATTACKER.tvx DEFENDER.tvx: the damage calculator. What each of the
// attacker's five slots does to the defender in the first turn — hit chance, critical chance,
// the damage of a landed hit, the statuses it puts on — and the turns to a knock-out, worked
// out by the battle's own code; a table, or one JSON object with --json.

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "command_line.h"
#include "fighter_files.h"
#include "settings_options.h"
#include "vexmora/battle/calc_text.h"
#include "vexmora/battle/damage_calculator.h"
#include "vexmora/battle/hit_explanation.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/stage_list.h"

namespace vex::cli {

namespace {

struct Options {
    std::string attacker;
    std::string defender;
    CalcSetup setup;
    bool json = false;
    FighterChecks checks = FighterChecks::Game;
};

std::string fixed(double value, int decimals) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// A number of the table, marked * when it was sampled.
std::string cell(const std::string& text, CalcMethod method) { return text + (method == CalcMethod::Sampled ? "*" : ""); }

// The columns a text takes in a terminal: two for a wide character (kana, kanji), one for the
// rest, half-width katakana included.
size_t columnsOf(const std::string& text) {
    size_t columns = 0;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (size_t k = 1; k < length && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        columns += code >= 0x1100 && !(code >= 0xFF61 && code <= 0xFF9F) ? 2 : 1;
        i += length;
    }
    return columns;
}

std::string padded(const std::string& text, size_t width) {
    const size_t columns = columnsOf(text);
    return columns >= width ? text + " " : text + std::string(width - columns, ' ');
}

// The damage distribution in at most six ranges: "55-59 24.1%, 64-68 6.0%, ...".
std::string rangesOf(const CalcDamage& d) {
    std::string out;
    for (const DamageRange& range : damageRanges(d, 6)) {
        if (!out.empty()) out += ", ";
        out += damageRangeText(range) + " " + fixed(100 * range.chance, 1) + "%";
    }
    return out;
}

void printSlot(const SlotCalc& s) {
    std::string title = std::to_string(s.slot) + " " + (s.name.empty() ? std::string("-") : s.name);
    if (s.level > 0) title += " Lv" + std::to_string(s.level);
    if (!s.usable) {
        std::cout << padded(title, 24) << "(cannot be chosen in the first turn)\n";
        return;
    }
    std::cout << padded(title, 24);
    std::cout << padded(s.checksHit ? cell(calcPercentText(s.hit.value), s.hit.method) : "-", 9);
    const bool hits = calcSlotHits(s);
    std::cout << padded(hits ? cell(calcPercentText(s.critical.value), s.critical.method) : "-", 9);
    std::cout << padded(hits ? cell(calcSpanText(s.hitDamage), s.hitDamage.method) : "-", 17);
    std::cout << padded(cell(calcMeanText(s.meanDamage), s.useMethod), 10);
    if (!calcSlotKnocksOut(s))
        std::cout << (s.knockOutSampled ? "none*" : "-");
    else
        std::cout << knockOutText(s.knockOut) << "*";
    std::cout << "\n";
    if (hits) std::cout << "    damage  " << rangesOf(s.hitDamage) << "\n";
    for (const CalcStatus& st : s.statuses)
        std::cout << "    status  " << statusName(st.status) << " " << cell(calcPercentText(st.chance) + "%", s.useMethod)
                  << "\n";
}

void printTable(const CalcResult& r, const CalcSetup& setup) {
    std::cout << r.attacker << " -> " << r.defender << ": stage " << r.stage << ", HP " << r.defenderHp
              << ", the first turn, the defender doing nothing\n";
    std::cout << padded("slot", 24) << padded("hit %", 9) << padded("crit %", 9) << padded("min/median/max", 17)
              << padded("per use", 10) << "KO turns (range, of battles)\n";
    for (const SlotCalc& s : r.slotCalcs) printSlot(s);
    std::cout << "* sampled: " << setup.sampledUses << " uses where the draws were too many to walk; the knock-outs "
              << "from " << setup.sampledBattles << " battles in which the slot is used whenever its SP allows and "
              << "the computer plays the defender. The rest is exact.\n";
    std::cout << "  " << fixed(r.seconds, 3) << " s\n";
}

int runCalc(const CLI::App* command, Options& options) {
    BattleSettings& settings = options.setup.settings;
    const int stages = stageCountIn(programFolder());
    if (command->count("--stage") == 0) settings.stageIndex = 0;
    if (settings.stageIndex < 0 || settings.stageIndex >= stages)
        return usageError(command, "--stage takes one stage, 0 to " + std::to_string(stages - 1));
    options.setup.stageCount = stages;
    auto attacker = loadFighterArgument(options.attacker, 0, options.checks);
    auto defender = loadFighterArgument(options.defender, 1, options.checks);
    if (!attacker || !defender) return kExitUsage;
    const CalcResult result = calculateDamage(attacker->record, defender->record, options.setup);
    if (options.json)
        std::cout << calcJson(result) << "\n";
    else
        printTable(result, options.setup);
    return kExitOk;
}

}  // namespace

void addCalcCommand(CLI::App& app) {
    static Options options;
    CLI::App* command = addCommand(app, "calc",
                                   "the damage calculator: what each slot of ATTACKER does to DEFENDER (see docs/cli.md)");
    command->add_option("ATTACKER", options.attacker, "the attacker's monster file")->required();
    command->add_option("DEFENDER", options.defender, "the defender's monster file")->required();
    command->add_flag("--json", options.json, "print the result as one JSON object");
    addSettingsOptions(command, options.setup.settings);
    addUncheckedOption(command, options.checks);
    runs(command, [command] { return runCalc(command, options); });
}

}  // namespace vex::cli
