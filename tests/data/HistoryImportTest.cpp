#include "data/HistoryImport.h"
#include "domain/DateTime.h"
#include "platform/FileIo.h"
#include "platform/TextFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
const std::int32_t jan2at9 = dateTimeToMinute(encodeDateTime(2007, 1, 2, 9, 0));

std::int32_t closeAt(const THistoricalData& s, std::int32_t time) {
    return s.getItem((time - s.getFirstTime())).close;
}
} // namespace

TEST(HistoryImportTest, EachFormatIsDetectedAndRead) {
    FolderSandbox sandbox;
    const std::pair<ImportFormat, std::string> files[] = {
        {ImportFormat::HistData, "20070102 090000;1.3201;1.3204;1.3199;1.3202;0\n"
                                 "20070102 090100;1.3202;1.3206;1.3200;1.3205;0\n"},
        {ImportFormat::MetaTrader, "2007.01.02,09:00,1.3201,1.3204,1.3199,1.3202,12\r\n"
                                   "2007.01.02,09:01,1.3202,1.3206,1.3200,1.3205,7\r\n"},
        {ImportFormat::Dukascopy, "Gmt time,Open,High,Low,Close,Volume\n"
                                  "02.01.2007 09:00:00.000,1.32010,1.32040,1.31990,1.32020,1234.5\n"
                                  "02.01.2007 09:01:00.000,1.32020,1.32060,1.32000,1.32050,99\n"},
        {ImportFormat::Generic, "time,open,high,low,close\n2007-01-02 09:00:00,1.3201,1.3204,1.3199,1.3202\n"
                                "2007-01-02 09:01,1.3202,1.3206,1.3200,1.3205,5\n"},
    };
    for (const auto& [format, content] : files) {
        const std::string file = sandbox.root() + "/in.csv";
        writeTextFile(file, content);
        EXPECT_EQ(detectImportFormat(loadTextLines(file)), format) << importFormatName(format);
        THistoryImport import(TPair(0), 0.00001, 0);
        import.addFile(file);
        EXPECT_EQ(import.getRowsRead(), 2) << importFormatName(format);
        EXPECT_EQ(import.getRowsRejected(), 0);
        const THistoricalData s = import.build();
        ASSERT_EQ(s.getCount(), 2) << importFormatName(format);
        EXPECT_EQ(s.getFirstTime(), jan2at9);
        EXPECT_EQ(s.getItem(0).open, 132010);
        EXPECT_EQ(s.getItem(0).low, 131990);
        EXPECT_EQ(s.getItem(1).close, 132050);
        EXPECT_EQ(s.timeStep.getSerial(), 0);
    }
}

TEST(HistoryImportTest, FilesMergeInTimeOrderAndTheLaterFileWins) {
    FolderSandbox sandbox;
    writeTextFile(sandbox.root() + "/feb.csv", "2007-02-01 00:00,110.000,110.010,109.990,110.005\n");
    writeTextFile(sandbox.root() + "/jan.csv", "2007-01-31 23:58,111.000,111.010,110.990,111.005\n"
                                               "2007-02-01 00:00,112.000,112.010,111.990,112.005\n");
    THistoryImport import(TPair(3), 0.001, 9); // GMT to Japan time
    import.addFile(sandbox.root() + "/feb.csv");
    import.addFile(sandbox.root() + "/jan.csv");
    const THistoricalData s = import.build();
    const std::int32_t first = dateTimeToMinute(encodeDateTime(2007, 2, 1, 8, 58));
    ASSERT_EQ(s.getFirstTime(), first);
    ASSERT_EQ(s.getCount(), 3); // 08:58, a missing 08:59, 09:00
    EXPECT_EQ(s.getItem(1).close, missingValue);
    EXPECT_EQ(closeAt(s, first + 2), 112005);
    EXPECT_EQ(closeAt(s, first), 111005);
}

TEST(HistoryImportTest, BadRowsAreCountedAndReported) {
    FolderSandbox sandbox;
    const std::string file = sandbox.root() + "/bad.csv";
    writeTextFile(file, "2007-01-02 09:00,1.3201,1.3204,1.3199,1.3202\n"
                        "2007-01-02 09:01,1.3202,1.3190,1.3200,1.3195\n" // high below low
                        "2007-01-02 09:02,0,1.3206,1.3200,1.3205\n"      // a price of zero
                        "2007-01-02 09:03,abc,1.3206,1.3200,1.3205\n"    // no number
                        "2007-02-30 09:04,1.3202,1.3206,1.3200,1.3205\n" // no such day
                        "2007-01-02 09:05,1.3202,1.3206\n");             // too few fields
    THistoryImport import(TPair(0), 0.00001, 0);
    import.addFile(file, ImportFormat::Generic);
    EXPECT_EQ(import.getRowsRead(), 6);
    EXPECT_EQ(import.getRowsRejected(), 5);
    ASSERT_EQ(import.getProblems().size(), 5u);
    EXPECT_EQ(import.getProblems()[0], file + ":2: high below low");
    EXPECT_NE(import.getProblems()[1].find("zero or negative"), std::string::npos);
    EXPECT_EQ(import.build().getCount(), 1);

    writeTextFile(file, "2007-01-02 09:01,1.3202,1.3190,1.3200,1.3195\n");
    THistoryImport nothing(TPair(0), 0.00001, 0);
    nothing.addFile(file);
    EXPECT_THROW(nothing.build(), FileError);
    writeTextFile(file, "hello\nworld\n");
    EXPECT_THROW(nothing.addFile(file), FileError); // the format cannot be told
}

TEST(HistoryImportTest, WeekdayCoverage) {
    THistoricalData s;
    const std::int32_t friday = dateTimeToMinute(encodeDateTime(2007, 1, 5, 23, 58));
    s.append({friday, 1, 2, 1, 1});
    s.append({friday + 3 * 1440, 1, 2, 1, 1}); // Monday 23:58
    s.timeStep = TTimeStep(0);
    s.expand(friday, friday + 3 * 1440 + 1);
    // Weekday minutes: Friday 23:58, 23:59 and Monday 00:00 to 23:58; two of them have a bar.
    EXPECT_DOUBLE_EQ(THistoryImport::weekdayCoverage(s), 2.0 / (2 + 1439));
}
