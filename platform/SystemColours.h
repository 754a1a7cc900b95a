#pragma once

#include <QColor>

namespace lodrin {

// The colours of the desktop's window captions, which Qt's palette does not carry:
// those of the usual light desktop theme.
inline QColor InactiveCaptionColour() {
    return QColor(191, 205, 219);
}
inline QColor ActiveCaptionColour() {
    return QColor(153, 180, 209);
}

} // namespace lodrin
