#pragma once
// The score history: every test started, in order, the all-time totals of the finished ones, and the
// file score.txt that keeps them.
#include "scoring/TestResult.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class TResultList {
public:
    int getCount() const { return static_cast<int>(tests_.size()); }
    TTestResult& getTest(int i) { return *tests_.at(static_cast<size_t>(i)); }
    const TTestResult& getTest(int i) const { return *tests_.at(static_cast<size_t>(i)); }
    void add(std::unique_ptr<TTestResult> test) { tests_.push_back(std::move(test)); }
    void clearTests() { tests_.clear(); }
    bool empty() const { return tests_.empty(); }

private:
    std::vector<std::unique_ptr<TTestResult>> tests_;
};

struct TScoreCell {
    std::int32_t count = 0;
    float maxProfit = 0;
    float ratingSum = 0;

    float getAverageRating() const;
};

class TQuorvaneResult {
public:
    static constexpr int fieldsPerLine = 4 + 9 * TTestResult::sessionCount; // 184

    // Loads `fileName` (score.txt of the data folder when empty) and computes the totals.
    explicit TQuorvaneResult(std::string fileName = {});

    float netLossProfit = 0;
    float winRate = 0;
    std::int32_t evenCount = 0;
    float netWinProfit = 0;
    float averageLoss = 0;
    std::int32_t lossCount = 0;
    float averageWin = 0;
    std::int32_t winCount = 0;
    std::int32_t testCount = 0;
    float lossProfit = 0;
    float netTotalProfit = 0;
    float winProfit = 0;
    float netWinRate = 0;
    std::int32_t netEvenCount = 0;
    float netAverageLoss = 0;
    std::int32_t netLossCount = 0;
    TResultList tests;
    float netAverageWin = 0;
    std::int32_t netWinCount = 0;
    float totalProfit = 0;
    std::int32_t sessionCount = 0;
    float payoffRatio = 0;
    float rating = 0;
    float profitFactor = 0;
    float netProfitFactor = 0;
    float netPayoffRatio = 0;
    std::array<std::array<TScoreCell, 6>, TPair::count> scoreCells{};
    std::array<TScoreCell, TPair::count> pairTotals{};
    std::array<TScoreCell, 6> timeScaleTotals{};
    std::array<float, 4> barRatings{};

    // Takes ownership, computes the test and the totals. Does not save.
    void addTest(std::unique_ptr<TTestResult> test);
    TTestResult* getCurrentTest();
    bool getHasUnfinishedTest() const;
    void calculate();

    // Writes every test, one line each, to a temporary file that is flushed and renamed into place.
    // Throws FileError.
    void save() const;
    // Reads the file; a missing file is an empty history. Malformed lines are skipped and reported once
    // (file and line numbers); the damaged file is kept as it was beside score.txt before the next save
    // replaces it. Returns the name of that copy, or an empty text when every line was good.
    std::string load();

    const std::string& getFileName() const { return fileName_; }
    // The line of a test in score.txt, and its reverse (throws std::invalid_argument for a bad line).
    static std::string formatLine(const TTestResult& test);
    static std::unique_ptr<TTestResult> parseLine(const std::string& line);

private:
    std::string fileName_;
};
