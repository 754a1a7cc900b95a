#pragma once

// What the screenshot drivers share: letting the windows settle with the pointer
// parked away from them, and saving a window's picture in the output folder.

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include <cstdio>

namespace lodrin::shots {

// Lets the windows lay themselves out and paint, and the display's pointer
// events arrive.
inline void Settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
    QEventLoop pause;
    QTimer::singleShot(100, &pause, &QEventLoop::quit);
    pause.exec();
    QApplication::processEvents();
}

// Puts the pointer in the screen's far corner, away from every window, so no
// button is lit, no tooltip shows and no hint stands in a status bar: the
// windows as a user sees them at rest.
inline void ParkPointer() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QCursor::setPos(screen, screen->geometry().bottomRight());
    }
    QToolTip::hideText();
}

// Saves the window's picture as folder/name and prints the path; false when it
// cannot be written.
inline bool Save(QWidget* window, const QDir& folder, const char* name) {
    ParkPointer();
    Settle();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace lodrin::shots
