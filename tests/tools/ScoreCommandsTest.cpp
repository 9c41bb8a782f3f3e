#include "quorvane-data/ScoreCommands.h"
#include "data/PairList.h"
#include "domain/Folders.h"
#include "scoring/TotalResult.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

std::unique_ptr<TTestResult> finishedUsdJpyHour(std::int32_t firstMove) {
    auto test = std::make_unique<TTestResult>();
    test->pair = TPair(3);
    test->timeStep = TTimeStep(5);
    test->startTime = 46000.5;
    for (int k = 0; k < 20; ++k) {
        TSessionRecord& s = test->sessions[static_cast<size_t>(k)];
        s.pair = TPair(3);
        s.timeStep = TTimeStep(5);
        s.sessionNumber = k + 1;
        s.entryPrice = 100000;
        s.exitPrice = 100000 + (k == 0 ? firstMove : 0);
        s.answer = TPosition(k == 0 ? TPosition::Long : TPosition::Stay);
    }
    return test;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        out.push_back(line);
    }
    return out;
}

} // namespace

TEST(ScoreCommandsTest, CsvTotalsAndCells) {
    FolderSandbox sandbox;
    writeTextFile(getPairInfoFileName(), "0,EURUSD,0.00000,0.00001,5,15\r\n1,GBPUSD,0.00000,0.00001,5,30\r\n"
                                         "2,USDCHF,0.00000,0.00001,5,30\r\n3,USDJPY,0.000,0.001,3,10\r\n");
    const std::string file = sandbox.root() + "/score.txt";
    writeTextFile(file, TQuorvaneResult::formatLine(*finishedUsdJpyHour(500)) + "\r\n" +
                            TQuorvaneResult::formatLine(*finishedUsdJpyHour(-250)) + "\r\n");
    testing::internal::CaptureStdout();
    ASSERT_EQ(runScores({"--file", file, "--csv"}), 0);
    const auto out = lines(testing::internal::GetCapturedStdout());
    auto has = [&](const std::string& line) { return std::find(out.begin(), out.end(), line) != out.end(); };
    EXPECT_EQ(out.front(), "name,value");
    EXPECT_TRUE(has("testCount,2"));
    EXPECT_TRUE(has("winCount,1"));
    EXPECT_TRUE(has("totalProfit,0.25"));
    EXPECT_TRUE(has("profitFactor,2"));
    EXPECT_TRUE(has("barRatings0,0.5"));
    EXPECT_TRUE(has("pair,timeScale,count,averageRating,maxProfit"));
    EXPECT_TRUE(has("USDJPY,1時間,2,0.5,0.5"));
    EXPECT_EQ(out.back(), "USDJPY,1時間,2,0.5,0.5");
    EXPECT_EQ(pairList, nullptr); // the command leaves no global behind

    testing::internal::CaptureStdout();
    ASSERT_EQ(runScores({"--file", file}), 0);
    const std::string summary = testing::internal::GetCapturedStdout();
    EXPECT_NE(summary.find("Total profit:     250 yen (net 230 yen)"), std::string::npos) << summary;
    // 1 of 40 is 0.025 as a single, a hair above: 2.5000000 rounds to 3.
    EXPECT_NE(summary.find("Win rate:         3 %"), std::string::npos) << summary;
}
