#include "domain/Helpers.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <random>
#include <stdexcept>

namespace {
std::mt19937_64& generator() {
    static std::mt19937_64 engine(0x51a7e5u);
    return engine;
}
std::function<double()>& randomSource() {
    static std::function<double()> source;
    return source;
}
double nextUniform() {
    if (auto& source = randomSource()) {
        return source();
    }
    // 53 random bits make a double in [0, 1) without the rounding-up hazard of generate_canonical.
    return static_cast<double>(generator()() >> 11) * 0x1.0p-53;
}
} // namespace

std::int32_t randomRange(std::int32_t a, std::int32_t b) {
    double r = nextUniform();
    return static_cast<std::int32_t>(std::trunc(r * (static_cast<double>(b) - a + 1.0) + a));
}

void seedRandom(std::uint64_t seed) {
    generator().seed(seed);
}

void seedRandomFromClock() {
    seedRandom(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
               static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void setRandomSource(std::function<double()> source) {
    randomSource() = std::move(source);
}

void swapInt(std::int32_t& a, std::int32_t& b) {
    std::int32_t t = a;
    a = b;
    b = t;
}

std::string removeLastComma(const std::string& text) {
    if (!text.empty() && text.back() == ',') {
        return text.substr(0, text.size() - 1);
    }
    return text;
}

std::int32_t parseInt(const std::string& text) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (end - begin > 1 && *begin == '+' && begin[1] >= '0' && begin[1] <= '9') {
        ++begin;
    }
    std::int32_t value = 0;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (text.empty() || ec != std::errc() || ptr != end) {
        throw std::invalid_argument("'" + text + "' is not a valid integer value");
    }
    return value;
}

double parseDouble(const std::string& text) {
    double value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size() || !std::isfinite(value)) {
        throw std::invalid_argument("'" + text + "' is not a valid floating point value");
    }
    return value;
}
