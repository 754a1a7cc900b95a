#include "platform/Clock.h"

#include <chrono>

namespace lodrin {

std::int64_t TSteadyClock::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace lodrin
