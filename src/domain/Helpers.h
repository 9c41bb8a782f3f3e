#pragma once
// Small numeric and text helpers shared by every layer.
#include <cstdint>
#include <functional>
#include <string>

// r × (b − a + 1) + a truncated toward zero, r uniform in [0, 1) from the one process-wide generator.
std::int32_t randomRange(std::int32_t a, std::int32_t b);

// Seeds the process-wide generator (start-up seeds it once from the clock).
void seedRandom(std::uint64_t seed);
void seedRandomFromClock();
// Replaces the generator by a source of reals in [0, 1) (tests); an empty function restores it.
void setRandomSource(std::function<double()> source);

void swapInt(std::int32_t& a, std::int32_t& b);

// The text without its last character when that is ",".
std::string removeLastComma(const std::string& text);

// Plain decimal parsing of a whole text (an optional sign, digits, nothing else). Throws
// std::invalid_argument naming the text when it is no integer or does not fit 32 bits.
std::int32_t parseInt(const std::string& text);
// A decimal number with "." as the separator. Throws std::invalid_argument.
double parseDouble(const std::string& text);
