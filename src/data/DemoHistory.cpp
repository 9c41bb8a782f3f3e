#include "data/DemoHistory.h"

#include "domain/DateTime.h"
#include "platform/FileIo.h"

#include <cmath>
#include <memory>

namespace {

enum Currency { JPY, EUR, GBP, CHF, CAD, AUD, NZD, USD };

// Base and quote currency of each pair, by serial.
constexpr Currency legs[TPair::count][2] = {{EUR, USD}, {GBP, USD}, {USD, CHF}, {USD, JPY}, {EUR, GBP}, {EUR, CHF},
                                            {EUR, JPY}, {GBP, CHF}, {GBP, JPY}, {CHF, JPY}, {USD, CAD}, {EUR, CAD},
                                            {AUD, USD}, {AUD, JPY}, {NZD, USD}, {NZD, JPY}};

// Quarter-end levels, each currency read as the pair it is quoted in against the dollar
// (USDJPY, EURUSD, GBPUSD, USDCHF, USDCAD, AUDUSD, NZDUSD).
constexpr int anchorCount = 11;
constexpr int anchorDate[anchorCount][2] = {{2007, 1}, {2007, 7}, {2008, 1}, {2008, 7}, {2008, 10}, {2009, 1},
                                            {2009, 4}, {2009, 7}, {2010, 1}, {2010, 7}, {2011, 1}};
constexpr double anchorQuote[TDemoMarket::currencyCount][anchorCount] = {
    {119, 123, 112, 106, 106, 91, 98, 96, 93, 88, 81},                   // USDJPY
    {1.32, 1.35, 1.46, 1.57, 1.41, 1.40, 1.33, 1.40, 1.43, 1.22, 1.34},  // EURUSD
    {1.96, 2.00, 1.99, 1.99, 1.78, 1.46, 1.43, 1.65, 1.61, 1.49, 1.56},  // GBPUSD
    {1.22, 1.23, 1.13, 1.02, 1.12, 1.07, 1.14, 1.09, 1.03, 1.08, 0.93},  // USDCHF
    {1.16, 1.06, 0.99, 1.02, 1.06, 1.22, 1.26, 1.16, 1.05, 1.06, 1.00},  // USDCAD
    {0.79, 0.85, 0.88, 0.96, 0.79, 0.70, 0.69, 0.81, 0.90, 0.84, 1.00},  // AUDUSD
    {0.70, 0.77, 0.77, 0.76, 0.67, 0.58, 0.57, 0.65, 0.72, 0.69, 0.73}}; // NZDUSD
constexpr bool quotedPerDollar[TDemoMarket::currencyCount] = {true, false, false, true, true, false, false};

// Calm one-minute volatility of each currency's dollar value, and its loadings on the dollar factor and
// on its regional factor (Europe for EUR, GBP, CHF; Australasia for AUD, NZD).
constexpr double baseVolatility[TDemoMarket::currencyCount] = {2.6e-4, 2.4e-4, 2.3e-4, 2.5e-4, 2.3e-4, 3.0e-4, 3.2e-4};
constexpr double dollarLoading[TDemoMarket::currencyCount] = {0.50, 0.70, 0.60, 0.65, 0.50, 0.60, 0.55};
constexpr double regionLoading[TDemoMarket::currencyCount] = {0.0, 0.50, 0.40, 0.60, 0.0, 0.55, 0.60};
constexpr int region[TDemoMarket::currencyCount] = {-1, 0, 0, 0, -1, 1, 1};

// Volatility of the era, by month from January 2007 (linear in between).
constexpr int eraCount = 15;
constexpr double eraMonth[eraCount] = {0, 6, 7, 11, 14, 17, 20, 21, 23, 26, 29, 35, 40, 42, 48};
constexpr double eraLevel[eraCount] = {0.7, 0.8, 1.3, 1.0, 1.3, 1.0, 1.4, 3.2, 2.7, 1.8, 1.3, 1.0, 1.4, 1.1, 0.9};

// Activity by hour of the day, Japan time: quiet late Asian and early morning hours, busy London and
// New York hours.
constexpr double hourActivity[24] = {1.25, 1.0, 0.8,  0.6, 0.5, 0.42, 0.42, 0.55, 0.75, 0.95, 0.85, 0.7,
                                     0.6,  0.6, 0.65, 0.7, 1.1, 1.3,  1.2,  1.1,  1.1,  1.3,  1.55, 1.45};

constexpr int ticksPerMinute = 6;
constexpr double reversionPerMinute = 1.0 / (10.0 * 1440.0);
constexpr double clusterPersistence = 0.9958; // about four hours to decay
constexpr double clusterShock = 0.026;

std::int32_t anchorStamp(int i) {
    static const auto stamps = [] {
        std::array<std::int32_t, anchorCount> s{};
        for (int k = 0; k < anchorCount; ++k) {
            s[static_cast<size_t>(k)] = dateTimeToMinute(encodeDateTime(anchorDate[k][0], anchorDate[k][1], 1));
        }
        return s;
    }();
    return stamps[static_cast<size_t>(i)];
}

double logAnchor(int currency, int i) {
    const double q = anchorQuote[currency][i];
    return quotedPerDollar[currency] ? -std::log(q) : std::log(q);
}

double targetLogValue(int currency, std::int32_t time) {
    if (time <= anchorStamp(0)) {
        return logAnchor(currency, 0);
    }
    for (int i = 1; i < anchorCount; ++i) {
        const std::int32_t t1 = anchorStamp(i);
        if (time <= t1) {
            const std::int32_t t0 = anchorStamp(i - 1);
            const double w = static_cast<double>(time - t0) / (t1 - t0);
            return logAnchor(currency, i - 1) * (1 - w) + logAnchor(currency, i) * w;
        }
    }
    return logAnchor(currency, anchorCount - 1);
}

double eraVolatility(std::int32_t time) {
    const double month = static_cast<double>(time - stamp2007) / (1440.0 * 30.4375);
    if (month <= eraMonth[0]) {
        return eraLevel[0];
    }
    for (int i = 1; i < eraCount; ++i) {
        if (month <= eraMonth[i]) {
            const double w = (month - eraMonth[i - 1]) / (eraMonth[i] - eraMonth[i - 1]);
            return eraLevel[i - 1] * (1 - w) + eraLevel[i] * w;
        }
    }
    return eraLevel[eraCount - 1];
}

std::uint64_t splitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double valueOf(const std::array<double, TDemoMarket::currencyCount + 1>& values, Currency c) {
    return values[static_cast<size_t>(c)];
}

} // namespace

std::array<double, TPair::count> defaultPointSizes() {
    std::array<double, TPair::count> sizes{};
    for (int p = 0; p < TPair::count; ++p) {
        sizes[static_cast<size_t>(p)] = legs[p][1] == JPY ? 0.001 : 0.00001;
    }
    return sizes;
}

double TDemoMarket::anchorLevel(TPair pair, std::int32_t time) {
    auto logValue = [&](Currency c) { return c == USD ? 0.0 : targetLogValue(c, time); };
    const int p = pair.getSerial();
    return std::exp(logValue(legs[p][0]) - logValue(legs[p][1]));
}

bool TDemoMarket::isMarketOpen(std::int32_t time) {
    const int hour = time % 1440 / 60;
    const int dow = dayOfWeekOfStamp(time);
    if (dow == 1 || (dow == 7 && hour >= 7) || (dow == 2 && hour < 7)) {
        return false;
    }
    const CalendarTime t = decodeDateTime(minuteToDateTime(time));
    return !((t.month == 12 && t.day == 25) || (t.month == 1 && t.day == 1));
}

TDemoMarket::TDemoMarket(const std::array<double, TPair::count>& pointSizes, std::int32_t start, std::uint64_t seed)
    : pointSizes_(pointSizes), time_(start) {
    std::uint64_t s = seed;
    for (auto& word : state_) {
        word = splitMix(s);
    }
    for (int c = 0; c < currencyCount; ++c) {
        logValue_[static_cast<size_t>(c)] = targetLogValue(c, start);
    }
}

std::uint64_t TDemoMarket::nextRandom() {
    // xoshiro256**
    auto rotl = [](std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); };
    const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotl(state_[3], 45);
    return result;
}

double TDemoMarket::normal() {
    if (hasSpare_) {
        hasSpare_ = false;
        return spareNormal_;
    }
    double u, v, s;
    do {
        u = uniform() * 2 - 1;
        v = uniform() * 2 - 1;
        s = u * u + v * v;
    } while (s >= 1 || s == 0);
    const double m = std::sqrt(-2 * std::log(s) / s);
    spareNormal_ = v * m;
    hasSpare_ = true;
    return u * m;
}

void TDemoMarket::nextMinute(std::array<THistoricalRecord, TPair::count>& bars) {
    const std::int32_t t = time_++;
    for (auto& bar : bars) {
        bar = {t, missingValue, missingValue, missingValue, missingValue};
    }
    if (!isMarketOpen(t)) {
        return;
    }
    const int hour = t % 1440 / 60;

    // Volatility clustering: log-scale AR(1) processes, one shared and one per currency.
    commonVolatility_ = commonVolatility_ * clusterPersistence + clusterShock * normal();
    const double minuteScale = eraVolatility(t) * hourActivity[hour] * std::exp(commonVolatility_);
    std::array<double, currencyCount> sigma{};
    for (size_t c = 0; c < currencyCount; ++c) {
        ownVolatility_[c] = ownVolatility_[c] * clusterPersistence + 0.6 * clusterShock * normal();
        sigma[c] = baseVolatility[c] * minuteScale * std::exp(ownVolatility_[c]) / std::sqrt(ticksPerMinute);
    }

    // The tick path: dollar values of every currency at each tick, the first tick being the open.
    std::array<std::array<double, currencyCount + 1>, ticksPerMinute + 1> values{};
    auto record = [&](int tick) {
        for (size_t c = 0; c < currencyCount; ++c) {
            values[static_cast<size_t>(tick)][c] = std::exp(logValue_[c]);
        }
        values[static_cast<size_t>(tick)][USD] = 1.0;
    };
    record(0);
    std::array<double, currencyCount> pull{};
    for (size_t c = 0; c < currencyCount; ++c) {
        pull[c] = (targetLogValue(static_cast<int>(c), t) - logValue_[c]) * reversionPerMinute / ticksPerMinute;
    }
    const int jumpTick = 1 + static_cast<int>(uniform() * ticksPerMinute);
    for (int tick = 1; tick <= ticksPerMinute; ++tick) {
        const double dollar = normal();
        const double regional[2] = {normal(), normal()};
        for (size_t c = 0; c < currencyCount; ++c) {
            const double a = dollarLoading[c];
            const double b = regionLoading[c];
            const double own = std::sqrt(std::max(0.0, 1 - a * a - b * b));
            double shock = a * dollar + own * normal();
            if (region[c] >= 0) {
                shock += b * regional[region[c]];
            }
            double step = sigma[c] * shock + pull[c];
            if (tick == jumpTick && uniform() < 1.0 / 4000) {
                step += sigma[c] * std::sqrt(ticksPerMinute) * 12 * normal();
            }
            logValue_[c] += step;
        }
        record(tick);
    }

    // A quiet minute without a trade: the price moved, but no bar is recorded.
    const double quietShare = (hour >= 5 && hour < 8) ? 0.025 : 0.004;
    if (uniform() < quietShare) {
        return;
    }
    for (size_t p = 0; p < TPair::count; ++p) {
        const double point = pointSizes_[p];
        std::int32_t high = INT32_MIN;
        std::int32_t low = INT32_MAX;
        std::int32_t price = 0;
        for (int tick = 0; tick <= ticksPerMinute; ++tick) {
            const auto& v = values[static_cast<size_t>(tick)];
            price = static_cast<std::int32_t>(std::lround(valueOf(v, legs[p][0]) / valueOf(v, legs[p][1]) / point));
            if (tick == 0) {
                bars[p].open = price;
            }
            high = std::max(high, price);
            low = std::min(low, price);
        }
        bars[p].close = price;
        bars[p].high = high;
        bars[p].low = low;
    }
}

void writeDemoHistory(const std::string& folder, const std::array<double, TPair::count>& pointSizes) {
    std::array<std::unique_ptr<AtomicFileWriter>, TPair::count> writers;
    for (int p = 0; p < TPair::count; ++p) {
        auto& writer = writers[static_cast<size_t>(p)];
        writer = std::make_unique<AtomicFileWriter>(folder + TPair(p).getToString() + ".hst");
        std::int32_t header[hst::headerRecords * 4] = {};
        header[0] = p;
        header[4] = TTimeStep::oneMinute;
        header[8] = stamp2007;
        header[12] = stamp2011 - 1;
        writer->write(header, sizeof header);
    }
    TDemoMarket market(pointSizes, stamp2007);
    std::array<THistoricalRecord, TPair::count> bars;
    while (market.getTime() < stamp2011) {
        market.nextMinute(bars);
        for (size_t p = 0; p < TPair::count; ++p) {
            const THistoricalRecord& r = bars[p];
            const std::int32_t masked[4] = {hst::mask(r.open, r.time, 0), hst::mask(r.high, r.time, 1),
                                            hst::mask(r.low, r.time, 2), hst::mask(r.close, r.time, 3)};
            writers[p]->write(masked, sizeof masked);
        }
    }
    for (auto& writer : writers) {
        writer->commit();
    }
}
