#include "vexmora/net/battle_driver.h"

#include <chrono>
#include <ctime>
#include <random>

#include "vexmora/net/network_settings.h"
#include "vexmora/rules/network_policy.h"

namespace vex::net {

namespace {

ExchangeOptions withDefaults(ExchangeOptions options) {
    if (!options.seedNow) options.seedNow = seedFromClock;
    if (!options.newSecret) options.newSecret = newBattleSecret;
    return options;
}

}  // namespace

int32_t seedFromClock() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    const int64_t sinceMidnightMs = (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) * int64_t{1000} + ms;
    return static_cast<int32_t>((sinceMidnightMs + 5) / 10);
}

uint64_t newBattleSecret() {
    std::random_device device;
    return (static_cast<uint64_t>(device()) << 32) ^ device();
}

BattleDriver::BattleDriver(Transport& transport, ExchangeOptions options, std::function<void(const Event&)> onEvent)
    : exchange_(transport, withDefaults(std::move(options)), std::move(onEvent)) {}

Result<MonsterRecord> BattleDriver::confirm(const LoadedMonster& own, const BattleSettings& ownSettings) {
    auto refused = [](std::string text) { return Error{"注意", std::move(text)}; };
    if (!exchange_.canConfirm()) return refused("対戦相手と接続していません");
    if (own.integrity == Integrity::SystemTampered) return Error{kTamperedTitle, kTamperedMessage, true};
    if (const std::optional<DialogRequest> refusal = refuseFighter(kNetworkLoading, 0, own.record))
        return refused(refusal->text);
    if (isRare(own.record)) {
        // The host's stage rules: the host's own; a client's once the host's block has come
        // (until then the client checks when it comes).
        const std::optional<int> stage = exchange_.role() == Role::Host
                                             ? std::optional<int>(networkSettings(ownSettings).stageIndex)
                                             : exchange_.knownStage();
        if (stage == kTournamentStage) return refused(std::string(kTournamentRareRefused));
        if (!exchange_.opponentAllowsRare()) return refused(std::string(kRareNotAllowed));
    }
    Result<OutgoingMonster> outgoing = prepareOutgoingMonster(own);
    if (!outgoing) return outgoing.error();
    MonsterRecord record = outgoing->record;
    exchange_.confirm(*outgoing, ownSettings);
    return record;
}

void BattleDriver::chooseCommand(const Command& command) { exchange_.ownCommand(wireNumber(command)); }

TurnCommands BattleDriver::turnCommands(const Battle& battle) const {
    const auto [own, opponent] = exchange_.turnNumbers();
    return {commandFromWire(own, battle.fighter(0).record), commandFromWire(opponent, battle.fighter(1).record)};
}

void BattleDriver::turnPlayed(const Battle& battle) {
    exchange_.turnResolved(battle.state().turnCount, battle.stateHash(), battle.state().ended);
}

}  // namespace vex::net
