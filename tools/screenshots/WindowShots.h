#pragma once

// What the screenshot drivers share: letting the windows settle, and saving a
// window's picture under a name in the output folder.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <cstdio>

namespace lodrin::shots {

// Lets the windows lay themselves out and paint.
inline void Settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

// Saves the window's picture as folder/name and prints the path; false when it
// cannot be written.
inline bool Save(QWidget* window, const QDir& folder, const char* name) {
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
