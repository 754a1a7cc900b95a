#pragma once

#include <cstdint>

namespace lodrin {

// A millisecond clock (double releases, wheel pauses): the seam that tests
// advance by hand.
class TClock {
public:
    virtual ~TClock() = default;
    // Milliseconds since an arbitrary fixed start; never goes back.
    virtual std::int64_t NowMs() const = 0;
    // Waits ms milliseconds while the program keeps processing its events.
    virtual void Pause(int ms) = 0;
};

// The steady clock of the machine.
class TSteadyClock final : public TClock {
public:
    std::int64_t NowMs() const override;
    void Pause(int ms) override;
};

} // namespace lodrin
