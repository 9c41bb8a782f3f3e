#include "quorvane-data/DataCommands.h"
#include "data/HistoricalData.h"
#include "data/ValueList.h"
#include "domain/DateTime.h"
#include "domain/Folders.h"
#include "platform/FileIo.h"
#include "quorvane-data/Arguments.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

const char* pairInfo = "0,EURUSD,0.00000,0.00001,5,15\r\n1,GBPUSD,0.00000,0.00001,5,30\r\n"
                       "2,USDCHF,0.00000,0.00001,5,30\r\n3,USDJPY,0.000,0.001,3,10\r\n";

class DataCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { writeTextFile(getPairInfoFileName(), pairInfo); }
    std::string input(const std::string& name, const std::string& content) {
        const std::string path = sandbox.root() + "/" + name;
        writeTextFile(path, content);
        return path;
    }
    FolderSandbox sandbox;
};

} // namespace

TEST_F(DataCommandsTest, ImportWritesTheSourceHistoryAndAFailedImportKeepsTheOldOne) {
    const std::string good = input("good.csv", "2007.01.02,09:00,119.010,119.040,118.990,119.020,3\n"
                                               "2007.01.02,09:02,119.020,119.060,119.000,119.050,3\n");
    ASSERT_EQ(runImport({"--pair", "USDJPY", good}), 0);
    const std::string target = getSourceFileName(TPair(3));
    THistoricalData s;
    s.loadFromFile(target);
    ASSERT_EQ(s.getCount(), 3);
    EXPECT_EQ(s.getItem(2).close, 119050);
    const std::string before = readFileBytes(target);

    const std::string bad = input("bad.csv", "2007.01.02,09:00,119.010,118.040,118.990,119.020,3\n");
    EXPECT_THROW(runImport({"--pair", "USDJPY", bad}), FileError);
    EXPECT_EQ(readFileBytes(target), before);
    EXPECT_THROW(runImport({"--pair", "XXXYYY", good}), UsageError);
    EXPECT_THROW(runImport({"--pair", "USDJPY", "--format", "csv", good}), UsageError);
}

TEST_F(DataCommandsTest, RatesTakeTheLastCloseOfEachDay) {
    const std::string usdjpy = input("usdjpy.csv", "2007-01-02 10:00,119.000,119.000,119.000,119.000\n"
                                                   "2007-01-02 23:59,119.500,119.500,119.500,119.500\n"
                                                   "2007-01-04 00:00,120.000,120.000,120.000,120.000\n");
    ASSERT_EQ(runImport({"--pair", "USDJPY", usdjpy}), 0);
    ASSERT_EQ(runRates({}), 0);
    const std::int32_t day = dateTimeToMinute(encodeDateTime(2007, 1, 2));
    const std::string expected = std::to_string(day) + ",119500,-999999,-999999,-999999,-999999,-999999\r\n" +
                                 std::to_string(day + 1440) + ",-999999,-999999,-999999,-999999,-999999,-999999\r\n" +
                                 std::to_string(day + 2880) + ",120000,-999999,-999999,-999999,-999999,-999999\r\n";
    EXPECT_EQ(readFileBytes(getConversionRateFileName()), expected);
}

TEST_F(DataCommandsTest, InspectPrintsBarsAsCsv) {
    createDataFolders();
    THistoricalData s;
    s.pair = TPair(3);
    s.timeStep = TTimeStep(2);
    const std::int32_t t0 = dateTimeToMinute(encodeDateTime(2007, 1, 2, 9, 0));
    s.append({t0, 118990, 119040, 119010, 119020});
    s.append({t0 + 5, missingValue, missingValue, missingValue, missingValue});
    s.save();
    testing::internal::CaptureStdout();
    ASSERT_EQ(runInspect({"bars", "USDJPY", "5m", "--from", "2007-01-02 09:03", "--count", "3"}), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "time,open,high,low,close\n"
                                                      "2007-01-02 09:00,119.010,119.040,118.990,119.020\n"
                                                      "2007-01-02 09:05,,,,\n"
                                                      "2007-01-02 09:10,,,,\n");
    testing::internal::CaptureStdout();
    ASSERT_EQ(runInspect({"bars", "USDJPY", "5m", "--from", "2007-01-02 09:00", "--count", "1", "--points"}), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "time,open,high,low,close\n"
                                                      "2007-01-02 09:00,119010,119040,118990,119020\n");
    EXPECT_THROW(runInspect({"bars", "USDJPY", "7m", "--from", "2007-01-02 09:00", "--count", "1"}), UsageError);
}

TEST_F(DataCommandsTest, InspectPrintsValuesInFullSinglePrecision) {
    createDataFolders();
    TValueList list;
    list.pair = TPair(3);
    list.timeStep = TTimeStep(5);
    list.calcValueType = TCalcValueType(4);
    list.calcPeriod = TCalcPeriod(2);
    list.firstTime = dateTimeToMinute(encodeDateTime(2007, 1, 2, 9, 0));
    list.lastTime = list.firstTime + 60;
    list.addValue(0.1);
    list.addValue(missingValueF);
    list.save();
    testing::internal::CaptureStdout();
    ASSERT_EQ(runInspect({"values", list.getFileName(), "--from", "2007-01-02 09:30", "--count", "3"}), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "time,value\n"
                                                      "2007-01-02 09:00,0.100000001\n"
                                                      "2007-01-02 10:00,\n"
                                                      "2007-01-02 11:00,\n");
}
