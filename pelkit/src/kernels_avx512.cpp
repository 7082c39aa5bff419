// The kernels for x86-64 processors with AVX-512 F, BW, VL and VBMI; this
// file alone is compiled with those instruction sets enabled, and kernels()
// only picks it when the processor and the operating system support them.
//
// Built with PELKIT_EMULATED_AVX512 (the tests do, for machines without
// AVX-512), the same loops run on a portable emulation of the instructions.
#include "internal.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#if defined(PELKIT_EMULATED_AVX512)
#define SIMDE_ENABLE_NATIVE_ALIASES
#include <simde/x86/avx512.h>
#else
#include <immintrin.h>
#if !defined(__AVX512F__) || !defined(__AVX512BW__) || !defined(__AVX512VL__) || !defined(__AVX512VBMI__)
#error "kernels_avx512.cpp must be compiled with -mavx512f -mavx512bw -mavx512vl -mavx512vbmi"
#endif
#endif
#if !defined(__AVX2__)
#error "kernels_avx512.cpp must be compiled with -mavx2 as well"
#endif

namespace pelkit::avx512 {

#if defined(PELKIT_EMULATED_AVX512)
// Three instructions the emulation lacks, spelt out byte by byte.
namespace {
inline __m512i emulatedWiden(__m256i bytes) {
    uint8_t in[32];
    uint16_t out[32];
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(in), bytes);
    for (int i = 0; i < 32; ++i)
        out[i] = in[i];
    return _mm512_loadu_si512(out);
}
inline __m512i emulatedMaskedLoad(__mmask64 mask, const void *p) {
    uint8_t bytes[64];
    for (int i = 0; i < 64; ++i)
        bytes[i] = (mask >> i) & 1 ? static_cast<const uint8_t *>(p)[i] : 0;
    return _mm512_loadu_si512(bytes);
}
inline void emulatedMaskedStore(void *p, __mmask64 mask, __m512i v) {
    uint8_t bytes[64];
    _mm512_storeu_si512(bytes, v);
    for (int i = 0; i < 64; ++i)
        if ((mask >> i) & 1)
            static_cast<uint8_t *>(p)[i] = bytes[i];
}
} // namespace
#undef _mm512_cvtepu8_epi16
#undef _mm512_maskz_loadu_epi8
#undef _mm512_mask_storeu_epi8
#define _mm512_cvtepu8_epi16(a) emulatedWiden(a)
#define _mm512_maskz_loadu_epi8(k, p) emulatedMaskedLoad(k, p)
#define _mm512_mask_storeu_epi8(p, k, v) emulatedMaskedStore(p, k, v)
#endif

#define PELKIT_KERNELS_NAME "avx512"
#define PELKIT_AVX512 1
#include "kernels.inc"
} // namespace pelkit::avx512
