#pragma once
#include <cstdint>
#include <functional>

// Milliseconds of a monotonic clock, as an unsigned 32-bit count that wraps like a system tick counter.
std::uint32_t getTickCount();

// Replaces the clock (tests); an empty function restores the real one.
void setTickSource(std::function<std::uint32_t()> source);
