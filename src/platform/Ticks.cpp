#include "platform/Ticks.h"

#include <chrono>

namespace {
std::function<std::uint32_t()>& tickSource() {
    static std::function<std::uint32_t()> source;
    return source;
}
} // namespace

std::uint32_t getTickCount() {
    if (auto& source = tickSource()) {
        return source();
    }
    auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms.count()));
}

void setTickSource(std::function<std::uint32_t()> source) {
    tickSource() = std::move(source);
}
