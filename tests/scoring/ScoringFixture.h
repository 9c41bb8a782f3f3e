#pragma once
// Pair information and conversion rates for the scoring tests: yen pairs at 0.001, the others at
// 0.00001, spreads of 10 points; every yen cross at 1.000 yen per unit on every day, EURJPY at 150.000.
#include "data/ConversionTable.h"
#include "data/PairList.h"
#include "domain/DateTime.h"
#include "domain/Folders.h"
#include "scoring/TestResult.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>

class ScoringFixture : public ::testing::Test {
public:
    void SetUp() override {
        std::vector<TPairRecord> records;
        for (int i = 0; i < TPair::count; ++i) {
            const bool yen = TPair(i).getQuoteCurrency() == "JPY";
            records.push_back({i, TPair(i).getToString(), yen ? "0.000" : "0.00000", yen ? 0.001 : 0.00001, 0, 10});
        }
        pairs = std::make_unique<TPairList>(records);
        pairList = pairs.get();
        writeTextFile(getConversionRateFileName(), std::to_string(stamp2007) + ",1000,150000,1000,1000,1000,1000\r\n");
        rates = std::make_unique<TConversionTable>();
        conversionTable = rates.get();
        createDataFolders();
    }
    void TearDown() override {
        pairList = nullptr;
        conversionTable = nullptr;
    }

    // A test of `pair` and `step` whose session k (from 1) moved moves[k-1] points and was answered
    // answers[k-1]; sessions beyond the answers are unanswered.
    static std::unique_ptr<TTestResult> makeTest(int pair, int step, const std::vector<std::int32_t>& moves,
                                                 const std::vector<int>& answers) {
        auto test = std::make_unique<TTestResult>();
        test->pair = TPair(pair);
        test->timeStep = TTimeStep(step);
        test->startTime = encodeDateTime(2026, 12, 11, 9, 30, 15);
        for (int k = 1; k <= TTestResult::sessionCount; ++k) {
            TSessionRecord& s = test->sessions[static_cast<size_t>(k - 1)];
            s.pair = TPair(pair);
            s.timeStep = TTimeStep(step);
            s.sessionNumber = k;
            s.entryPrice = 100000;
            s.exitPrice = 100000 + (k <= static_cast<int>(moves.size()) ? moves[static_cast<size_t>(k - 1)] : 0);
            s.entryTime = stamp2007 + 60 * k;
            s.exitTime = s.entryTime + 600;
            s.chartStartTime = s.entryTime - 19;
            s.answerTime = 1000 + k;
            s.answer = TPosition(k <= static_cast<int>(answers.size()) ? answers[static_cast<size_t>(k - 1)]
                                                                       : TPosition::Undefined);
        }
        return test;
    }

    FolderSandbox sandbox;
    std::unique_ptr<TPairList> pairs;
    std::unique_ptr<TConversionTable> rates;
};
