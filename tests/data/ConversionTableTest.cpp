#include "data/ConversionTable.h"
#include "data/PairList.h"
#include "domain/DateTime.h"
#include "domain/Folders.h"
#include "platform/FileIo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

std::vector<TPairRecord> standardPairs() {
    std::vector<TPairRecord> records;
    for (int i = 0; i < TPair::count; ++i) {
        bool yen = TPair(i).getQuoteCurrency() == "JPY";
        records.push_back({i, TPair(i).getToString(), yen ? "0.000" : "0.00000", yen ? 0.001 : 0.00001, 0, 10});
    }
    return records;
}

class ConversionTableTest : public ::testing::Test {
protected:
    void SetUp() override { pairList = &pairs; }
    void TearDown() override { pairList = nullptr; }

    FolderSandbox sandbox;
    TPairList pairs{standardPairs()};
};

constexpr std::int32_t day1 = stamp2007 + 1440; // 2007-01-02

// Three consecutive days; the EURJPY rate missing on the first and the third.
const std::string threeDays = std::to_string(day1) + ",119000,-999999,230000,97000,93000,84000\r\n" +
                              std::to_string(day1 + 1440) + ",119500,112345,231000,97500,93500,84500\r\n" +
                              std::to_string(day1 + 2880) + ",120000,-999999,232000,98000,94000,85000\r\n";

} // namespace

TEST_F(ConversionTableTest, YenQuotedPairsNeedNoRate) {
    TConversionTable empty;
    EXPECT_EQ(empty.getCount(), 0);
    for (int p : {3, 6, 8, 9, 13, 15}) {
        EXPECT_EQ(empty.getConversionRate(TPair(p), day1), 1.0);
    }
}

TEST_F(ConversionTableTest, RatesAndTheirFallbacks) {
    writeTextFile(getConversionRateFileName(), threeDays);
    TConversionTable table;
    ASSERT_EQ(table.getCount(), 3);
    const TPair eurusd(0);
    struct Row {
        std::int32_t time;
        double rate;
    };
    const Row rows[] = {
        {day1 + 1440 + 600, 112.345}, // a day with a rate
        {day1 - 5000, 112.345},       // before the first day: the first rate that has a value
        {day1 + 300, 112.345},        // a day without a rate: the last rate that has a value
        {day1 + 10 * 1440, 112.345},  // after the last day
    };
    for (const Row& row : rows) {
        EXPECT_DOUBLE_EQ(table.getConversionRate(eurusd, row.time), row.rate) << row.time;
    }
    // 23:59 uses its own day, 00:00 the next.
    EXPECT_EQ(table.getRateValue(TPair(3), day1 + 1439), 119000);
    EXPECT_EQ(table.getRateValue(TPair(3), day1 + 1440), 119500);
    EXPECT_DOUBLE_EQ(table.getConversionRate(TPair(10), day1 + 2880), 120.0); // USDCAD via USDJPY
    EXPECT_DOUBLE_EQ(table.getConversionRate(TPair(14), day1), 84.0);         // NZDUSD via NZDJPY
    EXPECT_DOUBLE_EQ(table.getConversionRate(TPair(7), day1), 230.0);         // GBPCHF via GBPJPY
}

TEST_F(ConversionTableTest, MalformedLinesNameFileAndLine) {
    writeTextFile(getConversionRateFileName(), threeDays + "123,4,5\r\n");
    try {
        TConversionTable table;
        FAIL() << "accepted";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("conversionrate.txt\" line 4"), std::string::npos) << e.what();
    }
    writeTextFile(getConversionRateFileName(), "1,2,3,4,5,6,seven\r\n");
    EXPECT_THROW(TConversionTable{}, FileError);
}
