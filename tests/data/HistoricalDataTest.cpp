#include "data/HistoricalData.h"
#include "domain/DateTime.h"
#include "domain/Folders.h"
#include "platform/FileIo.h"
#include "support/TestSupport.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

THistoricalRecord bar(std::int32_t time, std::int32_t open, std::int32_t high, std::int32_t low, std::int32_t close) {
    return {time, low, high, open, close};
}
THistoricalRecord gap(std::int32_t time) {
    return {time, missingValue, missingValue, missingValue, missingValue};
}

// A series on the grid from `first`, one bar per close; a missing close makes a missing bar.
THistoricalData seriesOfCloses(TTimeStep step, std::int32_t first, const std::vector<std::int32_t>& closes) {
    THistoricalData s;
    s.pair = TPair(3);
    s.timeStep = step;
    std::int32_t t = first;
    for (std::int32_t c : closes) {
        s.append(isMissing(c) ? gap(t) : bar(t, c - 1, c + 2, c - 3, c));
        t += step.getMinute();
    }
    return s;
}

constexpr std::int32_t M = missingValue;

class HistoricalDataTest : public ::testing::Test {
protected:
    void SetUp() override { createDataFolders(); }
    FolderSandbox sandbox;
};

} // namespace

TEST_F(HistoricalDataTest, SaveAndLoadRoundTripWithMissingBars) {
    THistoricalData s = seriesOfCloses(TTimeStep(2), stamp2007, {100, M, 102, M, M, 105});
    s.tag = 77;
    const std::string file = sandbox.root() + "/s.hst";
    s.saveToFile(file);
    EXPECT_EQ(std::filesystem::file_size(file), 320u + 16u * 6u);

    THistoricalData back;
    back.loadFromFile(file);
    EXPECT_EQ(back.pair.getSerial(), 3);
    EXPECT_EQ(back.timeStep.getSerial(), 2);
    EXPECT_EQ(back.tag, 77);
    ASSERT_EQ(back.getCount(), 6);
    for (int i = 0; i < 6; ++i) {
        const auto &a = s.getItem(i), &b = back.getItem(i);
        EXPECT_EQ(std::tie(a.time, a.open, a.high, a.low, a.close), std::tie(b.time, b.open, b.high, b.low, b.close));
    }
    // The prices are masked on disk: the plain close of bar 0 does not appear as stored.
    const std::string bytes = readFileBytes(file);
    std::int32_t storedClose;
    std::memcpy(&storedClose, bytes.data() + 320 + 12, 4);
    EXPECT_NE(storedClose, 100);

    THistoricalData empty;
    empty.timeStep = TTimeStep(0);
    empty.saveToFile(file);
    back.loadFromFile(file);
    EXPECT_EQ(back.getCount(), 0);
    EXPECT_EQ(back.getFirstTime(), missingValue);
}

TEST_F(HistoricalDataTest, LoadWindowPadsOutsideTheFileAndAlignsTheStart) {
    THistoricalData s = seriesOfCloses(TTimeStep(2), stamp2007 + 50, {100, 101, 102, 103});
    s.pair = TPair(0);
    s.save();
    THistoricalData w;
    // 2 steps before the first bar, through 1 step after the last, starting inside a bar.
    w.loadWindow(TPair(0), TTimeStep(2), stamp2007 + 40 + 3, 7);
    ASSERT_EQ(w.getCount(), 7);
    const std::int32_t closes[] = {M, M, 100, 101, 102, 103, M};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(w.getItem(i).time, stamp2007 + 40 + 5 * i);
        EXPECT_EQ(w.getItem(i).close, closes[i]) << i;
    }
    w.loadWindow(TPair(0), TTimeStep(2), stamp2011, 30);
    EXPECT_EQ(w.getCount(), 30);
    EXPECT_EQ(w.getItem(29).close, M);
}

TEST_F(HistoricalDataTest, ExpandLaysTheSeriesOnTheGrid) {
    THistoricalData s;
    s.timeStep = TTimeStep(0);
    s.append(bar(stamp2007 - 1, 1, 2, 0, 1)); // before the origin: dropped
    s.append(bar(stamp2007 + 2, 5, 6, 4, 5));
    s.append(bar(stamp2011 - 1, 7, 8, 6, 7));
    s.expand(stamp2007, stamp2011);
    ASSERT_EQ(s.getCount(), 2103840);
    EXPECT_EQ(s.getItem(0).close, M);
    EXPECT_EQ(s.getItem(2).close, 5);
    EXPECT_EQ(s.getItem(1).time, stamp2007 + 1);
    EXPECT_EQ(s.getItem(2103839).close, 7);
}

TEST_F(HistoricalDataTest, ConvertToAggregatesIntoLargerBars) {
    const std::int32_t t0 = stamp2007 + 600; // 10:00
    THistoricalData s;
    s.timeStep = TTimeStep(0);
    s.append(bar(t0, 100, 105, 99, 101));
    s.append(bar(t0 + 1, 101, 103, 95, 102));
    s.append(gap(t0 + 2));
    s.append(bar(t0 + 3, 102, 110, 101, 108));
    s.append(bar(t0 + 5, 200, 201, 199, 200)); // the next five-minute bar, last valid bar of the series
    s.append(gap(t0 + 6));
    THistoricalData d;
    s.convertTo(d, stamp2007, TTimeStep(2));
    EXPECT_EQ(d.getCount(), (stamp2011 - stamp2007) / 5);
    const auto& b = d.getItem(120);
    EXPECT_EQ(b.time, t0);
    EXPECT_EQ(std::tie(b.open, b.high, b.low, b.close), std::make_tuple(100, 110, 95, 108));
    EXPECT_EQ(d.getItem(121).close, 200);
    EXPECT_EQ(d.getItem(122).open, M);
    EXPECT_EQ(d.getItem(119).high, M);

    MessageRecorder recorder;
    THistoricalData daily = seriesOfCloses(TTimeStep(9), stamp2007, {1, 2});
    daily.convertTo(d, stamp2007, TTimeStep(0));
    EXPECT_EQ(d.getCount(), 0);
    EXPECT_EQ(recorder.texts(), std::vector<std::string>{"より小さな timeScale に変換しようとしています"});
}

TEST_F(HistoricalDataTest, MinMaxSkipsMissingBars) {
    THistoricalData s = seriesOfCloses(TTimeStep(0), stamp2007, {M, 100, M, 90, M, M});
    std::int32_t low, high;
    s.getMinMax(low, high, 0, 3);
    EXPECT_EQ(low, 87);
    EXPECT_EQ(high, 102);
    s.getMinMax(low, high, 4, 5);
    EXPECT_EQ(low, M);
    EXPECT_EQ(high, M);
}

TEST_F(HistoricalDataTest, MalformedFilesAreRejectedWithTheirName) {
    THistoricalData good = seriesOfCloses(TTimeStep(0), stamp2007, {100, 101, 102});
    const std::string file = sandbox.root() + "/bad.hst";
    good.saveToFile(file);
    const std::string bytes = readFileBytes(file);
    auto withInt = [&](size_t offset, std::int32_t v) {
        std::string b = bytes;
        std::memcpy(b.data() + offset, &v, 4);
        return b;
    };
    const std::pair<std::string, const char*> cases[] = {
        {bytes.substr(0, 100), "shorter than a bar file header"},
        {bytes.substr(0, bytes.size() - 5), "partial bar record"},
        {withInt(16, 14), "time step 14"},
        {withInt(0, 16), "pair 16"},
        {withInt(48, stamp2007 + 5), "do not match"},
        {withInt(32, missingValue), "do not match"},
    };
    for (const auto& [content, message] : cases) {
        writeTextFile(file, content);
        THistoricalData s;
        try {
            s.loadFromFile(file);
            ADD_FAILURE() << "accepted: " << message;
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
        }
        EXPECT_THROW(s.loadWindowFromFile(file, stamp2007, stamp2007 + 2), FileError) << message;
    }
    THistoricalData s;
    EXPECT_THROW(s.loadFromFile(sandbox.root() + "/absent.hst"), FileError);
}

TEST_F(HistoricalDataTest, BarStatisticsOverTheValidBars) {
    THistoricalData s = seriesOfCloses(TTimeStep(0), stamp2007, {100, 101, 102, 103, 104});
    EXPECT_EQ(s.calcBarStatistics(3, 5).mean, missingValueF);
    const TBarStatistics st = s.calcBarStatistics(4, 5);
    EXPECT_EQ(st.mean, 102.0f);
    EXPECT_NEAR(st.standardDeviation, 1.5811f, 1e-4);
    EXPECT_EQ(st.closeMinusMean, 2.0f);
    EXPECT_EQ(st.highest, 106);
    EXPECT_EQ(st.lowest, 97);
    EXPECT_EQ(st.closeMinusHighest, -2.0f);
    EXPECT_EQ(st.closeMinusLowest, 7.0f);

    // A missing bar inside the window stretches it one bar further back.
    THistoricalData g = seriesOfCloses(TTimeStep(0), stamp2007, {90, 100, 101, M, 102, 103, 104});
    EXPECT_EQ(g.calcBarStatistics(6, 5).mean, 102.0f);
    EXPECT_EQ(g.calcBarStatistics(6, 6).mean, static_cast<float>(600.0L / 6));
    EXPECT_EQ(g.calcBarStatistics(3, 2).closeMinusMean, missingValueF); // bar without prices
}

TEST_F(HistoricalDataTest, DayMinMaxUsesTheDaysBefore) {
    // Fri 2007-01-05 .. Mon 2007-01-08 as daily bars, the weekend missing.
    THistoricalData d = seriesOfCloses(TTimeStep(9), stamp2007, {100, 110, 120, 130, 140, M, M, 150});
    std::int32_t low, high;
    d.calcDayMinMax(7, 1, low, high); // Monday uses Friday
    EXPECT_EQ(std::tie(low, high), std::make_tuple(137, 142));
    d.calcDayMinMax(7, 2, low, high);
    EXPECT_EQ(std::tie(low, high), std::make_tuple(127, 142));
    d.calcDayMinMax(2, 3, low, high); // not enough days before
    EXPECT_EQ(low, M);
    d.calcDayMinMax(5, 1, low, high); // a day without a bar
    EXPECT_EQ(high, M);
}
