#include "scoring/ScoringFixture.h"

namespace {
using TestResultTest = ScoringFixture;
constexpr int L = TPosition::Long, S = TPosition::Short, Y = TPosition::Stay;
} // namespace

TEST(SessionRecordTest, BarsAheadAndGroups) {
    const std::tuple<int, int, int> rows[] = {{1, 10, 0},  {5, 10, 0},  {6, 20, 1},  {10, 20, 1},
                                              {11, 30, 2}, {15, 30, 2}, {16, 40, 3}, {20, 40, 3}};
    for (const auto& [session, ahead, group] : rows) {
        EXPECT_EQ(getBarsAhead(session), ahead) << session;
        EXPECT_EQ(getBarGroup(session), group) << session;
    }
}

TEST_F(TestResultTest, AnEmptyTest) {
    auto test = makeTest(3, 5, {}, {});
    test->calculate();
    EXPECT_EQ(test->getAnsweredCount(), 0);
    EXPECT_EQ(test->winCount + test->lossCount + test->evenCount + test->netWinCount, 0);
    EXPECT_EQ(test->winRate, 0.0f);
    EXPECT_EQ(test->rating, 0.0f);
    EXPECT_EQ(test->barRatings, (std::array<float, 4>{}));
    EXPECT_EQ(test->profitFactor, 9.99f);
    EXPECT_EQ(test->netProfitFactor, 9.99f);
}

TEST_F(TestResultTest, VerdictsOfOneSession) {
    struct Row {
        int pair;
        int answer;
        std::int32_t move;
        float profit;
        bool win, loss, netWin, netEven;
    };
    const Row rows[] = {
        {3, Y, 500, 0.0f, false, false, false, true},     // Stay: even in both sets though the price moved
        {3, L, 10, 0.01f, true, false, false, true},      // a move equal to the spread: win, net even
        {3, L, 1000, 1.0f, true, false, true, false},     // a yen pair's 1000-point rise is 1 yen
        {3, S, 1000, -1.0f, false, true, false, false},   // Short on a rise
        {12, L, 5, 0.00005f, false, false, false, true},  // AUDUSD via AUDJPY at 1.000: 0.00005 yen is even
        {12, S, 20, -0.0002f, false, true, false, false}, // −0.0002 yen is a loss
        {0, L, 100, 0.15f, true, false, true, false},     // EURUSD via EURJPY at 150.000
    };
    for (const Row& row : rows) {
        auto test = makeTest(row.pair, 5, {row.move}, {row.answer});
        const TSessionRecord& s = test->sessions[0];
        EXPECT_FLOAT_EQ(s.getProfit(), row.profit) << row.pair << " " << row.move;
        EXPECT_EQ(s.getIsWin(), row.win) << row.move;
        EXPECT_EQ(s.getIsLoss(), row.loss) << row.move;
        EXPECT_EQ(s.getIsEven(), !row.win && !row.loss) << row.move;
        EXPECT_EQ(s.getIsNetWin(), row.netWin) << row.move;
        EXPECT_EQ(s.getIsNetEven(), row.netEven) << row.move;
    }
}

TEST_F(TestResultTest, TotalsRatingsAndBarGroups) {
    // Sessions 1-3 answered: +2 yen, −1 yen, Stay.
    auto test = makeTest(3, 5, {2000, 1000, 3000}, {L, S, Y});
    test->calculate();
    EXPECT_EQ(test->getAnsweredCount(), 3);
    EXPECT_EQ(std::tie(test->winCount, test->lossCount, test->evenCount), std::make_tuple(1, 1, 1));
    EXPECT_FLOAT_EQ(test->totalProfit, 1.0f);
    EXPECT_FLOAT_EQ(test->netTotalProfit, 1.0f - 0.02f);
    EXPECT_FLOAT_EQ(test->totalAbsProfit, 3.0f);
    EXPECT_FLOAT_EQ(test->rating, 4.0f / 6.0f);
    EXPECT_FLOAT_EQ(test->winRate, 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(test->profitFactor, 2.0f);
    EXPECT_FLOAT_EQ(test->barRatings[0], 4.0f / 6.0f);
    EXPECT_EQ(test->barRatings[1], 0.0f);
    EXPECT_EQ(test->barRatings[3], 0.0f);
    EXPECT_FALSE(test->getIsFinished());

    auto allWins = makeTest(3, 5, std::vector<std::int32_t>(20, 500), std::vector<int>(20, L));
    allWins->calculate();
    EXPECT_TRUE(allWins->getIsFinished());
    EXPECT_EQ(allWins->profitFactor, 9.99f);
    EXPECT_EQ(allWins->rating, 1.0f);
    EXPECT_EQ(allWins->barRatings[3], 1.0f);
    EXPECT_EQ(allWins->winRate, 1.0f);
}

TEST_F(TestResultTest, SumsAreKeptInSinglePrecision) {
    // Twenty Long answers of 0.1 yen: a double sum would be 2.0000000000000004, a single sum is the
    // float sequence below.
    auto test = makeTest(3, 5, std::vector<std::int32_t>(20, 100), std::vector<int>(20, L));
    test->calculate();
    float expected = 0;
    for (int i = 0; i < 20; ++i) {
        expected += 0.1f;
    }
    EXPECT_EQ(test->totalProfit, expected);
}
