// Picks the kernels on first use, and switches them on request.
#include "internal.h"

#include <cstdlib>
#include <cstring>

namespace pelkit {
namespace {

struct KernelSet {
    const Kernels *kernels;
    bool (*runs)();
};

bool runsAnywhere() { return true; }

#if defined(__x86_64__)
bool runsAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

bool runsAvx512() {
#if defined(PELKIT_EMULATED_AVX512)
    return true;
#else
    // The processor check also asks the operating system whether it saves
    // the AVX-512 registers.
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512vbmi");
#endif
}
#endif

// The fastest first.
const KernelSet sets[] = {
#if defined(__x86_64__)
    {&avx512::kernels, runsAvx512},
    {&avx2::kernels, runsAvx2},
#endif
    {&baseline::kernels, runsAnywhere},
};

const Kernels *runnable(const char *name) {
    for (const KernelSet &set : sets)
        if (std::strcmp(set.kernels->name, name) == 0 && set.runs())
            return set.kernels;
    return nullptr;
}

const Kernels *automatic() {
    if (const char *requested = std::getenv("PELKIT_ISA"))
        if (const Kernels *chosen = runnable(requested))
            return chosen;
    for (const KernelSet &set : sets)
        if (set.runs())
            return set.kernels;
    return &baseline::kernels;
}

const Kernels *current = nullptr;

} // namespace

const Kernels &kernels() {
    if (current == nullptr)
        current = automatic();
    return *current;
}

} // namespace pelkit

extern "C" {

int32_t mUseKernels(const char *name) {
    const pelkit::Kernels *chosen = name == nullptr ? pelkit::automatic() : pelkit::runnable(name);
    if (chosen == nullptr)
        return 0;
    pelkit::current = chosen;
    return 1;
}

const char *mKernels(void) { return pelkit::kernels().name; }

} // extern "C"
