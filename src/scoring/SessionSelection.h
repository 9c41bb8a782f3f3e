#pragma once
// Chooses the window of one session: a random moment of 2007–2010 snapped to the bar grid, accepted when
// enough of its bars have prices and the price moved.
#include "scoring/SessionRecord.h"

#include <cstdint>
#include <stdexcept>

class SessionSelectionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TSessionSelector {
public:
    static constexpr int questionBars = 20;
    static constexpr int attemptBudget = 500;
    // Candidates without closes at their key bars are redrawn; this many in a row mean the bar file has
    // no usable window at all.
    static constexpr int maxRedrawsInARow = 100000;

    TPair pair;
    TTimeStep timeStep;

    // Throws FileError when the bar file cannot be read, SessionSelectionError when no window has closes
    // at its key bars.
    TSessionRecord chooseSession(std::int32_t sessionNumber) const;
};

// The 60 % rule: k of n bars have a close. The share is a single; the comparison is made against 0.6 in
// extended precision, so exactly three fifths passes.
bool isFilledEnough(std::int32_t withClose, std::int32_t bars);
