#include "scene/fabric_kernels.h"

#include <immintrin.h>

namespace {
typedef __m256 V;
const uint32_t laneCount = 8;

inline V load(const float* p) {
    return _mm256_loadu_ps(p);
}
inline void store(float* p, V v) {
    _mm256_storeu_ps(p, v);
}
inline V set1(float f) {
    return _mm256_set1_ps(f);
}
inline V add(V a, V b) {
    return _mm256_add_ps(a, b);
}
inline V sub(V a, V b) {
    return _mm256_sub_ps(a, b);
}
inline V mul(V a, V b) {
    return _mm256_mul_ps(a, b);
}
inline V divide(V a, V b) {
    return _mm256_div_ps(a, b);
}
inline V squareRoot(V a) {
    return _mm256_sqrt_ps(a);
}
inline __m256i intConstant(int32_t i) {
    return _mm256_set1_epi32(i);
}
inline __m256i shiftRightArithmetic1(V a) {
    return _mm256_srai_epi32(_mm256_castps_si256(a), 1);
}
inline __m256i subInt(__m256i a, __m256i b) {
    return _mm256_sub_epi32(a, b);
}
inline V castToFloat(__m256i a) {
    return _mm256_castsi256_ps(a);
}

#include "scene/fabric_kernels.inc"
} // namespace

void springLanes8(const FabricLanes& lanes, const FabricRunView& run, const FabricStepTerms& terms) {
    springRunLanes(lanes, run, terms);
}

void normalLanes8(const FabricLanes& lanes, const FabricRunView& run) {
    normalRunLanes(lanes, run);
}
