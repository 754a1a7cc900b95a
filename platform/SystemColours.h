#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace lodrin {

// The colours of the desktop's window captions, which Qt's palette does not carry:
// those of the usual light desktop theme.
inline QColor InactiveCaptionColour() {
    return QColor(191, 205, 219);
}
inline QColor ActiveCaptionColour() {
    return QColor(153, 180, 209);
}

// Fills the widget's background with the colour.
inline void PaintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace lodrin
