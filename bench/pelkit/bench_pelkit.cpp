// Every pelkit operation on the battle frame (384 x 248) and on 1024 x 768,
// single thread, next to a memcpy of the same buffer measured in the same
// run and, when they are installed, OpenCV and pixman doing the same work.
// After the usual output a table gives each operation's time, its ratio to
// memcpy, its target ratio and the best peer.
#include "pelkit.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#if defined(PELKIT_BENCH_OPENCV)
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif
#if defined(PELKIT_BENCH_PIXMAN)
#include <pixman.h>
#endif

namespace {

// Appends instead of operator+ chains, which trip a false -Wrestrict in GCC 12.
std::string joined(std::string a, const std::string &b, const std::string &c = {}) {
    a.append(b).append(c);
    return a;
}

struct Size {
    int32_t width, height;
    std::string label() const { return joined(std::to_string(width), "x", std::to_string(height)); }
};

const Size sizes[] = {{384, 248}, {1024, 768}};

// A loaded buffer holding noise, kept for the whole run.
class Frame {
public:
    Frame(Size size, uint32_t seed) {
        std::vector<uint8_t> picture(size_t(size.width) * size.height * 3);
        std::mt19937 random(seed);
        for (auto &b : picture) b = uint8_t(random());
        PelkitSurface surface{picture.data(), size.width, size.height, 3 * size.width, PELKIT_FORMAT_BGR24};
        record_.width = size.width;
        record_.height = size.height;
        if (mLoad(&record_, &surface) != 1) std::abort();
    }
    Frame(const Frame &) = delete;
    Frame &operator=(const Frame &) = delete;
    ~Frame() { mEnd(&record_); }
    PelkitBuffer *get() { return &record_; }
    size_t bytes() const { return size_t(record_.stride) * record_.height; }

private:
    PelkitBuffer record_{};
};

struct Frames {
    Frame destination, source, mask;
    std::vector<uint8_t> copy; // memcpy's target
    explicit Frames(Size size)
        : destination(size, 1), source(size, 2), mask(size, 3), copy(destination.bytes()) {}
};

std::map<std::string, std::unique_ptr<Frames>> framesBySize;

Frames &framesFor(const Size &size) {
    auto &slot = framesBySize[size.label()];
    if (!slot) slot = std::make_unique<Frames>(size);
    return *slot;
}

// What each pelkit operation is measured against; peers list the names of
// the peer cases doing the same work.
struct Operation {
    const char *name;
    double target;      // ratio to memcpy at 384 x 248; 0 = none
    double targetLarge; // the same at 1024 x 768
    std::vector<std::string> peers;
};

const std::vector<Operation> operations = {
    {"mReverse", 1.5, 2, {"opencv bitwise_not"}},
    {"mAddBlend", 1.5, 2, {"opencv add", "pixman ADD"}},
    {"mSubBlend", 1.5, 2, {"opencv subtract"}},
    {"mFade", 1.5, 2, {"opencv add scalar"}},
    {"mRGBOperate", 1.5, 2, {"opencv add scalar3"}},
    {"mBlendEx", 2.5, 2, {"pixman OVER component mask"}},
    {"mBlend", 3, 2, {"opencv addWeighted", "pixman OVER solid mask"}},
    {"mGray", 3, 2, {"opencv cvtColor gray"}},
    {"mGrayFast", 3, 2, {"opencv cvtColor gray"}},
    {"mLUTOperate", 4, 2, {"opencv LUT"}},
    {"mMosaic", 3, 2, {"opencv resize mosaic"}},
    {"mSmoothing", 6, 2, {}},
    {"mReset", 0, 2, {}},
    {"mDraw BGR24", 0, 2, {}},
    {"mDraw BGRX32", 0, 2, {}},
    {"mLoad+mEnd BGRX32", 0, 2, {}},
};

using Body = void (*)(benchmark::State &, Frames &, const Size &);

void registerCase(const std::string &name, const Size &size, Body body) {
    benchmark::RegisterBenchmark(joined(name, "/", size.label()).c_str(),
                                 [size, body](benchmark::State &state) {
                                     Frames &frames = framesFor(size);
                                     body(state, frames, size);
                                     state.SetBytesProcessed(int64_t(state.iterations()) *
                                                             int64_t(frames.destination.bytes()));
                                 })
        ->Unit(benchmark::kMicrosecond);
}

template <class F>
void loop(benchmark::State &state, PelkitBuffer *buffer, F call) {
    for (auto _ : state) {
        if (call() != 1) {
            state.SkipWithError("refused");
            break;
        }
        benchmark::DoNotOptimize(buffer->bits);
        benchmark::ClobberMemory();
    }
}

const uint8_t *lookupTable() {
    static uint8_t table[256];
    std::mt19937 random(9);
    for (auto &b : table) b = uint8_t(random());
    return table;
}

void registerPelkit(const Size &size) {
    registerCase("memcpy", size, [](benchmark::State &state, Frames &f, const Size &) {
        for (auto _ : state) {
            std::memcpy(f.copy.data(), f.destination.get()->bits, f.copy.size());
            benchmark::DoNotOptimize(f.copy.data());
            benchmark::ClobberMemory();
        }
    });
    registerCase("mReverse", size, [](benchmark::State &s, Frames &f, const Size &) {
        loop(s, f.destination.get(), [&] { return mReverse(f.destination.get(), 0, 0, 0, 0, 1, 1, 1); });
    });
    registerCase("mAddBlend", size, [](benchmark::State &s, Frames &f, const Size &) {
        loop(s, f.destination.get(), [&] { return mAddBlend(f.destination.get(), 0, 0, 0, 0, f.source.get(), 0, 0); });
    });
    registerCase("mSubBlend", size, [](benchmark::State &s, Frames &f, const Size &) {
        loop(s, f.destination.get(), [&] { return mSubBlend(f.destination.get(), 0, 0, 0, 0, f.source.get(), 0, 0); });
    });
    registerCase("mFade", size, [](benchmark::State &s, Frames &f, const Size &) {
        int32_t level = 40;
        loop(s, f.destination.get(), [&] { return mFade(f.destination.get(), 0, 0, 0, 0, level = -level); });
    });
    registerCase("mRGBOperate", size, [](benchmark::State &s, Frames &f, const Size &) {
        int32_t sign = 1;
        loop(s, f.destination.get(), [&] {
            sign = -sign;
            return mRGBOperate(f.destination.get(), 0, 0, 0, 0, 20 * sign, -30 * sign, 40 * sign);
        });
    });
    registerCase("mBlendEx", size, [](benchmark::State &s, Frames &f, const Size &) {
        loop(s, f.destination.get(),
             [&] { return mBlendEx(f.destination.get(), 0, 0, 0, 0, f.source.get(), 0, 0, f.mask.get(), 0, 0); });
    });
    registerCase("mBlend", size, [](benchmark::State &s, Frames &f, const Size &) {
        loop(s, f.destination.get(), [&] { return mBlend(f.destination.get(), 0, 0, 0, 0, f.source.get(), 0, 0, 128); });
    });
    registerCase("mGray", size, [](benchmark::State &s, Frames &f, const Size &) {
        loop(s, f.destination.get(), [&] { return mGray(f.destination.get(), 0, 0, 0, 0); });
    });
    registerCase("mGrayFast", size, [](benchmark::State &s, Frames &f, const Size &) {
        loop(s, f.destination.get(), [&] { return mGrayFast(f.destination.get(), 0, 0, 0, 0); });
    });
    registerCase("mLUTOperate", size, [](benchmark::State &s, Frames &f, const Size &) {
        const uint8_t *table = lookupTable();
        loop(s, f.destination.get(), [&] { return mLUTOperate(f.destination.get(), 0, 0, 0, 0, table); });
    });
    registerCase("mMosaic", size, [](benchmark::State &s, Frames &f, const Size &) {
        loop(s, f.destination.get(), [&] { return mMosaic(f.destination.get(), 0, 0, 0, 0, 8); });
    });
    registerCase("mSmoothing", size, [](benchmark::State &s, Frames &f, const Size &z) {
        loop(s, f.destination.get(), [&] { return mSmoothing(f.destination.get(), 0, 0, 0, z.height); });
    });
    registerCase("mReset", size, [](benchmark::State &s, Frames &f, const Size &) {
        loop(s, f.destination.get(), [&] { return mReset(f.destination.get()); });
    });
    registerCase("mDraw BGR24", size, [](benchmark::State &s, Frames &f, const Size &z) {
        loop(s, f.destination.get(),
             [&] { return mDraw(f.source.get()->context, 0, 0, z.width, z.height, f.destination.get(), 0, 0); });
    });
    registerCase("mDraw BGRX32", size, [](benchmark::State &s, Frames &f, const Size &z) {
        std::vector<uint8_t> memory(size_t(z.width) * z.height * 4);
        PelkitSurface target{memory.data(), z.width, z.height, 4 * z.width, PELKIT_FORMAT_BGRX32};
        loop(s, f.destination.get(), [&] { return mDraw(&target, 0, 0, z.width, z.height, f.destination.get(), 0, 0); });
    });
    registerCase("mLoad+mEnd BGRX32", size, [](benchmark::State &s, Frames &f, const Size &z) {
        std::vector<uint8_t> memory(size_t(z.width) * z.height * 4, 0x40);
        PelkitSurface source{memory.data(), z.width, z.height, 4 * z.width, PELKIT_FORMAT_BGRX32};
        loop(s, f.destination.get(), [&] {
            PelkitBuffer b{};
            b.width = z.width;
            b.height = z.height;
            const int32_t loaded = mLoad(&b, &source);
            benchmark::DoNotOptimize(b.bits);
            return loaded & mEnd(&b);
        });
    });
}

#if defined(PELKIT_BENCH_OPENCV)
cv::Mat matOf(Frame &frame) {
    PelkitBuffer *b = frame.get();
    return cv::Mat(b->height, b->width, CV_8UC3, b->bits, size_t(b->stride));
}

template <class F>
void cvLoop(benchmark::State &state, F call) {
    for (auto _ : state) {
        call();
        benchmark::ClobberMemory();
    }
}

void registerOpenCv(const Size &size) {
    registerCase("opencv bitwise_not", size, [](benchmark::State &s, Frames &f, const Size &) {
        cv::Mat d = matOf(f.destination);
        cvLoop(s, [&] { cv::bitwise_not(d, d); });
    });
    registerCase("opencv add", size, [](benchmark::State &s, Frames &f, const Size &) {
        cv::Mat d = matOf(f.destination), src = matOf(f.source);
        cvLoop(s, [&] { cv::add(d, src, d); });
    });
    registerCase("opencv subtract", size, [](benchmark::State &s, Frames &f, const Size &) {
        cv::Mat d = matOf(f.destination), src = matOf(f.source);
        cvLoop(s, [&] { cv::subtract(d, src, d); });
    });
    registerCase("opencv add scalar", size, [](benchmark::State &s, Frames &f, const Size &) {
        cv::Mat d = matOf(f.destination);
        double level = 40;
        cvLoop(s, [&] {
            level = -level;
            cv::add(d, cv::Scalar(level, level, level), d);
        });
    });
    registerCase("opencv add scalar3", size, [](benchmark::State &s, Frames &f, const Size &) {
        cv::Mat d = matOf(f.destination);
        double sign = 1;
        cvLoop(s, [&] {
            sign = -sign;
            cv::add(d, cv::Scalar(40 * sign, -30 * sign, 20 * sign), d);
        });
    });
    registerCase("opencv addWeighted", size, [](benchmark::State &s, Frames &f, const Size &) {
        cv::Mat d = matOf(f.destination), src = matOf(f.source);
        cvLoop(s, [&] { cv::addWeighted(src, 128 / 256.0, d, 1 - 128 / 256.0, 0, d); });
    });
    registerCase("opencv cvtColor gray", size, [](benchmark::State &s, Frames &f, const Size &z) {
        // Grey into the same three-channel picture: to grey and back.
        cv::Mat d = matOf(f.destination), grey(z.height, z.width, CV_8UC1);
        cvLoop(s, [&] {
            cv::cvtColor(d, grey, cv::COLOR_BGR2GRAY);
            cv::cvtColor(grey, d, cv::COLOR_GRAY2BGR);
        });
    });
    registerCase("opencv LUT", size, [](benchmark::State &s, Frames &f, const Size &) {
        cv::Mat d = matOf(f.destination), table(1, 256, CV_8UC1, const_cast<uint8_t *>(lookupTable()));
        cvLoop(s, [&] { cv::LUT(d, table, d); });
    });
    registerCase("opencv resize mosaic", size, [](benchmark::State &s, Frames &f, const Size &z) {
        // Cells of 8: average down (INTER_AREA), then spread back up (nearest).
        cv::Mat d = matOf(f.destination), small(z.height / 8, z.width / 8, CV_8UC3);
        cvLoop(s, [&] {
            cv::resize(d, small, small.size(), 0, 0, cv::INTER_AREA);
            cv::resize(small, d, d.size(), 0, 0, cv::INTER_NEAREST);
        });
    });
}
#endif

#if defined(PELKIT_BENCH_PIXMAN)
pixman_image_t *imageOf(Frame &frame) {
    PelkitBuffer *b = frame.get();
    // pixman names channels from the most significant end of the pixel
    // value; on little-endian memory r8g8b8 is stored blue, green, red.
    return pixman_image_create_bits(PIXMAN_r8g8b8, b->width, b->height, reinterpret_cast<uint32_t *>(b->bits),
                                    b->stride);
}

void registerPixman(const Size &size) {
    registerCase("pixman ADD", size, [](benchmark::State &s, Frames &f, const Size &z) {
        pixman_image_t *d = imageOf(f.destination), *src = imageOf(f.source);
        for (auto _ : s) {
            pixman_image_composite32(PIXMAN_OP_ADD, src, nullptr, d, 0, 0, 0, 0, 0, 0, z.width, z.height);
            benchmark::ClobberMemory();
        }
        pixman_image_unref(d);
        pixman_image_unref(src);
    });
    registerCase("pixman OVER solid mask", size, [](benchmark::State &s, Frames &f, const Size &z) {
        pixman_image_t *d = imageOf(f.destination), *src = imageOf(f.source);
        const pixman_color_t half{0, 0, 0, 0x8080};
        pixman_image_t *mask = pixman_image_create_solid_fill(&half);
        for (auto _ : s) {
            pixman_image_composite32(PIXMAN_OP_OVER, src, mask, d, 0, 0, 0, 0, 0, 0, z.width, z.height);
            benchmark::ClobberMemory();
        }
        pixman_image_unref(mask);
        pixman_image_unref(d);
        pixman_image_unref(src);
    });
    registerCase("pixman OVER component mask", size, [](benchmark::State &s, Frames &f, const Size &z) {
        pixman_image_t *d = imageOf(f.destination), *src = imageOf(f.source), *mask = imageOf(f.mask);
        pixman_image_set_component_alpha(mask, 1);
        for (auto _ : s) {
            pixman_image_composite32(PIXMAN_OP_OVER, src, mask, d, 0, 0, 0, 0, 0, 0, z.width, z.height);
            benchmark::ClobberMemory();
        }
        pixman_image_unref(mask);
        pixman_image_unref(d);
        pixman_image_unref(src);
    });
}
#endif

// Keeps every run's time per iteration and prints the summary table last.
// The table takes CPU time, and the median of the repetitions when there are
// several (--benchmark_repetitions): on a shared machine one repetition can
// land on a busy moment, and the median is not moved by it.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            const double ns = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
            samples_[run.run_name.str()].push_back(ns);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const Size &size : sizes) {
            const std::string suffix = joined("/", size.label());
            const double base = median(joined("memcpy", suffix));
            if (base == 0) continue;
            const bool small = size.width == sizes[0].width;
            std::printf("\n%s: memcpy %.1f us\n", size.label().c_str(), base / 1e3);
            std::printf("%-20s %10s %9s %7s   %-28s %10s %9s\n", "operation", "time us", "x memcpy", "target",
                        "best peer", "peer us", "op/peer");
            for (const Operation &op : operations) {
                const double t = median(joined(op.name, suffix));
                if (t == 0) continue;
                std::string bestName = "-";
                double best = 0;
                for (const std::string &peer : op.peers) {
                    const double p = median(joined(peer, suffix));
                    if (p > 0 && (best == 0 || p < best)) {
                        best = p;
                        bestName = peer;
                    }
                }
                char target[16] = "-", peerTime[16] = "-", peerRatio[16] = "-";
                const double wanted = small ? op.target : op.targetLarge;
                if (wanted > 0)
                    std::snprintf(target, sizeof target, "%s%.1f", t / base <= wanted ? "" : "!", wanted);
                if (best > 0) {
                    std::snprintf(peerTime, sizeof peerTime, "%.1f", best / 1e3);
                    std::snprintf(peerRatio, sizeof peerRatio, "%.2f", t / best);
                }
                std::printf("%-20s %10.1f %9.2f %7s   %-28s %10s %9s\n", op.name, t / 1e3, t / base, target,
                            bestName.c_str(), peerTime, peerRatio);
            }
        }
        std::printf("\n(CPU time, median of the repetitions; target: the ratio to memcpy asked for,\n"
                    " '!' marks one missed; op/peer below 1 means pelkit is faster)\n");
    }

private:
    // The median of a case's repetitions in nanoseconds; 0 when it did not run.
    double median(const std::string &name) const {
        const auto found = samples_.find(name);
        if (found == samples_.end() || found->second.empty()) return 0;
        std::vector<double> sorted = found->second;
        std::sort(sorted.begin(), sorted.end());
        const size_t n = sorted.size();
        return n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }

    std::map<std::string, std::vector<double>> samples_;
};

} // namespace

int main(int argc, char **argv) {
#if defined(PELKIT_BENCH_OPENCV)
    cv::setNumThreads(1);
#endif
    for (const Size &size : sizes) {
        registerPelkit(size);
#if defined(PELKIT_BENCH_OPENCV)
        registerOpenCv(size);
#endif
#if defined(PELKIT_BENCH_PIXMAN)
        registerPixman(size);
#endif
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    framesBySize.clear();
    return 0;
}
