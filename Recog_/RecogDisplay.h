#pragma once

#include "Recog_/RecogDrawing.h"

#include <QWidget>

namespace lodrin {

struct SkinStrip;

// The recognition display (Image1): the zoomed picture with the frame and the recognised
// elements, one widget pixel per display pixel inside the scrolling view. It paints what the
// window state says and hands the mouse to the window in display coordinates.
class TRecogDisplay : public QWidget {
    Q_OBJECT
public:
    TRecogDisplay(QWidget* parent, const TRecogWindowState& window, const SkinStrip& strip);

    // Follows the picture and the zoom: the widget takes the display's size.
    void FitDisplay();
    // The skin changed: the tiles are stretched again.
    void StripChanged();
    TRecogPainter& Painter() { return Painter_; }

signals:
    void Pressed(Qt::MouseButton button, QPoint point);
    void Moved(QPoint point, Qt::KeyboardModifiers modifiers);
    void Released(Qt::MouseButton button, QPoint point, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const TRecogWindowState& Window_;
    const SkinStrip& Strip_;
    TRecogPainter Painter_;
};

} // namespace lodrin
