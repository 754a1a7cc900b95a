#include "ImportSolution/LoadMapThread.h"

#include "ImportSolution/ImportRun.h"

#include <QMetaObject>

namespace lodrin {

// The latest row position; one queued call at a time carries it to the window, so a
// fast run does not flood the window's queue with a call for every row.
struct TLoadMapThread::Progress {
    std::atomic<int> Latest{0};
    std::atomic<bool> Posted{false};
};

TLoadMapThread::TLoadMapThread(std::string storePath, std::unique_ptr<TSolutionSource> source,
                               const std::atomic<bool>& StopRequested, Receiver receiver)
    : StorePath_(std::move(storePath)), Source_(std::move(source)), StopRequested_(StopRequested),
      Receiver_(std::move(receiver)), Progress_(std::make_shared<Progress>()),
      Thread_([this] { Execute(); }) {}

TLoadMapThread::~TLoadMapThread() {
    WaitFor();
}

void TLoadMapThread::WaitFor() {
    if (Thread_.joinable()) {
        Thread_.join();
    }
}

void TLoadMapThread::Execute() {
    const Receiver& to = Receiver_;
    ImportReports reports;
    reports.SetMaximum = [&to](int maximum) {
        QMetaObject::invokeMethod(
            to.Context, [f = to.SetMaximum, maximum] { f(maximum); }, Qt::QueuedConnection);
    };
    reports.SetPosition = [&to, progress = Progress_](int position) {
        progress->Latest.store(position);
        if (progress->Posted.exchange(true)) {
            return; // the call on its way reads the latest position
        }
        QMetaObject::invokeMethod(
            to.Context,
            [f = to.SetPosition, progress] {
                progress->Posted.store(false);
                f(progress->Latest.load());
            },
            Qt::QueuedConnection);
    };
    reports.Finish = [&to](const std::string& text) {
        QMetaObject::invokeMethod(
            to.Context, [f = to.Finish, text = QString::fromStdString(text)] { f(text); },
            Qt::QueuedConnection);
    };
    RunImportAt(StorePath_, *Source_, StopRequested_, reports);
}

} // namespace lodrin
