// One ordinary battle frame (redraw mode 0) at 384 x 248 with both monsters, their effects,
// status icons and markers, gauges, captions, an announcement and the command list: what the
// battle screen composes up to sixty times a second during an animation.
// BM_ShownFrame/1 and /3: the same frame as the battle screen shows it at ×1 and ×3 on a screen
// of device pixel ratio 1 (768 x 496 and 2304 x 1488 pixels): composed, enlarged by whole
// pixels, its texts written at that size, and painted 1:1 into a window-sized picture as the
// canvas paints it. The frame budget is 16.7 ms (the canvas redraws every 16 ms).
//
//   bench_battle_frame [--benchmark_repetitions=15]
//
// The program folder is the build's default content when it is there (or
// $VEXMORA_BENCH_CONTENT), else a stand-in of the same sizes.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "bench_content.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/ui/battle_model/animation_timeline.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include "vexmora/ui/battle_view/frame_composer.h"
#include "vexmora/ui/shared/shell.h"

namespace {

using namespace vex;
using namespace vex::ui;
using namespace vex::gui;

struct Scene {
    std::unique_ptr<FrameComposer> composer;
    DisplayModel model;
};

Scene& scene() {
    static Scene s = [] {
        Scene made;
        static const fs::path scratch = fs::temp_directory_path() / "vexmora-bench-frame";
        const bench::BenchContent content = bench::benchContent(scratch);
        std::fprintf(stderr, "content: %s%s\n", content.folder.c_str(), content.generated ? " (stand-in)" : "");
        auto library = PelkitLibrary::open({fs::path(VEXMORA_GAME_DIR)});
        if (!library) {
            std::fprintf(stderr, "%s\n", library.error().message.c_str());
            std::exit(1);
        }
        made.composer = std::make_unique<FrameComposer>(*library, content.folder);
        made.composer->loadContent();
        made.composer->loadStage(0);
        DisplayModel& m = made.model;
        m.stage = 0;
        for (int side = 0; side < 2; ++side) {
            LoadedMonster monster = *loadMonster(content.monsters[static_cast<size_t>(side)]);
            made.composer->setMonster(side, gui::pictureSourceOf(monster));
            SideView& v = m.side[static_cast<size_t>(side)];
            v.facts = factsOfRecord(monster.record, 1000, 10);
            v.gauge = {873 - 100 * side, 42, side == 0 ? 30 : -20};
            v.maxHp = 1000;
            v.facts.statusTurns[kStatusPoison] = 2;
            v.facts.statusTurns[kStatusParalysis] = 1;
            v.facts.statusTurns[kStatusAttackSeal + side] = 3;
            v.facts.abilityMark = side == 0 ? 1 : -1;
            for (auto& row : v.facts.rows) row.usable = true;
            v.effect = {side == 0 ? kCellFlames : kCellImpact, side == 0 ? 60 : -40, 0, 0, 1 << 30};
            v.captions.push_back({"クリティカル", {255, 220, 0}, TextKind::Caption, 0, 1 << 30, 0});
            v.captions.push_back({"128", {255, 0, 255}, TextKind::HpNumber, 0, 1 << 30, 1});
        }
        m.side[0].announcement = {"ファイアブレス", 0, 1 << 30};
        m.commands.shown = true;
        m.commands.x.fill(kListLeft);
        // To look at what is measured: VEXMORA_BENCH_FRAME_PNG=file.png
        if (const char* png = std::getenv("VEXMORA_BENCH_FRAME_PNG"))
            made.composer->compose(m, 100).save(QString::fromLocal8Bit(png));
        return made;
    }();
    return s;
}

void BM_OrdinaryFrame(benchmark::State& state) {
    Scene& s = scene();
    int64_t now = 100;
    for (auto _ : state) {
        const QImage& frame = s.composer->compose(s.model, now, FrameMode::Ordinary);
        benchmark::DoNotOptimize(frame.constBits());
        now += 1;
    }
}
BENCHMARK(BM_OrdinaryFrame)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

void BM_ShownFrame(benchmark::State& state) {
    Scene& s = scene();
    const int pixels = kScreenScale * static_cast<int>(state.range(0));
    s.composer->setPixelScale(pixels);
    QImage window(kFrameWidth * pixels, kFrameHeight * pixels, QImage::Format_RGB32);
    int64_t now = 100;
    for (auto _ : state) {
        const QImage& frame = s.composer->compose(s.model, now, FrameMode::Ordinary);
        QPainter painter(&window);
        painter.drawImage(window.rect(), frame);
        painter.end();
        benchmark::DoNotOptimize(window.constBits());
        now += 1;
    }
    s.composer->setPixelScale(1);
}
BENCHMARK(BM_ShownFrame)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ResultFrame(benchmark::State& state) {
    Scene& s = scene();
    DisplayModel m = s.model;
    m.result = {true, "ＷＩＮ！！", "ヒノコドラ", 0x2850FA, 6};
    for (auto _ : state) benchmark::DoNotOptimize(s.composer->compose(m, 100, FrameMode::Result).constBits());
}
BENCHMARK(BM_ResultFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installGameFont();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
