// Network battles between two vexmora-cli processes on loopback.
//
// BM_NetBattle50Turns: the wall time of a whole 50-turn battle, process starts and ends
// included (its ms_per_turn_beyond_opening_waits spreads those over the turns: it is not what
// a turn costs). vexmora-cli plays presentation waits as 0 ms but keeps the pacing waits that keep
// an older peer from receiving two messages joined: 300 ms before and after "%77", and on the
// joining side 150 ms before its monster file, 750 ms on the critical path of the opening.
//
// BM_NetTurnCost: what one turn costs beyond the protocol's own waits (the turns themselves
// wait for nothing but the opponent's command): battles of 30 and of 80 turns, both played to
// the turn limit, and the difference of their median wall times over the 50 turns between
// them. The opening, the process starts and the ends cancel out.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr double kOpeningWaitsMs = 750;

pid_t spawn(const std::vector<std::string>& args, const fs::path& out) {
    const std::string exe = std::string(VEXMORA_GAME_DIR) + "/vexmora-cli";
    const pid_t pid = fork();
    if (pid == 0) {
        const int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(fd, 1);
        dup2(null, 2);
        std::vector<char*> argv{const_cast<char*>(exe.c_str())};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(exe.c_str(), argv.data());
        _exit(127);
    }
    return pid;
}

std::string slurp(const fs::path& p) {
    std::ifstream in(p);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Played {
    double ms = 0;
    int turns = 0;
};

// One battle of at most `turns` turns; its wall time and the turns it took.
Played playBattle(const fs::path& folder, int turns) {
    const std::string monsters = std::string(VEXMORA_FIXTURES_DIR) + "/monsters/";
    fs::remove(folder / "host.out");
    const auto start = std::chrono::steady_clock::now();
    const pid_t host = spawn({"--home", folder.string(), "net", "host", monsters + "ドラゴン.tvx", "--port", "0", "--hp",
                              "2000", "--turns", std::to_string(turns)},
                             folder / "host.out");
    int port = 0;
    for (int i = 0; i < 4000 && port == 0; ++i) {
        const std::string text = slurp(folder / "host.out");
        const size_t at = text.find("\"port\":");
        if (at != std::string::npos && text.find('}', at) != std::string::npos) port = std::stoi(text.substr(at + 7));
        else std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const pid_t join = spawn({"--home", folder.string(), "net", "join", "127.0.0.1", monsters + "plain.tvx", "--port",
                              std::to_string(port)},
                             folder / "join.out");
    int status = 0;
    waitpid(join, &status, 0);
    if (port == 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) kill(host, SIGKILL);
    waitpid(host, nullptr, 0);
    Played played;
    played.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const std::string result = slurp(folder / "host.out");
    const size_t at = result.find("\"turns\":");
    played.turns = at == std::string::npos ? 0 : std::stoi(result.substr(at + 8));
    return played;
}

fs::path benchFolder() {
    const fs::path folder = fs::temp_directory_path() / ("vexmora-bench-net-" + std::to_string(getpid()));
    fs::create_directories(folder);
    return folder;
}

void BM_NetBattle50Turns(benchmark::State& state) {
    const fs::path folder = benchFolder();
    Played last;
    for (auto _ : state) {
        last = playBattle(folder, 50);
        state.SetIterationTime(last.ms / 1000.0);
    }
    state.counters["turns"] = last.turns;
    state.counters["ms_per_turn_beyond_opening_waits"] = last.turns > 0 ? (last.ms - kOpeningWaitsMs) / last.turns : 0;
    fs::remove_all(folder);
}
BENCHMARK(BM_NetBattle50Turns)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_NetTurnCost(benchmark::State& state) {
    const fs::path folder = benchFolder();
    // Seven battles of each length; the medians keep a busy machine's hiccups out.
    std::vector<double> shortMs, longMs;
    int shortTurns = 0, longTurns = 0;
    for (auto _ : state) {
        const Played shortBattle = playBattle(folder, 30);
        const Played longBattle = playBattle(folder, 80);
        shortTurns = shortBattle.turns;
        longTurns = longBattle.turns;
        shortMs.push_back(shortBattle.ms);
        longMs.push_back(longBattle.ms);
        state.SetIterationTime((longBattle.ms - shortBattle.ms) / 1000.0);
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[v.size() / 2];
    };
    state.counters["turns_short"] = shortTurns;
    state.counters["turns_long"] = longTurns;
    state.counters["ms_per_turn"] =
        longTurns > shortTurns ? (median(longMs) - median(shortMs)) / (longTurns - shortTurns) : 0;
    fs::remove_all(folder);
}
BENCHMARK(BM_NetTurnCost)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);

}  // namespace

BENCHMARK_MAIN();
