#include "platform/Clock.h"

#include <QCoreApplication>

#include <chrono>

namespace lodrin {

std::int64_t TSteadyClock::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void TSteadyClock::Pause(int ms) {
    const std::int64_t end = NowMs() + ms;
    for (std::int64_t now = NowMs(); now < end; now = NowMs()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(end - now));
    }
}

} // namespace lodrin
