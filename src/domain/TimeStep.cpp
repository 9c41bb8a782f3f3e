#include "domain/TimeStep.h"

#include "domain/DateTime.h"
#include "domain/Messages.h"

namespace {
struct StepRow {
    const char* candle;
    int unit;
    int value;
};
constexpr StepRow steps[TTimeStep::count] = {
    {"1分足", 0, 1},   {"2分足", 0, 2},   {"5分足", 0, 5},   {"10分足", 0, 10},   {"30分足", 0, 30},
    {"1時間足", 1, 1}, {"2時間足", 1, 2}, {"6時間足", 1, 6}, {"12時間足", 1, 12}, {"1日足", 2, 1},
    {"2日足", 2, 2},   {"7日足", 2, 7},   {"15日足", 2, 15}, {"30日足", 2, 30}};
constexpr int selectable[TQuorvaneTimeStep::count] = {0, 2, 4, 5, 7, 9};
} // namespace

std::string TTimeUnit::getToString() const {
    static constexpr const char* texts[] = {"分", "時", "日"};
    if (serial_ > 2) {
        showError("TTimeUnit.getToString");
        return {};
    }
    return texts[serial_];
}

std::string TTimeUnit::getToString2() const {
    static constexpr const char* texts[] = {"分", "時間", "日"};
    if (serial_ > 2) {
        showError("TTimeUnit.getToString2");
        return {};
    }
    return texts[serial_];
}

std::int32_t TTimeStep::getMinute() const {
    if (serial_ >= count) {
        showError("TTimeStep.getMinute");
        return 0;
    }
    static constexpr int factors[] = {1, 60, 1440};
    return steps[serial_].value * factors[steps[serial_].unit];
}

TTimeUnit TTimeStep::getTimeUnit() const {
    if (serial_ >= count) {
        showError("TTimeStep.getTimeUnit");
        return TTimeUnit(0);
    }
    return TTimeUnit(steps[serial_].unit);
}

std::int32_t TTimeStep::getTimeValue() const {
    if (serial_ >= count) {
        showError("TTimeStep.getTimeValue");
        return 0;
    }
    return steps[serial_].value;
}

std::string TTimeStep::getToCandleString() const {
    if (serial_ >= count) {
        showError("TTimeStep.getToCandleString");
        return {};
    }
    return steps[serial_].candle;
}

std::string TTimeStep::getToString() const {
    if (serial_ >= count) {
        showError("TTimeStep.getTimeValue");
        return {};
    }
    return std::to_string(getTimeValue()) + getTimeUnit().getToString() + "間";
}

TTimeStep TQuorvaneTimeStep::getTimeStep() const {
    return TTimeStep(selectable[serial_ % count]);
}

int quorvaneTimeStepSerialOf(int timeStepSerial) {
    for (int i = 0; i < TQuorvaneTimeStep::count; ++i) {
        if (selectable[i] == timeStepSerial) {
            return i;
        }
    }
    return -1;
}

int timeStepSerialToQuorvaneTimeStepSerial(int timeStepSerial) {
    int q = quorvaneTimeStepSerialOf(timeStepSerial);
    if (q < 0) {
        showError("timeStepSerialToQuorvaneTimeStepSerial");
        return 0;
    }
    return q;
}

namespace {
// A step outside the table has been reported by getMinute; one minute keeps the arithmetic defined.
std::int32_t minutesOf(TTimeStep timeStep) {
    std::int32_t m = timeStep.getMinute();
    return m > 0 ? m : 1;
}
} // namespace

std::int32_t timeToIndex(std::int32_t time, TTimeStep timeStep, std::int32_t origin) {
    return (time - origin) / minutesOf(timeStep);
}

std::int32_t indexToTime(std::int32_t index, TTimeStep timeStep, std::int32_t origin) {
    return origin + index * minutesOf(timeStep);
}

std::int32_t alignTime(std::int32_t time, TTimeStep timeStep) {
    return time - ((time - stamp2007) % minutesOf(timeStep));
}
