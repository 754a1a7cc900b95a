#pragma once

#include <QImage>

namespace lodrin {

// Copies of the screen for the recognition window: the seam that tests feed
// with a picture of their own.
class TScreenCapture {
public:
    virtual ~TScreenCapture() = default;
    // A picture of the primary screen; a null image when it cannot be taken.
    virtual QImage GrabPrimaryScreen() = 0;
};

// The primary screen as Qt grabs it.
class TQtScreenCapture final : public TScreenCapture {
public:
    QImage GrabPrimaryScreen() override;
};

} // namespace lodrin
