#pragma once
// Precomputed indicator series, one value per bar of a bar series, and their ".vll" files.
#include "domain/CalcValue.h"
#include "domain/ChartTypes.h"
#include "domain/Missing.h"
#include "domain/Pair.h"
#include "domain/TimeStep.h"

#include <cstdint>
#include <string>
#include <vector>

struct TValueRecord {
    float value = missingValueF;
    std::int32_t time = 0;
};

namespace vll {
constexpr std::int64_t valueSize = 4;
constexpr std::int64_t headerValues = 20;
constexpr std::int64_t headerSize = valueSize * headerValues;
} // namespace vll

// valueList/PAIR_STEP_KIND[_PERIOD].vll with serials; the period only for kinds that have one.
std::string getValueListFileName(TPair pair, TTimeStep timeStep, TCalcValueType kind, TCalcPeriod period);

// The bytes of a value list file: the header, then one single per grid slot.
std::vector<char> encodeValueList(TPair pair, TTimeStep timeStep, TCalcValueType kind, TCalcPeriod period,
                                  std::int32_t firstTime, std::int32_t lastTime, const float* values, size_t count);

class TValueList {
public:
    TCalcValueType calcValueType;
    TTimeStep timeStep;
    TCalcPeriod calcPeriod;
    TPair pair;
    std::int32_t lastTime = 0;
    std::int32_t firstTime = 0;

    void clear() { items_.clear(); }
    int getCount() const { return static_cast<int>(items_.size()); }
    const TValueRecord& getItem(int i) const { return items_[static_cast<size_t>(i)]; }
    TValueRecord& getItem(int i) { return items_[static_cast<size_t>(i)]; }
    void reserve(size_t n) { items_.reserve(n); }
    void addValue(double v) { items_.push_back({static_cast<float>(v), 0}); }

    std::string getFileName() const { return getValueListFileName(pair, timeStep, calcValueType, calcPeriod); }
    // Writes atomically. Throws FileError.
    void save() const;
    // Loads the grid slots of [start, end), padding outside the file with missing values. Throws FileError.
    void loadFromFile(const std::string& fileName, std::int32_t start, std::int32_t end);
    void loadLine(TPair pair, TTimeStep timeStep, TLineType lineType, TCalcPeriod calcPeriod, std::int32_t time,
                  std::int32_t count);
    void getMinMax(float& outMin, float& outMax, int fromIndex, int toIndex) const;

private:
    std::vector<TValueRecord> items_;
};
