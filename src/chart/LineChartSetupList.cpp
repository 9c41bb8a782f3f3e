#include "chart/LineChartSetupList.h"

#include "domain/Helpers.h"
#include "platform/TextFile.h"

#include <stdexcept>

TLineChartSetupList* lineChartSetupList = nullptr;

std::string TLineChartSetupRecord::getDisplayText() const {
    if (valueType.getSerial() == 0) {
        return valueType.getToString();
    }
    return valueType.getToString() + " / " + period.getToString();
}

const TLineChartSetupRecord& TLineChartSetupList::getItem(int index) const {
    if (index < 0 || index >= getCount()) {
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    }
    return items_[static_cast<size_t>(index)];
}

void TLineChartSetupList::add(int valueType, int period) {
    items_.push_back({TChartValueType(valueType), TCalcPeriod(period)});
}

void TLineChartSetupList::setItem(int index, int valueType, int period) {
    getItem(index);
    items_[static_cast<size_t>(index)] = {TChartValueType(valueType), TCalcPeriod(period)};
}

void TLineChartSetupList::deleteItem(int index) {
    getItem(index);
    items_.erase(items_.begin() + index);
}

std::string TLineChartSetupList::toText() const {
    std::string text;
    for (const auto& item : items_) {
        text += item.valueType.getSerialString() + "," + item.period.getSerialString() + ",";
    }
    return removeLastComma(text);
}

void TLineChartSetupList::fromText(const std::string& text) {
    clear();
    const std::vector<std::string> items = splitCommaText(text);
    for (size_t k = 0; k + 1 < items.size(); k += 2) {
        add(parseInt(items[k]) & 0xFF, parseInt(items[k + 1]) & 0xFF);
    }
}
