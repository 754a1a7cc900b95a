#pragma once

#include "Recog_/RecogState.h"
#include "Recog_/RecogWindowState.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <array>
#include <cstdint>

namespace lodrin {

struct SkinStrip;

// The recognition's picture in the form Qt paints fastest, made again only when a new
// picture arrives. The display and the editor's reference pictures paint from it.
class TPictureImage {
public:
    // The state's picture as a 32-bit image; a null image before the first picture.
    const QImage& Of(const TRecogState& recog);

private:
    QImage Image_;
    std::uint64_t Version_ = 0; // the picture version Image_ shows; 0 is none
};

// The fonts of the display's text overlays: the XSB characters and the similarity figures.
struct RecogOverlayFonts {
    QFont Xsb;     // 16 points
    QFont Figures; // 7 points
};

// The fonts of the overlays in the given family, at the window's sizes.
RecogOverlayFonts MakeRecogOverlayFonts(const QString& family);

// Paints the recognition display, in display coordinates: the picture at the zoom with the
// frame and the grid lines, then every recognised element that is not hidden, as the current
// skin's tile stretched to its cell or as its XSB character, then, while the sample panel is
// open, the similarity figures. Keeps the picture and the stretched tiles between paints.
class TRecogPainter {
public:
    explicit TRecogPainter(RecogOverlayFonts fonts = MakeRecogOverlayFonts({}));

    // The skin changed: the stretched tiles are made again at the next paint.
    void StripChanged() { TilesSize_ = QSize(); }
    // Paints the part of the display inside exposed.
    void Paint(QPainter& painter, const TRecogWindowState& window, const SkinStrip& strip,
               const QRect& exposed);
    // The picture as painted, shared with the window's other pictures.
    const QImage& Picture(const TRecogState& recog) { return Picture_.Of(recog); }

private:
    void PaintElements(QPainter& painter, const TRecogWindowState& window, const SkinStrip& strip,
                       const QRect& cells);
    void PaintFigures(QPainter& painter, const TRecogWindowState& window, const QRect& cells);
    void PaintXsbCharacter(QPainter& painter, QPoint at, char ch);
    const QImage& Tile(const SkinStrip& strip, int code, QSize size);

    TPictureImage Picture_;
    RecogOverlayFonts Fonts_;
    std::array<QImage, 7> Tiles_;
    QSize TilesSize_;
};

// The text the XSB display shows for a recognised element: "o" for a goal, the character
// itself for the others.
QString XsbDisplayText(char ch);

// The grid cells (columns as x, rows as y) whose rectangles meet the exposed display area,
// within the frame's counts; empty when none does.
QRect ExposedCells(const TRecogFrame& frame, const QRect& exposed);

// The sample panel's picture, 64 x 32: the sample pattern on the left and the picture of the
// last clicked cell, inset by 2 picture pixels and stretched to 32 x 32, on the right, each
// with a white outline. Black before the first sample.
QImage SamplePanelPicture(const TRecogState& recog);

} // namespace lodrin
