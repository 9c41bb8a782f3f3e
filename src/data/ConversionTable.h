#pragma once
// Daily yen rates of the six yen crosses (etc/conversionrate.txt), to turn a price move of any pair
// into yen.
#include "domain/Pair.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct TConversionTableRecord {
    std::int32_t day = 0; // minute stamp of the day's midnight
    std::array<std::int32_t, 6> rates{};
};

class TConversionTable {
public:
    static constexpr int crossCount = 6;
    // The crosses in column order: USDJPY, EURJPY, GBPJPY, CHFJPY, AUDJPY, NZDJPY.
    static constexpr std::array<int, crossCount> crosses = {3, 6, 8, 9, 13, 15};

    // Loads conversionrate.txt of the program folder when it exists; an absent file leaves it empty.
    TConversionTable();
    // Loads the given file. Throws FileError naming the file and line for a malformed line.
    explicit TConversionTable(const std::string& fileName);

    int getCount() const { return static_cast<int>(items_.size()); }
    const TConversionTableRecord& getItem(int i) const { return items_.at(static_cast<size_t>(i)); }

    double getConversionRate(TPair pair, std::int32_t time) const;
    std::int32_t getRateValue(TPair cross, std::int32_t time) const;
    std::int32_t getDayIndex(std::int32_t time) const;
    // The column of a yen cross, −1 for any other pair.
    static int columnOf(TPair cross);

private:
    void loadFromFile(const std::string& fileName);
    void computeFirstAndLast();

    std::vector<TConversionTableRecord> items_;
    std::array<std::int32_t, crossCount> firstRate_{};
    std::array<std::int32_t, crossCount> lastRate_{};
};

// The program's one conversion table, set by its owner.
extern TConversionTable* conversionTable;

class THistoricalData;

// Builds conversionrate.txt from the one-minute histories of the yen crosses: one line per calendar day
// from the first to the last day with a bar of any cross; each rate is the day's last close, missing on
// a day without bars.
class TConversionRateBuilder {
public:
    void addCross(TPair cross, const THistoricalData& history);
    std::string toText() const;

private:
    std::array<std::vector<std::pair<std::int32_t, std::int32_t>>, TConversionTable::crossCount> lastCloses_;
};
