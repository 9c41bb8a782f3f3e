#include "scoring/TotalResult.h"
#include "platform/FileIo.h"
#include "platform/TextFile.h"
#include "scoring/ScoringFixture.h"

#include <filesystem>

namespace {

using TotalResultTest = ScoringFixture;
constexpr int L = TPosition::Long, S = TPosition::Short;

// A finished test whose first session moved `move` points under `answer` and every other session Stayed.
std::unique_ptr<TTestResult> finishedTest(int pair, int step, std::int32_t move, int answer) {
    std::vector<int> answers(20, TPosition::Stay);
    answers[0] = answer;
    return ScoringFixture::makeTest(pair, step, {move}, answers);
}

} // namespace

TEST_F(TotalResultTest, AnEmptyHistory) {
    TQuorvaneResult history;
    EXPECT_TRUE(history.tests.empty());
    EXPECT_EQ(history.testCount, 0);
    EXPECT_EQ(history.winRate, 0.0f);
    EXPECT_EQ(history.rating, 0.0f);
    EXPECT_EQ(history.profitFactor, 9.99f);
    EXPECT_EQ(history.netProfitFactor, 9.99f);
    EXPECT_EQ(history.payoffRatio, 9.99f);
    EXPECT_EQ(history.netPayoffRatio, 9.99f);
    EXPECT_EQ(history.getCurrentTest(), nullptr);
    EXPECT_FALSE(history.getHasUnfinishedTest());
}

TEST_F(TotalResultTest, OnlyFinishedTestsCount) {
    TQuorvaneResult history;
    history.addTest(makeTest(3, 5, {1000, 1000}, {L, L}));
    EXPECT_EQ(history.testCount, 0);
    EXPECT_TRUE(history.getHasUnfinishedTest());
    EXPECT_EQ(history.getCurrentTest()->winCount, 2); // the test itself is computed
    EXPECT_EQ(history.totalProfit, 0.0f);
}

TEST_F(TotalResultTest, CellsTotalsAndGuards) {
    TQuorvaneResult history;
    history.addTest(finishedTest(3, 5, 500, S)); // USDJPY 1 hour: −0.5
    history.addTest(finishedTest(3, 5, 200, S)); // −0.2
    EXPECT_EQ(history.scoreCells[3][3].maxProfit, 0.0f);
    EXPECT_EQ(history.scoreCells[3][3].count, 2);
    EXPECT_EQ(history.lossProfit, -0.7f);
    EXPECT_EQ(history.averageWin, 0.0f);
    EXPECT_EQ(history.profitFactor, 0.0f);
    history.addTest(finishedTest(3, 5, 300, L)); // +0.3
    EXPECT_FLOAT_EQ(history.scoreCells[3][3].maxProfit, 0.3f);
    history.addTest(finishedTest(0, 9, 100, L)); // EURUSD 1 day: +0.15
    EXPECT_EQ(history.testCount, 4);
    EXPECT_EQ(history.sessionCount, 80);
    EXPECT_EQ(history.winCount, 2);
    EXPECT_EQ(history.lossCount, 2);
    EXPECT_EQ(history.evenCount, 76);
    EXPECT_FLOAT_EQ(history.winRate, 2.0f / 80);
    EXPECT_FLOAT_EQ(history.averageWin, 0.45f / 2);
    EXPECT_FLOAT_EQ(history.averageLoss, -0.7f / 2);
    EXPECT_FLOAT_EQ(history.payoffRatio, 0.225f / 0.35f);
    EXPECT_FLOAT_EQ(history.profitFactor, 0.45f / 0.7f);
    EXPECT_FLOAT_EQ(history.rating, 0.45f / 1.15f);
    EXPECT_EQ(history.pairTotals[3].count, 3);
    EXPECT_FLOAT_EQ(history.pairTotals[3].maxProfit, 0.3f);
    EXPECT_EQ(history.timeScaleTotals[5].count, 1);
    EXPECT_FLOAT_EQ(history.timeScaleTotals[5].getAverageRating(), 1.0f);
    EXPECT_FLOAT_EQ(history.scoreCells[3][3].getAverageRating(), 1.0f / 3);
    EXPECT_FLOAT_EQ(history.barRatings[0], 2.0f / 4);
    EXPECT_EQ(history.barRatings[1], 0.0f);
}

TEST_F(TotalResultTest, NoLossAfterTheSpreadGivesTheGuardValues) {
    TQuorvaneResult history;
    history.addTest(finishedTest(3, 5, 500, L));
    EXPECT_EQ(history.lossProfit, 0.0f);
    EXPECT_EQ(history.averageLoss, 0.0f);
    EXPECT_EQ(history.netAverageLoss, 0.0f);
    EXPECT_EQ(history.profitFactor, 9.99f);
    EXPECT_EQ(history.payoffRatio, 9.99f);
    EXPECT_EQ(history.netPayoffRatio, 9.99f);
}

TEST_F(TotalResultTest, SaveAndLoadKeepEveryStoredField) {
    {
        TQuorvaneResult history;
        history.addTest(finishedTest(3, 5, 500, L));
        history.addTest(makeTest(6, 0, {70, -30}, {S, TPosition::Stay}));
        history.save();
    }
    const std::vector<std::string> lines = loadTextLines(getScoreFileName());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("2026/12/11,09:30:15,3,5,3,5,", 0), 0u) << lines[0];
    EXPECT_EQ(std::count(lines[1].begin(), lines[1].end(), ','), 183);
    EXPECT_NE(readFileBytes(getScoreFileName()).find("\r\n"), std::string::npos);

    TQuorvaneResult loaded;
    ASSERT_EQ(loaded.tests.getCount(), 2);
    const auto original = makeTest(6, 0, {70, -30}, {S, TPosition::Stay});
    const TTestResult& t = loaded.tests.getTest(1);
    EXPECT_EQ(t.startTime, original->startTime);
    EXPECT_EQ(t.pair.getSerial(), 6);
    EXPECT_EQ(t.timeStep.getSerial(), 0);
    for (size_t k = 0; k < 20; ++k) {
        const TSessionRecord &a = t.sessions[k], &b = original->sessions[k];
        EXPECT_EQ(std::tie(a.chartStartTime, a.entryTime, a.exitTime, a.entryPrice, a.exitPrice, a.answerTime,
                           a.sessionNumber),
                  std::tie(b.chartStartTime, b.entryTime, b.exitTime, b.entryPrice, b.exitPrice, b.answerTime,
                           b.sessionNumber));
        EXPECT_EQ(a.answer.getSerial(), b.answer.getSerial());
        EXPECT_EQ(a.pair.getSerial(), 6);
    }
    EXPECT_EQ(loaded.testCount, 1);
    EXPECT_TRUE(loaded.getHasUnfinishedTest());
    EXPECT_EQ(TQuorvaneResult::formatLine(t), lines[1]);
}

TEST_F(TotalResultTest, AMalformedLineCostsNoOtherLineAndTheFileIsKept) {
    const std::string good = TQuorvaneResult::formatLine(*finishedTest(3, 5, 500, L));
    const std::string content = good + "\r\n" + "2026/12/11,09:30:15,3,5,garbled\r\n" + good + "\r\n" +
                                "2026/13/45,09:30:15" + good.substr(19) + "\r\n" + good + "\r\n";
    writeTextFile(getScoreFileName(), content);
    MessageRecorder recorder;
    TQuorvaneResult history;
    EXPECT_EQ(history.tests.getCount(), 3);
    EXPECT_EQ(history.testCount, 3);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_NE(recorder.messages[0].find("2, 4 行目"), std::string::npos) << recorder.messages[0];
    EXPECT_NE(recorder.messages[0].find("score.txt"), std::string::npos);

    std::vector<std::string> copies;
    for (const auto& entry : std::filesystem::directory_iterator(getUserFolder())) {
        if (entry.path().filename().string().rfind("score.txt.damaged-", 0) == 0) {
            copies.push_back(entry.path().string());
        }
    }
    ASSERT_EQ(copies.size(), 1u);
    history.save();
    EXPECT_EQ(readFileBytes(copies[0]), content);
    EXPECT_EQ(loadTextLines(getScoreFileName()).size(), 3u);
}

TEST_F(TotalResultTest, ATestOutsideTheTablesStaysInTheFileButNotInTheTotals) {
    auto odd = finishedTest(3, 5, 500, L);
    odd->pair = TPair(20);
    auto tenMinutes = finishedTest(3, 3, 500, L); // a time step that is not selectable
    const std::string content = TQuorvaneResult::formatLine(*odd) + "\r\n" + TQuorvaneResult::formatLine(*tenMinutes) +
                                "\r\n" + TQuorvaneResult::formatLine(*finishedTest(3, 5, 500, L)) + "\r\n";
    writeTextFile(getScoreFileName(), content);
    TQuorvaneResult history;
    EXPECT_EQ(history.tests.getCount(), 3);
    EXPECT_EQ(history.testCount, 1);
    history.save();
    EXPECT_EQ(readFileBytes(getScoreFileName()), content);
}
