#include "domain/CalcValue.h"

#include "domain/Messages.h"

namespace {
struct PeriodRow {
    const char* text;
    int value;
};
constexpr PeriodRow periods[TCalcPeriod::count] = {{"5 Bar", 5},   {"10 Bar", 10},   {"20 Bar", 20},  {"40 Bar", 40},
                                                   {"80 Bar", 80}, {"160 Bar", 160}, {"1 日", 1},     {"2 日", 2},
                                                   {"3 日", 3},    {"5 日", 5},      {"10 日", 10},   {"30 日", 30},
                                                   {"60 日", 60},  {"120 日", 120},  {"360 日", 360}, {"720 日", 720}};
} // namespace

int TCalcValueType::getPeriodGroup() const {
    static constexpr int groups[] = {0, 0, 0, 1, 1, 2, 2, 0};
    if (serial_ > 7) {
        showError("TCalcValueType.getPeriodGroup");
        return 0;
    }
    return groups[serial_];
}

int TCalcPeriod::getPeriodValue() const {
    if (serial_ >= count) {
        showError("TCalcPeriod.getPeriodValue");
        return 0;
    }
    return periods[serial_].value;
}

std::string TCalcPeriod::getToString() const {
    if (serial_ >= count) {
        showError("TCalcPeriod.getToString");
        return {};
    }
    return periods[serial_].text;
}

bool TCalcPeriod::getIsBarPeriod() const {
    if (serial_ >= count) {
        showError("TCalcPeriod.getPeriodValue");
        return false;
    }
    return serial_ < barPeriodCount;
}
