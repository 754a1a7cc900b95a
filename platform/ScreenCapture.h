#pragma once

#include <QImage>
#include <QString>

namespace lodrin {

// A picture of the screen, or why there is none.
struct ScreenShot {
    QImage Picture;  // null when the capture failed
    QString Problem; // the message for the user when it failed
    bool Ok() const { return !Picture.isNull(); }
};

// Whether a captured picture shows nothing: no pixels, or every pixel black. Desktops that
// refuse a program the screen hand out such pictures; they are never taken as a capture.
bool IsBlankCapture(const QImage& picture);

// Captures of the screen for the recognition window: the seam that tests feed with a
// picture of their own.
class TScreenCapture {
public:
    virtual ~TScreenCapture() = default;
    // Takes the program's windows off the screen, captures the primary screen once they are
    // gone, and brings the windows back. The picture, or the problem that stopped it.
    virtual ScreenShot CaptureScreen() = 0;
};

// The screen as the desktop lets a program capture it. On X11 the program's windows are
// unmapped, and once the server reports them gone (and the desktop had a moment to repaint
// what they covered) the root window of the primary screen is copied. On Wayland, where
// programs may not read the screen, and on X11 when the copy comes back blank, the desktop
// portal's Screenshot request takes the picture instead, without asking the user.
class TQtScreenCapture final : public TScreenCapture {
public:
    ScreenShot CaptureScreen() override;
};

} // namespace lodrin
