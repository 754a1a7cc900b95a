#pragma once

#include "board/LevelCollection.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

namespace lodrin {

// Reads level files off the window thread, so a large or slow file never
// freezes the window, and hands each result to the window thread.
class TLevelFileReader : public QObject {
    Q_OBJECT
public:
    // What the window does with a finished read.
    using DoneFn = std::function<void(const QString& path, LevelFileRead read)>;

    explicit TLevelFileReader(QObject* parent = nullptr);
    ~TLevelFileReader() override;

    // Starts reading the file; a read still running is stopped first and its
    // result is never handed over.
    void Start(const QString& path, DoneFn done);
    // Whether a read was started and its result not yet handed over.
    bool Busy() const { return Busy_; }
    // Waits for the read in progress and hands its result over now.
    void Finish();

private:
    void StopWorker();
    void Deliver(unsigned generation, const QString& path, LevelFileRead read);

    std::thread Worker_;
    std::atomic<bool> Stop_{false};
    unsigned Generation_ = 0;
    bool Busy_ = false;
    DoneFn Done_;
};

} // namespace lodrin
