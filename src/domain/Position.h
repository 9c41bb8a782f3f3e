#pragma once
#include "domain/Serial.h"

#include <string>

// The user's answer.
class TPosition : public TSerial<TPosition> {
public:
    static constexpr int Long = 0, Short = 1, Stay = 2, Undefined = 3;
    using TSerial::TSerial;
    // A serial above 3 gives an empty text and reports nothing.
    std::string getToString() const {
        static constexpr const char* texts[] = {"Long", "Short", "Stay", "Undefined"};
        return serial_ <= 3 ? texts[serial_] : std::string();
    }
};
