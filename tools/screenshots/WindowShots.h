#pragma once

// What the screenshot drivers share: letting the windows settle with the pointer
// parked away from them, and saving a window's picture in the output folder.

#include <QApplication>
#include <QColor>
#include <QCursor>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include <cstdio>
#include <vector>

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

// Saves cursor pictures side by side, each twice its size, on the bars' colour, as
// folder/name and prints the path.
inline bool SaveCursorSheet(const std::vector<QImage>& cursors, const QDir& folder,
                            const char* name) {
    QImage sheet(static_cast<int>(cursors.size()) * 72, 72, QImage::Format_RGB32);
    sheet.fill(QColor(191, 205, 219));
    QPainter painter(&sheet);
    for (std::size_t i = 0; i < cursors.size(); ++i) {
        painter.drawImage(QRect(72 * static_cast<int>(i) + 4, 4, 64, 64), cursors[i]);
    }
    painter.end();
    const QString path = folder.filePath(QString::fromLatin1(name));
    std::printf("%s\n", qPrintable(path));
    return sheet.save(path);
}

} // namespace lodrin::shots
