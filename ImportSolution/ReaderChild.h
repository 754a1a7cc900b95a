#pragma once

#include "ImportSolution/OldStoreStream.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace lodrin {

// The limits a reader child runs under.
struct ReaderLimits {
    std::uint64_t MemoryBytes = std::uint64_t{512} << 20; // its address space
    std::uint64_t CpuSeconds = 600;                       // its processor time
    std::int64_t StallMs = 60000; // killed when it sends nothing for this long
};

// Milliseconds on a clock that never goes back; the stall watch reads it.
using MsClock = std::function<std::int64_t()>;

// The steady clock in milliseconds.
std::int64_t SteadyNowMs();

// Thrown by a read that was waiting for the child when a stop was asked for.
struct TReadStopped {};

// The descriptor a reader child writes its stream on.
inline constexpr int ReaderStreamFd = 3;

// A child process that streams data on a pipe (descriptor 3 in the child), started under
// limits of its own: processor time and address space (setrlimit), and a watch that
// kills it when it sends nothing for too long. Its standard input, output and error are
// /dev/null, so nothing it prints reaches the user; it has a process group of its own,
// so the terminal's Ctrl+C reaches only the importer, and it dies with the thread that
// started it. Killed when no longer wanted.
class TReaderChild final : public TByteSource {
public:
    // Starts argv[0] with the given arguments; throws TStreamError when it cannot.
    // `stop` is checked while a read waits; `clock` may be empty (the steady clock).
    TReaderChild(const std::vector<std::string>& argv, const ReaderLimits& limits,
                 const std::atomic<bool>& stop, MsClock clock);
    ~TReaderChild() override;
    TReaderChild(const TReaderChild&) = delete;
    TReaderChild& operator=(const TReaderChild&) = delete;

    // Waits for bytes and reads them; 0 at the end of the stream. Throws TReadStopped when
    // a stop is asked for, TStreamError when the child stalls (it is killed then).
    std::size_t Read(char* into, std::size_t size) override;
    // Waits until the child has ended, at most `graceMs` (and never past the stall
    // limit), then kills it; says how it ended: empty after exit code 0.
    std::string Finish(std::int64_t graceMs);
    // Kills the child if it still runs and reaps it.
    void Kill();

private:
    bool Stalled() const;
    std::string Reap(bool wait);

    pid_t Pid_ = -1;
    int Fd_ = -1;
    std::string Ended_; // how the child ended, once reaped
    ReaderLimits Limits_;
    const std::atomic<bool>& Stop_;
    MsClock Clock_;
    std::int64_t LastProgress_ = 0;
};

} // namespace lodrin
