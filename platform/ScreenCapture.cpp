#include "platform/ScreenCapture.h"

#include "platform/PortalScreenshot.h"

#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace lodrin {

namespace {

// How long the windows may take to leave the screen, and how long the desktop then has to
// repaint what they covered (Wayland tells programs nothing about either).
constexpr int GoneTimeoutMs = 2000;
constexpr int RepaintMs = 250;
constexpr int WaylandRepaintMs = 600;
// How long the portal may take to answer.
constexpr int PortalTimeoutMs = 30000;

bool IsWaylandSession() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Runs the event loop for ms milliseconds.
void Pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

// Quits a loop as soon as none of the watched windows is exposed any more.
class TGoneWatcher : public QObject {
public:
    TGoneWatcher(std::vector<QWindow*> windows, QEventLoop& loop)
        : Windows_(std::move(windows)), Loop_(loop) {
        for (QWindow* window : Windows_) {
            window->installEventFilter(this);
        }
    }
    ~TGoneWatcher() override {
        for (QWindow* window : Windows_) {
            window->removeEventFilter(this);
        }
    }
    bool AllGone() const {
        return std::none_of(Windows_.begin(), Windows_.end(),
                            [](const QWindow* w) { return w->isExposed(); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose && AllGone()) {
            Loop_.quit();
        }
        return false;
    }

private:
    std::vector<QWindow*> Windows_;
    QEventLoop& Loop_;
};

// Takes the program's windows off the screen and brings them back when it ends.
class TWindowsAway {
public:
    TWindowsAway() {
        Active_ = QApplication::activeWindow();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (!widget->isVisible()) {
                continue;
            }
            const Qt::WindowType type = widget->windowType();
            if (type != Qt::ToolTip && type != Qt::Popup) {
                Hidden_.emplace_back(widget);
            }
            widget->hide();
        }
    }
    ~TWindowsAway() {
        for (const QPointer<QWidget>& widget : Hidden_) {
            if (widget != nullptr && widget != Active_) {
                widget->show();
            }
        }
        if (Active_ != nullptr) {
            Active_->show();
            Active_->raise();
            Active_->activateWindow();
        }
        QApplication::processEvents();
    }
    TWindowsAway(const TWindowsAway&) = delete;
    TWindowsAway& operator=(const TWindowsAway&) = delete;

    // Waits until the window system reports every hidden window gone, at most GoneTimeoutMs,
    // then lets the desktop repaint. False when a window is still on the screen.
    bool WaitUntilGone(bool wayland) {
        if (wayland) {
            Pause(WaylandRepaintMs);
            return true;
        }
        std::vector<QWindow*> windows;
        for (const QPointer<QWidget>& widget : Hidden_) {
            if (widget != nullptr && widget->windowHandle() != nullptr) {
                windows.push_back(widget->windowHandle());
            }
        }
        QEventLoop loop;
        const TGoneWatcher watcher(windows, loop);
        if (!watcher.AllGone()) {
            QTimer::singleShot(GoneTimeoutMs, &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        if (!watcher.AllGone()) {
            return false;
        }
        Pause(RepaintMs);
        return true;
    }

private:
    std::vector<QPointer<QWidget>> Hidden_;
    QPointer<QWidget> Active_;
};

ScreenShot GrabPrimaryScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {QImage(), QString::fromUtf8(CaptureMessages::NoScreen)};
    }
    const QImage picture = screen->grabWindow(0).toImage();
    if (IsBlankCapture(picture)) {
        return {QImage(), QString::fromUtf8(CaptureMessages::Blank)};
    }
    return {picture, QString()};
}

} // namespace

bool IsBlankCapture(const QImage& picture) {
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) {
        return true;
    }
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if ((line[x] & 0x00FFFFFFU) != 0) {
                return false;
            }
        }
    }
    return true;
}

ScreenShot TQtScreenCapture::CaptureScreen() {
    const bool wayland = IsWaylandSession();
    TWindowsAway away;
    if (!away.WaitUntilGone(wayland)) {
        return {QImage(), QString::fromUtf8(CaptureMessages::WindowsStayed)};
    }
    if (!wayland) {
        ScreenShot shot = GrabPrimaryScreen();
        if (shot.Ok()) {
            return shot;
        }
    }
    return PortalScreenshot(QDBusConnection::sessionBus(), PortalTimeoutMs);
}

} // namespace lodrin
