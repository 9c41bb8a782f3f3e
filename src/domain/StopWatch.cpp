#include "domain/StopWatch.h"

#include "platform/Ticks.h"

void TStopWatch::start() {
    startTick_ = getTickCount();
}

std::uint32_t TStopWatch::getElapsed() const {
    return getTickCount() - startTick_;
}
