#include "domain/Missing.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float resolution = 0.0001f;
}

bool hasValueF(float x) {
    float epsilon = static_cast<float>(std::min(std::fabs(static_cast<double>(x)), 999999.0) * resolution);
    if (!(epsilon > resolution)) {
        epsilon = resolution;
    }
    double diff = std::fabs(static_cast<double>(x) - static_cast<double>(missingValueF));
    return !(diff <= epsilon);
}

bool isNonZeroF(float x) {
    return std::fabs(x) > resolution;
}

std::int32_t subInt(std::int32_t a, std::int32_t b) {
    return hasValue(a) && hasValue(b) ? static_cast<std::int32_t>(static_cast<std::int64_t>(a) - b) : missingValue;
}

float addSingle(float a, float b) {
    return hasValueF(a) && hasValueF(b) ? static_cast<float>(static_cast<double>(a) + b) : missingValueF;
}

float subSingle(float a, float b) {
    return hasValueF(a) && hasValueF(b) ? static_cast<float>(static_cast<double>(a) - b) : missingValueF;
}

float subSingleInt(float x, std::int32_t n) {
    return hasValueF(x) && hasValue(n) ? static_cast<float>(static_cast<double>(x) - n) : missingValueF;
}
