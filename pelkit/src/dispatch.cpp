// Picks the kernels once, on first use.
#include "internal.h"

#include <cstdlib>
#include <cstring>

namespace pelkit {
namespace {

const Kernels &choose() {
    // PELKIT_ISA=baseline keeps the portable kernels on any processor, so the
    // tests can run both sets on one machine.
    const char *requested = std::getenv("PELKIT_ISA");
    const bool baselineOnly = requested != nullptr && std::strcmp(requested, "baseline") == 0;
#if defined(__x86_64__)
    __builtin_cpu_init();
    if (!baselineOnly && __builtin_cpu_supports("avx2"))
        return avx2::kernels;
#else
    (void)baselineOnly;
#endif
    return baseline::kernels;
}

} // namespace

const Kernels &kernels() {
    static const Kernels &chosen = choose();
    return chosen;
}

} // namespace pelkit
