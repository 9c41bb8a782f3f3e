#pragma once
// The one-byte serial that every enumeration of the market vocabulary holds.
#include <cstdint>
#include <string>

#include "domain/Helpers.h"

template <typename Derived> class TSerial {
public:
    constexpr TSerial() = default;
    constexpr explicit TSerial(int serial) : serial_(static_cast<std::uint8_t>(serial)) {}

    constexpr int getSerial() const { return serial_; }
    constexpr void setSerial(int n) { serial_ = static_cast<std::uint8_t>(n); }
    std::string getSerialString() const { return std::to_string(serial_); }
    // Stores the integer the decimal text denotes; throws std::invalid_argument for a text that is none.
    void setSerialStr(const std::string& text) { setSerial(parseInt(text)); }

    friend constexpr bool operator==(Derived a, Derived b) { return a.serial_ == b.serial_; }

protected:
    std::uint8_t serial_ = 0;
};
