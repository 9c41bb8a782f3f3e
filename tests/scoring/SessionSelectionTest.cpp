#include "scoring/SessionSelection.h"
#include "data/HistoricalData.h"
#include "domain/Helpers.h"
#include "platform/FileIo.h"
#include "scoring/ScoringFixture.h"

#include <deque>

namespace {

constexpr std::int32_t M = missingValue;
const std::int32_t rangeStart = stamp2007;
const std::int32_t rangeEnd = stamp2011;

class SessionSelectionTest : public ScoringFixture {
protected:
    void TearDown() override {
        setRandomSource({});
        ScoringFixture::TearDown();
    }

    // The random source yields these moments in turn (the last one for ever after) and counts draws.
    void drawMoments(std::vector<std::int32_t> moments) {
        auto queue = std::make_shared<std::deque<std::int32_t>>(moments.begin(), moments.end());
        setRandomSource([this, queue] {
            ++draws;
            const std::int32_t t = queue->front();
            if (queue->size() > 1) {
                queue->pop_front();
            }
            return (t - rangeStart + 0.5) / (static_cast<double>(rangeEnd) - rangeStart + 1);
        });
    }

    // The five-minute USDJPY bars from `first`, one per close.
    static void saveBars(std::int32_t first, const std::vector<std::int32_t>& closes) {
        THistoricalData s;
        s.pair = TPair(3);
        s.timeStep = TTimeStep(2);
        std::int32_t t = first;
        for (std::int32_t c : closes) {
            s.append(isMissing(c) ? THistoricalRecord{t, M, M, M, M} : THistoricalRecord{t, c - 5, c + 5, c, c});
            t += 5;
        }
        s.save();
    }

    // A window of 20 + ahead bars with closes except at the given offsets, and a moving price.
    static std::vector<std::int32_t> windowCloses(int ahead, const std::vector<int>& missingAt) {
        std::vector<std::int32_t> closes;
        for (int k = 0; k < 20 + ahead; ++k) {
            closes.push_back(110000 + k);
        }
        for (int k : missingAt) {
            closes[static_cast<size_t>(k)] = M;
        }
        return closes;
    }

    TSessionSelector selector() const {
        TSessionSelector s;
        s.pair = TPair(3);
        s.timeStep = TTimeStep(2);
        return s;
    }

    int draws = 0;
};

std::vector<int> range(int from, int count) {
    std::vector<int> v;
    for (int i = 0; i < count; ++i) {
        v.push_back(from + i);
    }
    return v;
}

} // namespace

TEST(SessionSelectionRuleTest, SixtyPercentOfTheBars) {
    const std::tuple<int, int, bool> rows[] = {{12, 20, true},  {11, 20, false}, {6, 10, true},
                                               {5, 10, false},  {12, 20, true},  {18, 30, true},
                                               {17, 30, false}, {24, 40, true},  {23, 40, false}};
    for (const auto& [k, n, pass] : rows) {
        EXPECT_EQ(isFilledEnough(k, n), pass) << k << " of " << n;
    }
}

TEST_F(SessionSelectionTest, WindowsOfEverySessionGroup) {
    const std::int32_t first = stamp2007 + 100000;
    saveBars(first, windowCloses(40, {}));
    for (int session : {1, 6, 11, 16}) {
        drawMoments({first + 3}); // inside the first bar: aligned to its start
        const TSessionRecord r = selector().chooseSession(session);
        const int ahead = getBarsAhead(session);
        EXPECT_EQ(r.chartStartTime, first) << session;
        EXPECT_EQ(r.entryTime, first + 19 * 5);
        EXPECT_EQ(r.exitTime, r.entryTime + ahead * 5);
        EXPECT_EQ(r.entryPrice, 110019);
        EXPECT_EQ(r.exitPrice, 110019 + ahead);
        EXPECT_EQ(r.answer.getSerial(), TPosition::Undefined);
        EXPECT_EQ(r.sessionNumber, session);
        EXPECT_EQ(r.pair.getSerial(), 3);
        EXPECT_EQ(r.timeStep.getSerial(), 2);
    }
}

TEST_F(SessionSelectionTest, FillRulesDecideBetweenTwoCandidates) {
    const std::int32_t candidate = stamp2007 + 100000;
    const std::int32_t fallback = stamp2007 + 200000;
    struct Row {
        int session;
        std::vector<int> missingAt;
        bool taken;
    };
    const Row rows[] = {
        {1, range(1, 8), true},     // 12 of 20 shown bars
        {1, range(1, 9), false},    // 11 of 20
        {11, range(20, 12), true},  // 18 of 30 ahead
        {11, range(20, 13), false}, // 17 of 30
    };
    saveBars(fallback, windowCloses(40, {}));
    for (const Row& row : rows) {
        const int ahead = getBarsAhead(row.session);
        std::vector<std::int32_t> closes = windowCloses(ahead, row.missingAt);
        // Both windows in one file: the candidate, a gap, the fallback.
        std::vector<std::int32_t> all = closes;
        all.resize(static_cast<size_t>((fallback - candidate) / 5), M);
        const auto rest = windowCloses(40, {});
        all.insert(all.end(), rest.begin(), rest.end());
        saveBars(candidate, all);
        drawMoments({candidate, fallback});
        const TSessionRecord r = selector().chooseSession(row.session);
        EXPECT_EQ(r.chartStartTime, row.taken ? candidate : fallback) << row.session << " " << row.missingAt.size();
    }
}

TEST_F(SessionSelectionTest, AnUnchangedExitCloseIsRejected) {
    const std::int32_t candidate = stamp2007 + 100000;
    std::vector<std::int32_t> closes = windowCloses(10, {});
    closes[29] = closes[19];
    closes.resize(20000, M);
    const auto good = windowCloses(40, {});
    std::copy(good.begin(), good.end(), closes.begin() + 10000);
    saveBars(candidate, closes);
    drawMoments({candidate, candidate + 50000});
    EXPECT_EQ(selector().chooseSession(1).chartStartTime, candidate + 50000);
}

TEST_F(SessionSelectionTest, AfterTheBudgetTheLastCandidateIsTaken) {
    // A flat price everywhere: every candidate has closes but no price change.
    const std::int32_t first = stamp2007 + 100000;
    saveBars(first, std::vector<std::int32_t>(100, 110000));
    std::vector<std::int32_t> moments;
    moments.push_back(first - 5000); // key bars without closes: redrawn, not counted
    for (int i = 0; i < TSessionSelector::attemptBudget; ++i) {
        moments.push_back(first + 5 * (i % 40));
    }
    drawMoments(moments);
    const TSessionRecord r = selector().chooseSession(1);
    EXPECT_EQ(draws, 1 + TSessionSelector::attemptBudget);
    EXPECT_EQ(r.chartStartTime, first + 5 * ((TSessionSelector::attemptBudget - 1) % 40));
    EXPECT_EQ(r.entryPrice, 110000);
    EXPECT_EQ(r.exitPrice, 110000);
}

TEST_F(SessionSelectionTest, ABarFileWithoutAnyUsableWindowFailsClearly) {
    saveBars(stamp2007, {110000, M, M});
    seedRandom(5);
    try {
        selector().chooseSession(1);
        FAIL() << "no error";
    } catch (const SessionSelectionError& e) {
        EXPECT_NE(std::string(e.what()).find("USDJPY 5分間"), std::string::npos) << e.what();
    }
    const TSessionSelector noFile{TPair(0), TTimeStep(2)};
    EXPECT_THROW(noFile.chooseSession(1), FileError);
}
