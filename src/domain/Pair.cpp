#include "domain/Pair.h"

#include "domain/Folders.h"
#include "domain/Messages.h"
#include "platform/FileIo.h"
#include "platform/TextFile.h"

const std::array<const char*, TPair::count>& TPair::names() {
    static constexpr std::array<const char*, count> table = {"EURUSD", "GBPUSD", "USDCHF", "USDJPY", "EURGBP", "EURCHF",
                                                             "EURJPY", "GBPCHF", "GBPJPY", "CHFJPY", "USDCAD", "EURCAD",
                                                             "AUDUSD", "AUDJPY", "NZDUSD", "NZDJPY"};
    return table;
}

std::string TPair::getToString() const {
    if (serial_ >= count) {
        showError("TPair.getToString");
        return {};
    }
    return names()[serial_];
}

void TPair::setStr(const std::string& text) {
    const std::string name = trimText(text);
    for (int i = 0; i < count; ++i) {
        if (name == names()[static_cast<size_t>(i)]) {
            setSerial(i);
            return;
        }
    }
    showError("TPair.setStr");
}

bool TPair::getIsFinished() const {
    return fileExists(getOhlcFolder() + getToString() + ".finished");
}
