#include "domain/ChartTypes.h"

#include "domain/Messages.h"

namespace {
struct Rgb {
    std::uint32_t r, g, b;
};
constexpr Rgb colors[TChartColor::count] = {{0, 255, 255}, {0, 0, 255}, {255, 251, 240}, {255, 0, 255}, {0, 128, 0},
                                            {0, 255, 0},   {128, 0, 0}, {192, 220, 192}, {0, 0, 128},   {128, 128, 0},
                                            {128, 0, 128}, {255, 0, 0}, {166, 202, 240}, {0, 128, 128}, {255, 255, 0}};
constexpr const char* valueTypeTexts[TChartValueType::count] = {"終値",         "移動平均",     "最小値",      "最大値",
                                                                "移動平均±1SD", "移動平均±2SD", "移動平均±3SD"};
constexpr int valueTypeGroups[TChartValueType::count] = {0, 1, 2, 2, 1, 1, 1};
} // namespace

std::uint32_t TChartColor::getColor() const {
    if (serial_ >= count) {
        showError("TChartColor.getColor");
        return 0;
    }
    const Rgb& c = colors[serial_];
    return c.r | c.g << 8 | c.b << 16;
}

std::string TChartValueType::getToString() const {
    if (serial_ >= count) {
        showError("TChartValueType.getToString");
        return {};
    }
    return valueTypeTexts[serial_];
}

bool TChartValueType::getIsTwoLines() const {
    if (serial_ >= count) {
        showError("TChartValueType.getIsTwoLines");
        return false;
    }
    return serial_ >= 4;
}

TLineType TChartValueType::getLine1() const {
    if (serial_ >= count) {
        showError("TChartValueType.getLine1");
        return 0;
    }
    return serial_;
}

TLineType TChartValueType::getLine2() const {
    if (serial_ < 4 || serial_ >= count) {
        showError("TChartValueType.getLine2");
        return 0;
    }
    return serial_ + 3;
}

int TChartValueType::getPeriodGroup() const {
    if (serial_ >= count) {
        showError("TChartValueType.getPeriodGroup");
        return 0;
    }
    return valueTypeGroups[serial_];
}
