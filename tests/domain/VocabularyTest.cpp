#include "domain/CalcValue.h"
#include "domain/ChartTypes.h"
#include "domain/DateTime.h"
#include "domain/Pair.h"
#include "domain/Position.h"
#include "domain/TimeStep.h"
#include "support/TestSupport.h"

#include <functional>
#include <gtest/gtest.h>

TEST(PairTest, SetStrTrimsAndMatchesCaseSensitively) {
    MessageRecorder recorder;
    TPair pair(0);
    pair.setStr(" USDJPY ");
    EXPECT_EQ(pair.getSerial(), 3);
    EXPECT_TRUE(recorder.messages.empty());

    pair.setStr("usdjpy");
    EXPECT_EQ(pair.getSerial(), 3);
    EXPECT_EQ(recorder.texts(), std::vector<std::string>{"Error: TPair.setStr"});
}

TEST(PairTest, NamesAndCurrencies) {
    for (int i = 0; i < TPair::count; ++i) {
        TPair pair(i);
        TPair back;
        back.setStr(pair.getToString());
        EXPECT_EQ(back.getSerial(), i);
    }
    EXPECT_EQ(TPair(15).getToString(), "NZDJPY");
    EXPECT_EQ(TPair(11).getBaseCurrency(), "EUR");
    EXPECT_EQ(TPair(11).getQuoteCurrency(), "CAD");
}

TEST(TimeStepTest, TextsAndMinutes) {
    struct Row {
        int serial;
        const char* candle;
        const char* text;
        int minutes;
    };
    const Row rows[] = {{0, "1分足", "1分間", 1},       {3, "10分足", "10分間", 10}, {5, "1時間足", "1時間", 60},
                        {8, "12時間足", "12時間", 720}, {9, "1日足", "1日間", 1440}, {13, "30日足", "30日間", 43200}};
    for (const Row& row : rows) {
        TTimeStep step(row.serial);
        EXPECT_EQ(step.getToCandleString(), row.candle) << row.serial;
        EXPECT_EQ(step.getToString(), row.text) << row.serial;
        EXPECT_EQ(step.getMinute(), row.minutes) << row.serial;
    }
    EXPECT_EQ(TTimeUnit(TTimeUnit::hour).getToString2(), "時間");
    EXPECT_EQ(TTimeUnit(TTimeUnit::hour).getToString(), "時");
}

TEST(TimeStepTest, SelectableStepsMapBothWays) {
    const char* texts[] = {"1分間", "5分間", "30分間", "1時間", "6時間", "1日間"};
    for (int q = 0; q < TQuorvaneTimeStep::count; ++q) {
        TQuorvaneTimeStep step(q);
        EXPECT_EQ(step.getToString(), texts[q]);
        EXPECT_EQ(timeStepSerialToQuorvaneTimeStepSerial(step.getTimeStep().getSerial()), q);
    }
    MessageRecorder recorder;
    timeStepSerialToQuorvaneTimeStepSerial(3);
    EXPECT_EQ(recorder.texts(), std::vector<std::string>{"Error: timeStepSerialToQuorvaneTimeStepSerial"});
}

TEST(GridTest, AlignAndIndexArithmetic) {
    EXPECT_EQ(alignTime(3682080 + 7, TTimeStep(2)), 3682085);
    EXPECT_EQ(alignTime(3682085, TTimeStep(2)), 3682085);
    const std::int32_t aligned = alignTime(3682080 + 3 * 1440 + 777, TTimeStep(9));
    EXPECT_EQ(aligned, 3682080 + 3 * 1440);
    EXPECT_EQ(aligned % 1440, 0); // midnight
    for (int s : {0, 2, 4, 5, 7, 9, 13}) {
        const int last = (stamp2011 - stamp2007) / TTimeStep(s).getMinute();
        for (int i : {0, 1, 19, last / 2, last}) {
            EXPECT_EQ(timeToIndex(indexToTime(i, TTimeStep(s), 3682080), TTimeStep(s), 3682080), i);
        }
    }
    EXPECT_EQ(timeToIndex(3682080 - 3, TTimeStep(2), 3682080), 0); // truncated toward zero
}

TEST(VocabularyTest, OutOfRangeSerialsAreReported) {
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[] { TPair(16).getToString(); }, "TPair.getToString"},
        {[] { TTimeStep(14).getMinute(); }, "TTimeStep.getMinute"},
        {[] { TTimeStep(14).getTimeUnit(); }, "TTimeStep.getTimeUnit"},
        {[] { TTimeStep(14).getTimeValue(); }, "TTimeStep.getTimeValue"},
        {[] { TTimeStep(14).getToCandleString(); }, "TTimeStep.getToCandleString"},
        {[] { TTimeUnit(3).getToString(); }, "TTimeUnit.getToString"},
        {[] { TTimeUnit(3).getToString2(); }, "TTimeUnit.getToString2"},
        {[] { TCalcValueType(8).getPeriodGroup(); }, "TCalcValueType.getPeriodGroup"},
        {[] { TCalcPeriod(16).getPeriodValue(); }, "TCalcPeriod.getPeriodValue"},
        {[] { TCalcPeriod(16).getIsBarPeriod(); }, "TCalcPeriod.getPeriodValue"},
        {[] { TCalcPeriod(16).getToString(); }, "TCalcPeriod.getToString"},
        {[] { TChartColor(15).getColor(); }, "TChartColor.getColor"},
        {[] { TChartValueType(7).getIsTwoLines(); }, "TChartValueType.getIsTwoLines"},
        {[] { TChartValueType(7).getLine1(); }, "TChartValueType.getLine1"},
        {[] { TChartValueType(3).getLine2(); }, "TChartValueType.getLine2"},
        {[] { TChartValueType(7).getPeriodGroup(); }, "TChartValueType.getPeriodGroup"},
        {[] { TChartValueType(7).getToString(); }, "TChartValueType.getToString"},
    };
    for (const auto& [call, text] : cases) {
        MessageRecorder recorder;
        call();
        EXPECT_EQ(recorder.texts(), std::vector<std::string>{std::string("Error: ") + text});
    }
    MessageRecorder quiet;
    EXPECT_EQ(TPosition(4).getToString(), "");
    EXPECT_TRUE(quiet.messages.empty());
}

TEST(VocabularyTest, IndicatorKindsPeriodsAndColours) {
    EXPECT_EQ(TChartValueType(2).getPeriodGroup(), 2);
    EXPECT_EQ(TChartValueType(1).getPeriodGroup(), 1);
    EXPECT_EQ(TChartValueType(0).getPeriodGroup(), 0);
    EXPECT_EQ(TChartValueType(4).getLine1(), 4);
    EXPECT_EQ(TChartValueType(4).getLine2(), 7);
    EXPECT_EQ(TChartValueType(6).getLine2(), 9);
    EXPECT_TRUE(TChartValueType(5).getIsTwoLines());
    EXPECT_FALSE(TChartValueType(3).getIsTwoLines());
    EXPECT_EQ(TCalcPeriod(5).getToString(), "160 Bar");
    EXPECT_EQ(TCalcPeriod(11).getToString(), "30 日");
    EXPECT_EQ(TCalcPeriod(15).getPeriodValue(), 720);
    EXPECT_FALSE(TCalcPeriod(6).getIsBarPeriod());
    EXPECT_EQ(TCalcValueType(5).getPeriodGroup(), 2);
    EXPECT_EQ(TCalcValueType(3).getPeriodGroup(), 1);
    EXPECT_EQ(TChartColor(11).getColor(), 0x0000FFu); // red
    EXPECT_EQ(TChartColor(12).getColor(), 0xF0CAA6u); // sky blue
    EXPECT_EQ(TPosition(2).getToString(), "Stay");
}

TEST(VocabularyTest, SerialTextsRoundTrip) {
    TPosition position;
    position.setSerialStr("2");
    EXPECT_EQ(position.getSerial(), 2);
    EXPECT_EQ(TTimeStep(9).getSerialString(), "9");
    EXPECT_THROW(position.setSerialStr("x"), std::invalid_argument);
}
