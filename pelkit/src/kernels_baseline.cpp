// The kernels for any processor of the target architecture (SSE2 on x86-64).
#include "internal.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace pelkit::baseline {
#define PELKIT_KERNELS_NAME "baseline"
#include "kernels.inc"
} // namespace pelkit::baseline
