#pragma once
// A four-year one-minute series like the pre-calculated ones (weekends and a few quiet minutes without
// bars), written to a temporary data folder.
#include "data/HistoricalData.h"

#include <string>

class BenchData {
public:
    BenchData();
    ~BenchData();
    // USDJPY at one minute over 2007–2010, on the grid; saved as the ohlc files of the six steps.
    const THistoricalData& minuteSeries() const { return series_; }
    std::string root() const { return root_; }

private:
    std::string root_;
    THistoricalData series_;
};

THistoricalData makeMinuteSeries();
