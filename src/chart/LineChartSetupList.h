#pragma once
// The user's indicator lines: a list of (indicator kind, period) in drawing order; an entry's colour is
// fixed by its position. Stored in the settings as comma text, "1,2,4,0".
#include "domain/CalcValue.h"
#include "domain/ChartTypes.h"

#include <memory>
#include <string>
#include <vector>

struct TLineChartSetupRecord {
    TChartValueType valueType;
    TCalcPeriod period;

    // "終値" alone for the close, otherwise the kind, " / " and the period: "移動平均 / 20 Bar".
    std::string getDisplayText() const;
};

class TLineChartSetupList {
public:
    int getCount() const { return static_cast<int>(items_.size()); }
    // Throws std::out_of_range for an index outside the list.
    const TLineChartSetupRecord& getItem(int index) const;
    void add(int valueType, int period);
    void setItem(int index, int valueType, int period);
    void deleteItem(int index);
    void clear() { items_.clear(); }

    std::string toText() const;
    // Replaces the list by the entries of the text; an odd last item is ignored. Throws
    // std::invalid_argument for an item that is no integer (the entries before it stay).
    void fromText(const std::string& text);

    // The colour number of an entry: its position modulo 15.
    static int colorNumberOf(int index) { return index % 15; }

private:
    std::vector<TLineChartSetupRecord> items_;
};

// The one line setup of the program.
extern TLineChartSetupList* lineChartSetupList;
