#pragma once
#include <cstdint>

// Times the user's answers on the millisecond tick counter; a wrap of the counter between start and
// reading still gives the elapsed time.
class TStopWatch {
public:
    void start();
    std::uint32_t getElapsed() const;

private:
    std::uint32_t startTick_ = 0;
};
