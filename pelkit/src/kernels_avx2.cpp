// The kernels for x86-64 processors with AVX2; this file alone is compiled
// with -mavx2, and kernels() only picks it when the processor has AVX2.
#include "internal.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <immintrin.h>

#if !defined(__AVX2__)
#error "kernels_avx2.cpp must be compiled with -mavx2"
#endif

namespace pelkit::avx2 {
#define PELKIT_KERNELS_NAME "avx2"
#include "kernels.inc"
} // namespace pelkit::avx2
