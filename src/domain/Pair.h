#pragma once
#include "domain/Serial.h"

#include <array>
#include <string>

// A currency pair: six capital letters, base currency first.
class TPair : public TSerial<TPair> {
public:
    static constexpr int count = 16;
    static constexpr int USDJPY = 3;
    using TSerial::TSerial;

    std::string getToString() const;
    // Sets the serial of the name (trimmed, case-sensitive); an unknown name is reported and changes nothing.
    void setStr(const std::string& text);
    std::string getBaseCurrency() const { return getToString().substr(0, 3); }
    std::string getQuoteCurrency() const { return getToString().substr(3, 3); }
    // The pre-calculation's completion marker exists.
    bool getIsFinished() const;
    bool getIsValid() const { return serial_ < count; }

    static const std::array<const char*, count>& names();
};
