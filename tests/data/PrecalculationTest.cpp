#include "data/Precalculation.h"
#include "data/ValueList.h"
#include "domain/DateTime.h"
#include "domain/Folders.h"
#include "platform/DiskSpace.h"
#include "platform/FileIo.h"
#include "support/TestSupport.h"

#include <bit>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <variant>

namespace {

constexpr std::int32_t M = missingValue;

// ---- The plain reference: for each bar, walk back over the N most recent bars with prices. ----

struct Reference {
    float sd = missingValueF, toMean = missingValueF, toHigh = missingValueF, toLow = missingValueF;
};

Reference referenceBar(const THistoricalData& s, int n, int N) {
    Reference r;
    if (isMissing(s.getItem(n).open)) {
        return r;
    }
    std::vector<float> closes;
    std::int32_t highest = -10000000, lowest = 10000000;
    for (int i = n; i >= 0 && static_cast<int>(closes.size()) < N; --i) {
        const THistoricalRecord& b = s.getItem(i);
        if (isMissing(b.high)) {
            continue;
        }
        closes.push_back(static_cast<float>(b.close));
        highest = std::max(highest, b.high);
        lowest = std::min(lowest, b.low);
    }
    if (static_cast<int>(closes.size()) < N) {
        return r;
    }
    long double sum = 0;
    for (float c : closes) {
        sum += c;
    }
    const long double mean = sum / N;
    long double squares = 0;
    for (float c : closes) {
        squares += (mean - c) * (mean - c);
    }
    const float close = static_cast<float>(s.getItem(n).close);
    r.sd = static_cast<float>(std::sqrt(squares / (N - 1)));
    r.toMean = static_cast<float>(static_cast<long double>(close) - static_cast<float>(mean));
    r.toHigh = static_cast<float>(static_cast<double>(close) - highest);
    r.toLow = static_cast<float>(static_cast<double>(close) - lowest);
    return r;
}

// close − the extreme of the D days with prices before the bar's day (never the day itself).
std::pair<float, float> referenceDay(const THistoricalData& days, const THistoricalRecord& bar, int D) {
    const std::int32_t k = (dateStampOf(bar.time) - days.getFirstTime()) / 1440;
    if (isMissing(bar.close) || k < 0 || k >= days.getCount() || isMissing(days.getItem(k).open)) {
        return {missingValueF, missingValueF};
    }
    std::int32_t highest = -10000000, lowest = 10000000;
    int counted = 0;
    for (int i = k - 1; i >= 0 && counted < D; --i) {
        if (hasValue(days.getItem(i).high)) {
            highest = std::max(highest, days.getItem(i).high);
            lowest = std::min(lowest, days.getItem(i).low);
            ++counted;
        }
    }
    if (counted < D) {
        return {missingValueF, missingValueF};
    }
    return {static_cast<float>(bar.close - highest), static_cast<float>(bar.close - lowest)};
}

// ---- Fixtures: weekends, holidays, random and long gaps, and the start of the series. ----

THistoricalData fixtureSeries(TTimeStep step, std::int32_t start, std::int32_t end, unsigned seed) {
    THistoricalData s;
    s.pair = TPair(3);
    s.timeStep = step;
    std::mt19937 rng(seed);
    std::normal_distribution<double> move(0, 25);
    double price = 112000;
    const std::int32_t longGapStart = start + (end - start) / 3;
    for (std::int32_t t = start; t < end; t += step.getMinute()) {
        const CalendarTime c = decodeDateTime(minuteToDateTime(t));
        const int dow = dayOfWeek(minuteToDateTime(t));
        const bool closed = dow == 1 || dow == 7 || (c.month == 1 && c.day == 1) || (c.month == 12 && c.day == 25) ||
                            (t >= longGapStart && t < longGapStart + 2 * 1440) || rng() % 20 == 0;
        if (closed) {
            s.append({t, M, M, M, M});
            continue;
        }
        const auto open = static_cast<std::int32_t>(price);
        price += move(rng);
        const auto close = static_cast<std::int32_t>(price);
        s.append({t, std::min(open, close) - static_cast<std::int32_t>(rng() % 30),
                  std::max(open, close) + static_cast<std::int32_t>(rng() % 30), open, close});
    }
    return s;
}

std::vector<float> readList(const THistoricalData& series, int kind, int period) {
    TValueList list;
    list.loadFromFile(getValueListFileName(series.pair, series.timeStep, TCalcValueType(kind), TCalcPeriod(period)),
                      series.getFirstTime(), series.getLastTime() + series.timeStep.getMinute());
    EXPECT_EQ(list.getCount(), series.getCount());
    std::vector<float> values;
    for (int i = 0; i < list.getCount(); ++i) {
        values.push_back(list.getItem(i).value);
    }
    return values;
}

std::int64_t ulpsApart(float a, float b) {
    return std::llabs(static_cast<std::int64_t>(std::bit_cast<std::int32_t>(a)) - std::bit_cast<std::int32_t>(b));
}

// Compares every list of the series with the reference; returns how many values of kind 3 and 4 are one
// unit in the last place apart (never more).
int expectListsEqualReference(const THistoricalData& series, const THistoricalData& days) {
    int oneUlp = 0;
    const std::vector<float> close = readList(series, 0, 0), range = readList(series, 1, 0),
                             body = readList(series, 2, 0);
    for (int j = 0; j < series.getCount(); ++j) {
        const THistoricalRecord& b = series.getItem(j);
        const bool valid = b.getIsValid();
        EXPECT_EQ(std::bit_cast<std::int32_t>(close[j]),
                  std::bit_cast<std::int32_t>(valid ? static_cast<float>(b.close) : missingValueF));
        EXPECT_EQ(range[j], valid ? static_cast<float>(b.high - b.low) : missingValueF);
        EXPECT_EQ(body[j], valid ? static_cast<float>(b.close - b.open) : missingValueF);
    }
    for (int q = 0; q < 6; ++q) {
        const int N = TCalcPeriod(q).getPeriodValue();
        const auto sd = readList(series, 3, q), toMean = readList(series, 4, q), toHigh = readList(series, 5, q),
                   toLow = readList(series, 6, q);
        for (int j = 0; j < series.getCount(); ++j) {
            const Reference r = referenceBar(series, j, N);
            EXPECT_EQ(std::bit_cast<std::int32_t>(toHigh[j]), std::bit_cast<std::int32_t>(r.toHigh)) << j;
            EXPECT_EQ(std::bit_cast<std::int32_t>(toLow[j]), std::bit_cast<std::int32_t>(r.toLow)) << j;
            for (auto [got, want] : {std::pair{sd[j], r.sd}, std::pair{toMean[j], r.toMean}}) {
                const std::int64_t apart = ulpsApart(got, want);
                EXPECT_LE(apart, 1) << "bar " << j << " period " << N << ": " << got << " vs " << want;
                oneUlp += apart == 1 ? 1 : 0;
            }
        }
    }
    for (int q = 6; q < 16; ++q) {
        const auto toHigh = readList(series, 5, q), toLow = readList(series, 6, q);
        for (int j = 0; j < series.getCount(); ++j) {
            const auto [high, low] = referenceDay(days, series.getItem(j), TCalcPeriod(q).getPeriodValue());
            EXPECT_EQ(std::bit_cast<std::int32_t>(toHigh[j]), std::bit_cast<std::int32_t>(high)) << j << " q" << q;
            EXPECT_EQ(std::bit_cast<std::int32_t>(toLow[j]), std::bit_cast<std::int32_t>(low)) << j << " q" << q;
            if (j > 0 && dateStampOf(series.getItem(j).time) == dateStampOf(series.getItem(j - 1).time) &&
                series.getItem(j).close == series.getItem(j - 1).close) {
                EXPECT_EQ(std::bit_cast<std::int32_t>(toHigh[j]), std::bit_cast<std::int32_t>(toHigh[j - 1]));
            }
        }
    }
    return oneUlp;
}

class PrecalculationTest : public ::testing::Test {
protected:
    void SetUp() override { createDataFolders(); }
    void TearDown() override { setFreeDiskSource({}); }
    FolderSandbox sandbox;
};

} // namespace

TEST_F(PrecalculationTest, ValueListsEqualThePlainReference) {
    // Minute bars of the first three weeks of 2007 (New Year, weekends, a two-day gap), with their days.
    const THistoricalData minutes = fixtureSeries(TTimeStep(0), stamp2007, stamp2007 + 21 * 1440, 1);
    THistoricalData minuteDays;
    minutes.convertTo(minuteDays, stamp2007, TTimeStep(9), stamp2007 + 21 * 1440);
    // Daily bars of all four years, for the long bar and day periods.
    const THistoricalData days = fixtureSeries(TTimeStep(9), stamp2007, stamp2011, 2);
    int oneUlp = 0;
    using Case = std::pair<const THistoricalData*, const THistoricalData*>;
    for (const auto& [series, daySeries] : {Case{&minutes, &minuteDays}, Case{&days, &days}}) {
        TBackgroundWriter writer;
        buildValueLists(*series, *daySeries, writer);
        writer.finish();
        oneUlp += expectListsEqualReference(*series, *daySeries);
    }
    std::cout << "values of kinds 3 and 4 one unit in the last place apart: " << oneUlp << '\n';
    const auto files = std::distance(std::filesystem::directory_iterator(getValueListFolder()), {});
    EXPECT_EQ(files, 2 * 47);
}

namespace {

// A source history of one month of minute bars, and an engine on the grid of December 2010.
const std::int32_t december = dateTimeToMinute(encodeDateTime(2010, 12, 1));

void writeSource(TPair pair) {
    std::filesystem::create_directories(getHistoricalDataFolder());
    THistoricalData s = fixtureSeries(TTimeStep(0), december - 1440, stamp2011, 3);
    s.pair = pair;
    s.saveToFile(getSourceFileName(pair));
}

using Event = std::variant<std::string, double>;

struct Recorder {
    std::vector<Event> events;
    std::function<void(const std::string&)> onStatus;
    TPrecalculationProgress callbacks() {
        return {[this](const std::string& s) {
                    events.emplace_back(s);
                    if (onStatus) {
                        onStatus(s);
                    }
                },
                [this](double p) { events.emplace_back(p); }};
    }
};

} // namespace

TEST_F(PrecalculationTest, AllPairsRunSkipsFinishedPairsAndWritesEveryFile) {
    for (int p = 0; p < TPair::count; ++p) {
        if (p != 0 && p != 3) {
            writeTextFile(getFinishedMarkerFileName(TPair(p)), "2010/05/03\r\n");
        }
    }
    writeSource(TPair(0));
    writeSource(TPair(3));
    Recorder recorder;
    TPrecalculation(recorder.callbacks(), december, stamp2011).runAllPairs();
    const std::vector<Event> expected = {std::string("EURUSD のデータを展開しています"),   0.0,
                                         std::string("EURUSD の値リストを生成しています"), 8.0,
                                         std::string("USDJPY のデータを展開しています"),   3 / 14.0 * 62,
                                         std::string("USDJPY の値リストを生成しています"), 3 / 14.0 * 92 + 8};
    EXPECT_EQ(recorder.events, expected);
    EXPECT_TRUE(getIsAllPairsFinished());
    EXPECT_EQ(readFileBytes(getFinishedMarkerFileName(TPair(3))), formatDate(nowDateTime()) + "\r\n");

    // 282 lists per pair, each as long as its bar series; six bar files.
    for (int pair : {0, 3}) {
        int lists = 0;
        for (int q = 0; q < TQuorvaneTimeStep::count; ++q) {
            THistoricalData bars;
            bars.load(TPair(pair), TQuorvaneTimeStep(q).getTimeStep());
            EXPECT_EQ(bars.getFirstTime(), december);
            EXPECT_EQ(bars.getLastTime() + bars.timeStep.getMinute(), stamp2011);
            for (const auto& entry : std::filesystem::directory_iterator(getValueListFolder())) {
                const std::string name = entry.path().filename().string();
                const std::string prefix = std::to_string(pair) + "_" + std::to_string(bars.timeStep.getSerial()) + "_";
                if (name.rfind(prefix, 0) == 0) {
                    ++lists;
                    EXPECT_EQ(std::filesystem::file_size(entry), 80u + 4u * static_cast<unsigned>(bars.getCount()));
                }
            }
        }
        EXPECT_EQ(lists, 282) << pair;
    }
    // Every bar file equals what expand and convertTo make of the source.
    THistoricalData source;
    source.loadFromFile(getSourceFileName(TPair(3)));
    source.expand(december, stamp2011);
    for (int q = 0; q < TQuorvaneTimeStep::count; ++q) {
        THistoricalData expectedBars;
        source.convertTo(expectedBars, december, TQuorvaneTimeStep(q).getTimeStep(), stamp2011);
        const std::vector<char> bytes = expectedBars.toFileBytes();
        EXPECT_EQ(readFileBytes(getOhlcFileName(TPair(3), expectedBars.timeStep)),
                  std::string(bytes.begin(), bytes.end()));
    }
}

TEST_F(PrecalculationTest, UsdJpyOnlyRunAndAnInterruptedRun) {
    writeSource(TPair(3));
    Recorder recorder;
    recorder.onStatus = [](const std::string& status) {
        if (status.find("値リスト") != std::string::npos) {
            throw std::runtime_error("power cut");
        }
    };
    EXPECT_THROW(TPrecalculation(recorder.callbacks(), december, stamp2011).runUsdJpyOnly(), PrecalculationError);
    EXPECT_FALSE(TPair(3).getIsFinished());

    // What a killed run leaves behind goes at the next run; other pairs' files stay.
    writeTextFile(getValueListFolder() + "3_0_4_2.vll.tmp-4242", "partial");
    writeTextFile(getOhlcFolder() + "USDJPY_1分間.hst.tmp-4242", "partial");
    writeTextFile(getValueListFolder() + "13_0_0.vll.tmp-4242", "another pair's");
    Recorder again;
    TPrecalculation(again.callbacks(), december, stamp2011).runUsdJpyOnly();
    EXPECT_FALSE(std::filesystem::exists(getValueListFolder() + "3_0_4_2.vll.tmp-4242"));
    EXPECT_FALSE(std::filesystem::exists(getOhlcFolder() + "USDJPY_1分間.hst.tmp-4242"));
    EXPECT_TRUE(std::filesystem::exists(getValueListFolder() + "13_0_0.vll.tmp-4242"));
    const std::vector<Event> expected = {std::string("USDJPY のデータを展開しています"), 30.0,
                                         std::string("USDJPY の値リストを生成しています"), 50.0};
    EXPECT_EQ(again.events, expected);
    EXPECT_TRUE(TPair(3).getIsFinished());

    Recorder finished;
    TPrecalculation(finished.callbacks(), december, stamp2011).runUsdJpyOnly();
    EXPECT_TRUE(finished.events.empty());
}

TEST_F(PrecalculationTest, AMissingSourceNamesPairAndFileAndLeavesNoMarker) {
    writeSource(TPair(0));
    try {
        TPrecalculation({}, december, stamp2011).runAllPairs({TPair(0), TPair(1)});
        FAIL() << "no error";
    } catch (const PrecalculationError& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind("GBPUSD: ", 0), 0u) << message;
        EXPECT_NE(message.find(getSourceFileName(TPair(1))), std::string::npos) << message;
    }
    EXPECT_TRUE(TPair(0).getIsFinished());
    EXPECT_FALSE(TPair(1).getIsFinished());
}

TEST_F(PrecalculationTest, AnUnwritableDataFolderIsAnErrorWithoutMarker) {
    writeSource(TPair(3));
    std::filesystem::remove_all(getValueListFolder());
    writeTextFile(getValueListFolder().substr(0, getValueListFolder().size() - 1), "a file, not a folder");
    EXPECT_THROW(TPrecalculation({}, december, stamp2011).runUsdJpyOnly(), PrecalculationError);
    EXPECT_FALSE(TPair(3).getIsFinished());
}

TEST_F(PrecalculationTest, DiskSpaceThresholdsOnTheDataFolder) {
    std::string askedFor;
    std::uint64_t free = 0;
    setFreeDiskSource([&](const std::string& path) -> std::optional<std::uint64_t> {
        askedFor = path;
        return free;
    });
    const std::pair<std::uint64_t, bool> allPairs[] = {
        {20480ull << 20, false}, {(20481ull << 20) - 1, false}, {20481ull << 20, true}};
    for (const auto& [bytes, enough] : allPairs) {
        free = bytes;
        EXPECT_EQ(hasDiskSpaceForAllPairs(), enough) << bytes;
    }
    free = 1024ull << 20;
    EXPECT_FALSE(hasDiskSpaceForUsdJpy());
    free = 1025ull << 20;
    EXPECT_TRUE(hasDiskSpaceForUsdJpy());
    EXPECT_EQ(askedFor, getDataFolder());
    setFreeDiskSource([](const std::string&) { return std::optional<std::uint64_t>(); });
    EXPECT_FALSE(hasDiskSpaceForUsdJpy());
}
