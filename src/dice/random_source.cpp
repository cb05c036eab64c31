#include "dice/random_source.h"

#include <algorithm>
#include <chrono>

namespace quorbel {

void ClockRandom::seedFromClock() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                       std::chrono::system_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::uint64_t>(ticks));
}

int faceFromDraw(double r) {
    if (!(r >= 0.0)) return 1;  // negative or NaN
    if (r >= 1.0) return 6;
    return std::min(static_cast<int>(r * 6) + 1, 6);
}

}  // namespace quorbel
