#include "Editor_/LevelFileReader.h"

#include <QCoreApplication>
#include <QEvent>

#include <memory>

namespace lodrin {

TLevelFileReader::TLevelFileReader(QObject* parent) : QObject(parent) {}

TLevelFileReader::~TLevelFileReader() {
    StopWorker();
}

void TLevelFileReader::StopWorker() {
    Stop_ = true;
    if (Worker_.joinable()) {
        Worker_.join();
    }
    Stop_ = false;
}

void TLevelFileReader::Start(const QString& path, DoneFn done) {
    StopWorker();
    const unsigned generation = ++Generation_;
    Done_ = std::move(done);
    Busy_ = true;
    const std::string fileName = path.toStdString();
    Worker_ = std::thread([this, generation, path, fileName] {
        auto read = std::make_shared<LevelFileRead>(ReadLevelFile(fileName, &Stop_));
        QMetaObject::invokeMethod(
            this, [this, generation, path, read] { Deliver(generation, path, std::move(*read)); },
            Qt::QueuedConnection);
    });
}

void TLevelFileReader::Deliver(unsigned generation, const QString& path, LevelFileRead read) {
    if (generation != Generation_ || !Busy_) {
        return; // a read that was stopped for a newer one
    }
    if (Worker_.joinable()) {
        Worker_.join(); // it has nothing left to do but end
    }
    Busy_ = false;
    const DoneFn done = std::move(Done_);
    Done_ = nullptr;
    if (done) {
        done(path, std::move(read));
    }
}

void TLevelFileReader::Finish() {
    if (Worker_.joinable()) {
        Worker_.join();
    }
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

} // namespace lodrin
