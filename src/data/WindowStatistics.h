#pragma once
// The window statistics of every bar of a series in one pass: the N most recent bars with prices are kept
// in a ring with running integer sums of their closes and squared closes, and monotonic queues give the
// highest high and the lowest low. The values equal those of THistoricalData::calcBarStatistics; the
// standard deviation comes from exact integer sums, so it can differ from a summation in another order by
// one unit in the last place of the single.
#include "data/HistoricalData.h"

#include <vector>

struct TWindowStatisticsColumns {
    std::vector<float> standardDeviation; // kind 3
    std::vector<float> closeMinusMean;    // kind 4
    std::vector<float> closeMinusHighest; // kind 5
    std::vector<float> closeMinusLowest;  // kind 6
};

// Fills `out` with one value per bar of `series` for the window of N bars.
void sweepBarStatistics(const THistoricalData& series, int N, TWindowStatisticsColumns& out);
