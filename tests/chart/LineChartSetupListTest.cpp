#include "chart/LineChartSetupList.h"

#include <gtest/gtest.h>

TEST(LineChartSetupListTest, TextForms) {
    struct Row {
        const char* text;
        std::vector<std::pair<int, int>> entries;
        const char* back;
    };
    const Row rows[] = {
        {"1,2,4,0", {{1, 2}, {4, 0}}, "1,2,4,0"},
        {"1,2,4,0,", {{1, 2}, {4, 0}}, "1,2,4,0"},
        {"1,2,4", {{1, 2}}, "1,2"},
        {"1, 2", {{1, 2}}, "1,2"},
        {"", {}, ""},
        {"0,0,3,12", {{0, 0}, {3, 12}}, "0,0,3,12"},
        {"9,300", {{9, 44}}, "9,44"}, // one-byte fields, no range check
    };
    for (const Row& row : rows) {
        TLineChartSetupList list;
        list.add(6, 5); // replaced by the text
        list.fromText(row.text);
        ASSERT_EQ(list.getCount(), static_cast<int>(row.entries.size())) << row.text;
        for (int i = 0; i < list.getCount(); ++i) {
            EXPECT_EQ(list.getItem(i).valueType.getSerial(), row.entries[static_cast<size_t>(i)].first);
            EXPECT_EQ(list.getItem(i).period.getSerial(), row.entries[static_cast<size_t>(i)].second);
        }
        EXPECT_EQ(list.toText(), row.back);
    }
    TLineChartSetupList list;
    EXPECT_THROW(list.fromText("1,2,x,3"), std::invalid_argument);
    EXPECT_EQ(list.getCount(), 1); // the entries before the bad item stay
}

TEST(LineChartSetupListTest, EditingAndColours) {
    TLineChartSetupList list;
    list.add(1, 2);
    list.add(4, 1);
    list.add(0, 5);
    list.deleteItem(0);
    EXPECT_EQ(list.getItem(0).valueType.getSerial(), 4);
    EXPECT_EQ(TLineChartSetupList::colorNumberOf(0), 0);
    EXPECT_EQ(TLineChartSetupList::colorNumberOf(15), 0);
    list.setItem(1, 3, 11);
    EXPECT_EQ(list.toText(), "4,1,3,11");
    EXPECT_THROW(list.deleteItem(2), std::out_of_range);
    EXPECT_THROW(list.getItem(-1), std::out_of_range);
}

TEST(LineChartSetupListTest, DisplayTexts) {
    const std::tuple<int, int, const char*> rows[] = {
        {0, 5, "終値"}, {4, 1, "移動平均±1SD / 10 Bar"}, {1, 2, "移動平均 / 20 Bar"}, {3, 11, "最大値 / 30 日"}};
    for (const auto& [type, period, text] : rows) {
        TLineChartSetupRecord record{TChartValueType(type), TCalcPeriod(period)};
        EXPECT_EQ(record.getDisplayText(), text);
    }
}
