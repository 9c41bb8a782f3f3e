#include "data/ValueList.h"
#include "domain/DateTime.h"
#include "domain/Folders.h"
#include "platform/FileIo.h"
#include "support/TestSupport.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class ValueListTest : public ::testing::Test {
protected:
    void SetUp() override { createDataFolders(); }

    static void writeList(int kind, int period, const std::vector<float>& values) {
        TValueList list;
        list.pair = TPair(3);
        list.timeStep = TTimeStep(2);
        list.calcValueType = TCalcValueType(kind);
        list.calcPeriod = TCalcPeriod(period);
        list.firstTime = stamp2007;
        list.lastTime = stamp2007 + 5 * (static_cast<int>(values.size()) - 1);
        for (float v : values) {
            list.addValue(v);
        }
        list.save();
    }
    FolderSandbox sandbox;
};

constexpr float M = missingValueF;

} // namespace

TEST_F(ValueListTest, FileNamesCarryThePeriodOnlyWhenTheKindHasOne) {
    const std::string folder = getValueListFolder();
    EXPECT_EQ(getValueListFileName(TPair(3), TTimeStep(0), TCalcValueType(0), TCalcPeriod(4)), folder + "3_0_0.vll");
    EXPECT_EQ(getValueListFileName(TPair(3), TTimeStep(0), TCalcValueType(2), TCalcPeriod(0)), folder + "3_0_2.vll");
    EXPECT_EQ(getValueListFileName(TPair(3), TTimeStep(0), TCalcValueType(4), TCalcPeriod(2)), folder + "3_0_4_2.vll");
    EXPECT_EQ(getValueListFileName(TPair(0), TTimeStep(9), TCalcValueType(5), TCalcPeriod(11)),
              folder + "0_9_5_11.vll");
}

TEST_F(ValueListTest, SaveAndLoadAWindow) {
    writeList(0, 0, {1.5f, M, 3.25f, 4.0f});
    const std::string file = getValueListFolder() + "3_2_0.vll";
    EXPECT_EQ(std::filesystem::file_size(file), 80u + 4u * 4u);
    TValueList list;
    list.loadFromFile(file, stamp2007 - 10, stamp2007 + 25); // 2 slots before, 4 stored, 1 after
    ASSERT_EQ(list.getCount(), 7);
    const float expected[] = {M, M, 1.5f, M, 3.25f, 4.0f, M};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(list.getItem(i).value, expected[i]) << i;
        EXPECT_EQ(list.getItem(i).time, stamp2007 - 10 + 5 * i);
    }
    EXPECT_EQ(list.firstTime, stamp2007 - 10);
    EXPECT_EQ(list.lastTime, stamp2007 + 20);
    EXPECT_EQ(list.pair.getSerial(), 3);
    float lo, hi;
    list.getMinMax(lo, hi, 0, 6);
    EXPECT_EQ(lo, 1.5f);
    EXPECT_EQ(hi, 4.0f);
    list.getMinMax(lo, hi, 0, 1);
    EXPECT_EQ(lo, M);
    EXPECT_EQ(hi, M);
}

TEST_F(ValueListTest, LoadLineRebuildsBandsFromStoredDifferences) {
    writeList(0, 0, {102.0f, 110.0f, M}); // closes
    writeList(4, 1, {2.0f, -1.0f, 0.5f}); // close − mean
    writeList(3, 1, {1.5f, M, 1.0f});     // standard deviation
    writeList(6, 1, {4.0f, 6.0f, 1.0f});  // close − minimum
    struct Row {
        int lineType;
        float slot0;
        float slot1;
    };
    const Row rows[] = {{0, 102.0f, 110.0f}, {1, 100.0f, 111.0f}, {2, 98.0f, 104.0f},
                        {5, 103.0f, M},      {8, 97.0f, M},       {9, 95.5f, M}};
    for (const Row& row : rows) {
        TValueList line;
        line.loadLine(TPair(3), TTimeStep(2), row.lineType, TCalcPeriod(1), stamp2007 + 2, 3);
        ASSERT_EQ(line.getCount(), 3);
        EXPECT_EQ(line.getItem(0).value, row.slot0) << row.lineType;
        EXPECT_EQ(line.getItem(1).value, row.slot1) << row.lineType;
        EXPECT_EQ(line.getItem(2).value, M) << row.lineType; // missing close
    }
}

TEST_F(ValueListTest, MalformedFilesAreRejected) {
    writeList(0, 0, {1.0f, 2.0f, 3.0f});
    const std::string file = getValueListFolder() + "3_2_0.vll";
    const std::string bytes = readFileBytes(file);
    auto withFloat = [&](size_t index, float v) {
        std::string b = bytes;
        std::memcpy(b.data() + 4 * index, &v, 4);
        return b;
    };
    for (const std::string& content : {bytes.substr(0, 40), bytes.substr(0, bytes.size() - 2), withFloat(1, 14.0f),
                                       withFloat(5, 1.0f), withFloat(4, std::nanf(""))}) {
        writeTextFile(file, content);
        TValueList list;
        EXPECT_THROW(list.loadFromFile(file, stamp2007, stamp2007 + 10), FileError);
    }
}
