#pragma once
// Bar series of one pair at one time step, on a regular grid, and their ".hst" files.
#include "domain/Missing.h"
#include "domain/Pair.h"
#include "domain/TimeStep.h"

#include <cstdint>
#include <string>
#include <vector>

struct THistoricalRecord {
    std::int32_t time = 0;
    std::int32_t low = missingValue;
    std::int32_t high = missingValue;
    std::int32_t open = missingValue;
    std::int32_t close = missingValue;

    std::int32_t getBody() const { return subInt(close, open); }
    std::int32_t getRange() const { return subInt(high, low); }
    // A bar is wholly valid or wholly missing; readers test one field.
    bool getIsValid() const { return hasValue(open) && hasValue(high) && hasValue(low) && hasValue(close); }
};

// The window statistics of one bar for the value lists.
struct TBarStatistics {
    std::int32_t lowest = missingValue;
    std::int32_t highest = missingValue;
    float mean = missingValueF;
    float standardDeviation = missingValueF;
    float closeMinusLowest = missingValueF;
    float closeMinusHighest = missingValueF;
    float closeMinusMean = missingValueF;
};

// The ".hst" file layout: a header of 20 records of 16 bytes, then one record per bar.
namespace hst {
constexpr std::int64_t recordSize = 16;
constexpr std::int64_t headerRecords = 20;
constexpr std::int64_t headerSize = recordSize * headerRecords;
// Prices are stored with an offset that depends on the bar time and the field.
constexpr std::int32_t timeOffset[17] = {3, -7, 12, -2, 9, -11, 5, 0, -4, 14, -9, 6, -13, 1, 10, -6, 8};
constexpr std::int32_t fieldOffset[4] = {-5, 11, -3, 7}; // open, high, low, close
inline std::int32_t mask(std::int32_t price, std::int32_t time, int field) {
    if (price == missingValue) {
        return price;
    }
    int t = time % 17;
    return price + timeOffset[t < 0 ? t + 17 : t] + fieldOffset[field];
}
inline std::int32_t unmask(std::int32_t stored, std::int32_t time, int field) {
    if (stored == missingValue) {
        return stored;
    }
    int t = time % 17;
    return stored - timeOffset[t < 0 ? t + 17 : t] - fieldOffset[field];
}
} // namespace hst

// historicaldata/PAIR.hst beside the program.
std::string getSourceFileName(TPair pair);
// ohlc/PAIR_STEP.hst in the data folder.
std::string getOhlcFileName(TPair pair, TTimeStep timeStep);

class THistoricalData {
public:
    TPair pair;
    TTimeStep timeStep;
    std::uint8_t tag = 0;

    void clear() { items_.clear(); }
    int getCount() const { return static_cast<int>(items_.size()); }
    const THistoricalRecord& getItem(int i) const { return items_[static_cast<size_t>(i)]; }
    THistoricalRecord& getItem(int i) { return items_[static_cast<size_t>(i)]; }
    std::vector<THistoricalRecord>& items() { return items_; }
    const std::vector<THistoricalRecord>& items() const { return items_; }
    void append(const THistoricalRecord& record) { items_.push_back(record); }

    std::int32_t getFirstTime() const { return items_.empty() ? missingValue : items_.front().time; }
    std::int32_t getLastTime() const { return items_.empty() ? missingValue : items_.back().time; }

    void assign(const THistoricalData& source);
    // Whole-file and window loads. Throw FileError for a missing, unreadable or malformed file.
    void loadFromFile(const std::string& fileName);
    void load(TPair pair, TTimeStep timeStep);
    void loadWindowFromFile(const std::string& fileName, std::int32_t start, std::int32_t end);
    void loadWindow(TPair pair, TTimeStep timeStep, std::int32_t time, std::int32_t count);
    // Writes atomically (a temporary file renamed into place). Throws FileError.
    void saveToFile(const std::string& fileName) const;
    // The bytes of the series' file.
    std::vector<char> toFileBytes() const;
    void save() const;

    void expand(std::int32_t start, std::int32_t end);
    // Aggregates into dest at a larger or equal step, on the grid from origin up to `end` (2011-01-01);
    // a smaller step is reported and leaves dest empty.
    void convertTo(THistoricalData& dest, std::int32_t origin, TTimeStep targetStep, std::int32_t end = 5785920) const;
    void getMinMax(std::int32_t& outLow, std::int32_t& outHigh, int fromIndex, int toIndex) const;

    // Statistics of bar n over the N most recent bars with prices (bar n included).
    TBarStatistics calcBarStatistics(int n, int N) const;
    // Lowest low and highest high of the D days with prices before day n of a one-day series.
    void calcDayMinMax(int n, int D, std::int32_t& outLow, std::int32_t& outHigh) const;

private:
    std::vector<THistoricalRecord> items_;
};
