#pragma once

#include "Recog_/RecogFrame.h"

#include <QImage>
#include <QPainter>
#include <QRect>

namespace lodrin {

// Paints the bottom layer of the recognition display, in display coordinates: the picture
// enlarged by the zoom without smoothing (only the exposed part), the border as a white line
// with a black line one pixel to its right or below it, and the grid lines inside the frame.
// Nothing is drawn without a picture. The picture is the unzoomed one of the frame.
void DrawRecogFrame(QPainter& painter, const QImage& picture, const TRecogFrame& frame,
                    const QRect& exposed);

} // namespace lodrin
