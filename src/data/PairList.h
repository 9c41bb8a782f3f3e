#pragma once
// The pair information of etc/pairinfo.txt and the price accessors of a pair.
#include "domain/Pair.h"

#include <cstdint>
#include <string>
#include <vector>

struct TPairRecord {
    std::int32_t serial = 0;
    std::string name;
    std::string priceFormat;
    double pointSize = 0;
    std::int32_t extraValue = 0;
    std::int32_t spread = 0;
};

class TPairList {
public:
    // Loads pairinfo.txt of the program folder when it exists; an absent file leaves the list empty.
    TPairList();
    // Loads the given file. Throws FileError naming the file and line for a malformed line.
    explicit TPairList(const std::string& fileName);
    explicit TPairList(std::vector<TPairRecord> records) : items_(std::move(records)) {}

    int getCount() const { return static_cast<int>(items_.size()); }
    // Throws std::out_of_range for an index outside the list.
    const TPairRecord& getItem(int i) const;

private:
    void loadFromFile(const std::string& fileName);
    std::vector<TPairRecord> items_;
};

// The program's one pair list, set by whoever owns it (the main window, the command-line tool, a test).
extern TPairList* pairList;

// The accessors of a pair that read the pair list (throw std::out_of_range without one).
double getPointSize(TPair pair);
std::string getPriceFormat(TPair pair);
std::int32_t getSpread(TPair pair);
double getPrice(TPair pair, std::int32_t value);
std::string getPriceString(TPair pair, std::int32_t value);

// Formats a number with a pattern of "0" and "#" digit placeholders and "." (rounding half away from zero
// on the decimal digits).
std::string formatFloat(const std::string& format, long double value);
