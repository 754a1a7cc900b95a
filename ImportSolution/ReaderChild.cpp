#include "ImportSolution/ReaderChild.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

// Sanitizer builds reserve terabytes of address space for their shadow memory, so an
// address-space limit would stop the child before it starts; there the parent watches
// the child's resident memory instead.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define LODRIN_SANITIZED_BUILD 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) ||                         \
    __has_feature(memory_sanitizer)
#define LODRIN_SANITIZED_BUILD 1
#endif
#endif

namespace lodrin {
namespace {

// How long one wait lasts before the stop flag and the stall watch are looked at again.
constexpr int WaitSliceMs = 50;
// Descriptors below this are left to the child's standard streams and its stream.
constexpr int FirstFreeFd = 10;

#ifdef LODRIN_SANITIZED_BUILD
constexpr bool WatchResidentMemory = true;
#else
constexpr bool WatchResidentMemory = false;
#endif

// A descriptor moved to FirstFreeFd or above, closed on exec.
int HighFd(int fd) {
    if (fd < 0) {
        return -1;
    }
    const int high = fcntl(fd, F_DUPFD_CLOEXEC, FirstFreeFd);
    close(fd);
    return high;
}

// Runs in the forked child before exec: only calls that are safe after fork.
[[noreturn]] void ExecChild(char* const* argv, int streamFd, int nullFd, const ReaderLimits& limits,
                            pid_t parent) {
    // Killed with the thread that started it; out of the terminal's reach (Ctrl+C
    // stops the import, which then ends the child itself).
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) {
        _exit(127);
    }
    setpgid(0, 0);
    dup2(nullFd, STDIN_FILENO);
    dup2(nullFd, STDOUT_FILENO);
    dup2(nullFd, STDERR_FILENO);
    dup2(streamFd, ReaderStreamFd);
    // Nothing else of the importer (its stores, other pipes) reaches the child.
    if (syscall(SYS_close_range, ReaderStreamFd + 1, ~0U, 0) != 0) {
        for (int fd = ReaderStreamFd + 1; fd < 1024; ++fd) {
            close(fd);
        }
    }
    const rlimit cpu{limits.CpuSeconds, limits.CpuSeconds + 5};
    setrlimit(RLIMIT_CPU, &cpu);
    if (!WatchResidentMemory) {
        const rlimit memory{limits.MemoryBytes, limits.MemoryBytes};
        setrlimit(RLIMIT_AS, &memory);
    }
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    signal(SIGPIPE, SIG_DFL);
    execv(argv[0], argv);
    _exit(127);
}

// The resident memory of a process in bytes, 0 when it cannot be read.
std::uint64_t ResidentBytes(pid_t pid) {
    std::ifstream statm("/proc/" + std::to_string(pid) + "/statm");
    std::uint64_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

std::string Describe(int status) {
    if (WIFEXITED(status)) {
        const int code = WEXITSTATUS(status);
        return code == 0 ? std::string()
                         : "the old-store reader ended with exit code " + std::to_string(code);
    }
    if (WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        if (signal == SIGXCPU) {
            return "the old-store reader reached its processor time limit";
        }
        return "the old-store reader was ended by signal " + std::to_string(signal) + " (" +
               strsignal(signal) + ")";
    }
    return "the old-store reader ended in an unknown way";
}

} // namespace

std::int64_t SteadyNowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

TReaderChild::TReaderChild(const std::vector<std::string>& argv, const ReaderLimits& limits,
                           const std::atomic<bool>& stop, MsClock clock)
    : Limits_(limits), Stop_(stop), Clock_(clock ? std::move(clock) : MsClock(SteadyNowMs)) {
    if (argv.empty()) {
        throw TStreamError("no old-store reader program is set");
    }
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        throw TStreamError(std::string("cannot make a pipe: ") + std::strerror(errno));
    }
    const int readFd = HighFd(pipeFds[0]);
    const int writeFd = HighFd(pipeFds[1]);
    const int nullFd = HighFd(open("/dev/null", O_RDWR | O_CLOEXEC));
    if (readFd < 0 || writeFd < 0 || nullFd < 0) {
        for (const int fd : {readFd, writeFd, nullFd}) {
            close(fd);
        }
        throw TStreamError("cannot set up the old-store reader's descriptors");
    }
    const pid_t parent = getpid();
    Pid_ = fork();
    if (Pid_ == 0) {
        ExecChild(args.data(), writeFd, nullFd, Limits_, parent);
    }
    const int forkError = errno;
    close(writeFd);
    close(nullFd);
    Fd_ = readFd;
    if (Pid_ < 0) {
        throw TStreamError(std::string("cannot start the old-store reader: ") +
                           std::strerror(forkError));
    }
    LastProgress_ = Clock_();
}

TReaderChild::~TReaderChild() {
    Kill();
    if (Fd_ >= 0) {
        close(Fd_);
    }
}

bool TReaderChild::Stalled() const {
    return Clock_() - LastProgress_ >= Limits_.StallMs;
}

std::size_t TReaderChild::Read(char* into, std::size_t size) {
    for (;;) {
        if (Stop_.load(std::memory_order_relaxed)) {
            throw TReadStopped{};
        }
        pollfd wait{Fd_, POLLIN, 0};
        const int ready = poll(&wait, 1, WaitSliceMs);
        if (ready > 0) {
            const ssize_t got = read(Fd_, into, size);
            if (got >= 0) {
                LastProgress_ = got > 0 ? Clock_() : LastProgress_;
                return static_cast<std::size_t>(got);
            }
        }
        if (ready != 0 && errno != EINTR && errno != EAGAIN) {
            throw TStreamError(std::string("cannot read the old-store reader's stream: ") +
                               std::strerror(errno));
        }
        if (WatchResidentMemory && Pid_ > 0 && ResidentBytes(Pid_) > Limits_.MemoryBytes) {
            Kill();
            throw TStreamError("the old-store reader went past its memory limit");
        }
        if (Stalled()) {
            Kill();
            throw TStreamError("the old-store reader sent nothing for " +
                               std::to_string(Limits_.StallMs / 1000) + " s and was stopped");
        }
    }
}

std::string TReaderChild::Reap(bool wait) {
    if (Pid_ <= 0) {
        return Ended_;
    }
    int status = 0;
    const pid_t done = waitpid(Pid_, &status, wait ? 0 : WNOHANG);
    if (done == Pid_) {
        Pid_ = -1;
        Ended_ = Describe(status);
    } else if (done < 0 && errno != EINTR) {
        Pid_ = -1;
        Ended_ = "the old-store reader cannot be waited for";
    }
    return Ended_;
}

std::string TReaderChild::Finish(std::int64_t graceMs) {
    const std::int64_t since = Clock_();
    while (Pid_ > 0) {
        Reap(false);
        if (Pid_ <= 0) {
            break;
        }
        if (Clock_() - since >= std::min(graceMs, Limits_.StallMs)) {
            Kill();
            return "the old-store reader did not end and was stopped";
        }
        poll(nullptr, 0, WaitSliceMs);
    }
    return Ended_;
}

void TReaderChild::Kill() {
    if (Pid_ > 0) {
        kill(Pid_, SIGKILL);
    }
    while (Pid_ > 0) {
        Reap(true);
    }
}

} // namespace lodrin
