#include "data/DemoHistory.h"
#include "domain/DateTime.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Two weeks around the turn of 2008/2009: Christmas, New Year and two weekends, in the crisis months.
const std::int32_t spanStart = dateTimeToMinute(encodeDateTime(2008, 12, 22));
const std::int32_t spanEnd = dateTimeToMinute(encodeDateTime(2009, 1, 6));

std::vector<std::array<THistoricalRecord, TPair::count>> generateSpan(std::uint64_t seed = 2007) {
    TDemoMarket market(defaultPointSizes(), spanStart, seed);
    std::vector<std::array<THistoricalRecord, TPair::count>> minutes(static_cast<size_t>(spanEnd - spanStart));
    for (auto& bars : minutes) {
        market.nextMinute(bars);
    }
    return minutes;
}

const auto& span() {
    static const auto minutes = generateSpan();
    return minutes;
}

} // namespace

TEST(DemoHistoryTest, ClosedOnWeekendsAndHolidaysOpenOtherwise) {
    int openMinutes = 0;
    int openWithBar = 0;
    for (const auto& bars : span()) {
        const std::int32_t t = bars[0].time;
        const CalendarTime c = decodeDateTime(minuteToDateTime(t));
        const int dow = dayOfWeek(minuteToDateTime(t)); // 1 = Sunday
        const bool closed = dow == 1 || (dow == 7 && c.hour >= 7) || (dow == 2 && c.hour < 7) ||
                            (c.month == 12 && c.day == 25) || (c.month == 1 && c.day == 1);
        if (closed) {
            for (const auto& bar : bars) {
                ASSERT_FALSE(bar.getIsValid()) << "a bar at " << TIDateTime{t}.getToDateTimeString();
            }
            continue;
        }
        ++openMinutes;
        openWithBar += bars[0].getIsValid() ? 1 : 0;
    }
    ASSERT_GT(openMinutes, 0);
    const double share = static_cast<double>(openWithBar) / openMinutes;
    EXPECT_GT(share, 0.97); // only a small share of quiet minutes lacks a trade
    EXPECT_LT(share, 1.0);
}

TEST(DemoHistoryTest, CandlesAreValidAndCrossesAgreeWithTheirLegs) {
    const TPair eurusd(0), usdjpy(3), eurjpy(6);
    for (const auto& bars : span()) {
        for (const auto& bar : bars) {
            if (!bar.getIsValid()) {
                continue;
            }
            ASSERT_LE(bar.low, std::min(bar.open, bar.close));
            ASSERT_GE(bar.high, std::max(bar.open, bar.close));
        }
        const auto &a = bars[static_cast<size_t>(eurusd.getSerial())],
                   &b = bars[static_cast<size_t>(usdjpy.getSerial())],
                   &x = bars[static_cast<size_t>(eurjpy.getSerial())];
        if (x.getIsValid()) {
            const double implied = a.close * 1e-5 * b.close * 1e-3 / 1e-3;
            ASSERT_LE(std::fabs(x.close - implied), 3.0);
        }
    }
}

TEST(DemoHistoryTest, LevelsStayNearThePathAndMovesLookLikeTheCrisis) {
    std::vector<std::int32_t> ranges;
    for (const auto& bars : span()) {
        for (int p = 0; p < TPair::count; ++p) {
            const auto& bar = bars[static_cast<size_t>(p)];
            if (!bar.getIsValid()) {
                continue;
            }
            const double point = TPair(p).getQuoteCurrency() == "JPY" ? 0.001 : 0.00001;
            const double anchor = TDemoMarket::anchorLevel(TPair(p), bar.time);
            ASSERT_LT(std::fabs(bar.close * point / anchor - 1), 0.15) << TPair(p).getToString();
            if (p == 0) {
                ranges.push_back(bar.high - bar.low);
            }
        }
    }
    std::nth_element(ranges.begin(), ranges.begin() + static_cast<long>(ranges.size() / 2), ranges.end());
    const std::int32_t median = ranges[ranges.size() / 2];
    EXPECT_GT(median, 30); // EURUSD one-minute ranges of several pips in late 2008
    EXPECT_LT(median, 200);
}

TEST(DemoHistoryTest, SameSeedSameBars) {
    const auto again = generateSpan();
    ASSERT_EQ(again.size(), span().size());
    for (size_t i = 0; i < again.size(); i += 97) {
        for (size_t p = 0; p < TPair::count; ++p) {
            const auto &a = again[i][p], &b = span()[i][p];
            ASSERT_EQ(std::tie(a.open, a.high, a.low, a.close), std::tie(b.open, b.high, b.low, b.close));
        }
    }
    const auto other = generateSpan(99);
    EXPECT_NE(other[3000][0].close, span()[3000][0].close);
}
