#pragma once

#include "ImportSolution/SolutionSource.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace lodrin {

// The worker of one import run: runs the import on a thread of its own and hands the
// reports to the window as queued calls, so that it never waits for the window.
// Disposing of it waits until the run has ended.
class TLoadMapThread {
public:
    // What the window does with the reports, applied on the thread of `context`.
    struct Receiver {
        QObject* Context = nullptr;
        std::function<void(int)> SetMaximum;
        std::function<void(int)> SetPosition;
        std::function<void(const QString&)> Finish;
    };

    // Starts the run at once; the source is the worker's until it is disposed of.
    TLoadMapThread(std::string storePath, std::unique_ptr<TSolutionSource> source,
                   const std::atomic<bool>& StopRequested, Receiver receiver);
    ~TLoadMapThread();
    TLoadMapThread(const TLoadMapThread&) = delete;
    TLoadMapThread& operator=(const TLoadMapThread&) = delete;

    // Waits until the run has ended.
    void WaitFor();

private:
    struct Progress;
    void Execute();

    std::string StorePath_;
    std::unique_ptr<TSolutionSource> Source_;
    const std::atomic<bool>& StopRequested_;
    Receiver Receiver_;
    std::shared_ptr<Progress> Progress_;
    std::thread Thread_;
};

} // namespace lodrin
