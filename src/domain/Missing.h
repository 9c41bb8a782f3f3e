#pragma once
// The missing-value sentinel and the arithmetic that carries a missing operand through.
#include <cstdint>

constexpr std::int32_t missingValue = -999999;
constexpr float missingValueF = -999999.0f;

constexpr bool hasValue(std::int32_t n) {
    return n != missingValue;
}
constexpr bool isMissing(std::int32_t n) {
    return n == missingValue;
}

// False when x is the sentinel within a relative tolerance (values within about 100 of it).
bool hasValueF(float x);
// |x| above 0.0001: the zero rule of profits and totals.
bool isNonZeroF(float x);
inline bool isZeroF(float x) {
    return !isNonZeroF(x);
}

std::int32_t subInt(std::int32_t a, std::int32_t b);
float addSingle(float a, float b);
float subSingle(float a, float b);
float subSingleInt(float x, std::int32_t n);
