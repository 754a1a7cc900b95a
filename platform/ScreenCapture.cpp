#include "platform/ScreenCapture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace lodrin {

QImage TQtScreenCapture::GrabPrimaryScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    return screen->grabWindow(0).toImage();
}

} // namespace lodrin
