#pragma once
// A realistic, deterministic one-minute history of all 16 pairs for the demo installation.
//
// Seven currencies are modelled by their value in US dollars. Each follows a mean-reverting walk around
// a path through quarter-end levels of 2007–2010, with a volatility that combines the era (calm 2007,
// the crisis of late 2008), clustering, an intraday rhythm of the Tokyo, London and New York hours, and
// rare jumps. Currencies share a dollar factor and regional factors, so pairs move together as they do.
// Every pair is the ratio of two currency values, so crosses agree with their legs. Candles come from a
// finer tick path. Times are Japan time; the market is closed from Saturday 07:00 to Monday 07:00 and
// on 25 December and 1 January, and a small share of quiet minutes has no trade.
#include "data/HistoricalData.h"

#include <array>
#include <cstdint>
#include <string>

class TDemoMarket {
public:
    static constexpr int currencyCount = 7; // JPY, EUR, GBP, CHF, CAD, AUD, NZD (USD is the unit)

    // pointSizes: the point of each pair by serial. The walk starts at the path's level of `start`.
    TDemoMarket(const std::array<double, TPair::count>& pointSizes, std::int32_t start, std::uint64_t seed = 2007);

    // The bars of every pair for the next minute (missing when the market is closed or quiet).
    void nextMinute(std::array<THistoricalRecord, TPair::count>& bars);
    std::int32_t getTime() const { return time_; }

    // The level the path passes through at `time`, as the pair is quoted (for checks and tests).
    static double anchorLevel(TPair pair, std::int32_t time);
    static bool isMarketOpen(std::int32_t time);

private:
    double normal();
    std::uint64_t nextRandom();
    double uniform() { return static_cast<double>(nextRandom() >> 11) * 0x1.0p-53; }

    std::array<double, TPair::count> pointSizes_;
    std::int32_t time_;
    std::array<std::uint64_t, 4> state_{};
    double spareNormal_ = 0;
    bool hasSpare_ = false;
    std::array<double, currencyCount> logValue_{};      // log of the USD value of each currency
    std::array<double, currencyCount> ownVolatility_{}; // clustering, per currency (log scale)
    double commonVolatility_ = 0;                       // clustering shared by all (log scale)
};

// Default point sizes: 0.001 for pairs quoted in yen, 0.00001 for the others.
std::array<double, TPair::count> defaultPointSizes();

// Writes historicaldata/PAIR.hst for all 16 pairs over 2007–2010 into `folder` (which must exist).
// Each file is written to a temporary name and renamed into place.
void writeDemoHistory(const std::string& folder, const std::array<double, TPair::count>& pointSizes);
