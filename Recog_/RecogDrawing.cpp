#include "Recog_/RecogDrawing.h"

#include "LoadSkin/SkinStrip.h"
#include "Recog_/FrameDrawing.h"
#include "Recog_/PictureFile.h"
#include "board/CellCode.h"

#include <algorithm>

namespace lodrin {

namespace {

// The overlays' sizes in points, at the 96 dots per inch the window is laid out for.
constexpr int XsbPixelSize = 21;   // 16 points
constexpr int FigurePixelSize = 9; // 7 points
// Figures above this similarity are shown, at this offset from the cell's bottom-left corner.
constexpr int ShownSimilarity = 30;
constexpr int FigureLeft = 4;
constexpr int FigureRise = 13;
constexpr int SampleSide = PatternSide;

QFont OverlayFont(const QString& family, int pixelSize) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

void WhiteOutline(QPainter& painter, const QRect& rect) {
    painter.setPen(Qt::white);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

} // namespace

const QImage& TPictureImage::Of(const TRecogState& recog) {
    if (Version_ != recog.PictureVersion()) {
        Image_ = recog.HasPicture()
                     ? WrapPicture(recog.Picture()).convertToFormat(QImage::Format_RGB32)
                     : QImage();
        Version_ = recog.PictureVersion();
    }
    return Image_;
}

RecogOverlayFonts MakeRecogOverlayFonts(const QString& family) {
    return {OverlayFont(family, XsbPixelSize), OverlayFont(family, FigurePixelSize)};
}

TRecogPainter::TRecogPainter(RecogOverlayFonts fonts) : Fonts_(std::move(fonts)) {}

QRect ExposedCells(const TRecogFrame& frame, const QRect& exposed) {
    if (frame.RowHeight() <= 0 || frame.ColWidth() <= 0 || exposed.isEmpty()) {
        return {};
    }
    const int c0 = std::max(0, (exposed.left() - frame.Left()) / frame.ColWidth());
    const int r0 = std::max(0, (exposed.top() - frame.Top()) / frame.RowHeight());
    const int c1 = std::min(frame.Cols() - 1, (exposed.right() - frame.Left()) / frame.ColWidth());
    const int r1 = std::min(frame.Rows() - 1, (exposed.bottom() - frame.Top()) / frame.RowHeight());
    if (exposed.right() < frame.Left() || exposed.bottom() < frame.Top() || c1 < c0 || r1 < r0) {
        return {};
    }
    return QRect(QPoint(c0, r0), QPoint(c1, r1));
}

void TRecogPainter::Paint(QPainter& painter, const TRecogWindowState& window,
                          const SkinStrip& strip, const QRect& exposed) {
    const TRecogState& recog = window.Recog;
    if (!recog.HasPicture()) {
        return;
    }
    DrawRecogFrame(painter, Picture_.Of(recog), recog.Frame, exposed);
    const QRect cells = ExposedCells(recog.Frame, exposed);
    if (cells.isEmpty()) {
        return;
    }
    PaintElements(painter, window, strip, cells);
    if (window.SamplePanelOpen) {
        PaintFigures(painter, window, cells);
    }
}

void TRecogPainter::PaintElements(QPainter& painter, const TRecogWindowState& window,
                                  const SkinStrip& strip, const QRect& cells) {
    const TRecogFrame& frame = window.Recog.Frame;
    const QSize size(frame.ColWidth(), frame.RowHeight());
    for (int r = cells.top(); r <= cells.bottom(); ++r) {
        for (int c = cells.left(); c <= cells.right(); ++c) {
            if (!window.ShowsElement(r, c)) {
                continue;
            }
            const char ch = window.Recog.Results.RecogMap.At(r, c);
            const QPoint at(frame.Left() + c * size.width(), frame.Top() + r * size.height());
            if (window.XsbDisplay) {
                PaintXsbCharacter(painter, at, ch);
            } else {
                painter.drawImage(at, Tile(strip, XsbCharToCell(ch), size));
            }
        }
    }
}

QString XsbDisplayText(char ch) {
    return ch == '.' ? QStringLiteral("o") : QString(QLatin1Char(ch));
}

void TRecogPainter::PaintXsbCharacter(QPainter& painter, QPoint at, char ch) {
    const QString text = XsbDisplayText(ch);
    painter.setFont(Fonts_.Xsb);
    const QRect box = painter.fontMetrics().boundingRect(QRect(at, QSize(1, 1)),
                                                         Qt::AlignLeft | Qt::AlignTop, text);
    painter.fillRect(box, Qt::black);
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
}

void TRecogPainter::PaintFigures(QPainter& painter, const TRecogWindowState& window,
                                 const QRect& cells) {
    const TRecogState& recog = window.Recog;
    const TRecogFrame& frame = recog.Frame;
    painter.setFont(Fonts_.Figures);
    painter.setPen(Qt::white);
    for (int r = cells.top(); r <= cells.bottom(); ++r) {
        for (int c = cells.left(); c <= cells.right(); ++c) {
            const int similarity = recog.Results.SimilarityMap.At(r, c);
            if (similarity <= ShownSimilarity || window.HiddenCell == RecogCell{c, r}) {
                continue;
            }
            const QPoint at(frame.Left() + c * frame.ColWidth() + FigureLeft,
                            frame.Top() + (r + 1) * frame.RowHeight() - FigureRise);
            painter.drawText(QRect(at, QSize(frame.ColWidth(), FigureRise + FigurePixelSize)),
                             Qt::AlignLeft | Qt::AlignTop, QString::number(similarity));
        }
    }
}

const QImage& TRecogPainter::Tile(const SkinStrip& strip, int code, QSize size) {
    if (TilesSize_ != size) {
        for (int k = 0; k < static_cast<int>(Tiles_.size()); ++k) {
            const QImage tile = strip.HasTile(k) ? strip.Tile(k) : QImage();
            Tiles_[static_cast<std::size_t>(k)] =
                tile.isNull() ? QImage()
                              : tile.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                    .convertToFormat(QImage::Format_RGB32);
        }
        TilesSize_ = size;
    }
    return Tiles_[static_cast<std::size_t>(
        std::clamp(code, 0, static_cast<int>(Tiles_.size()) - 1))];
}

QImage SamplePanelPicture(const TRecogState& recog) {
    QImage panel(2 * SampleSide, SampleSide, QImage::Format_RGB32);
    panel.fill(Qt::black);
    if (!recog.HasSample) {
        return panel;
    }
    QPainter painter(&panel);
    painter.drawImage(QRect(0, 0, SampleSide, SampleSide), WrapPicture(recog.SamplePattern));
    WhiteOutline(painter, QRect(0, 0, SampleSide, SampleSide));
    const PictureRect patch = recog.SamplePatchRect();
    const RgbPicture cell = recog.Picture().Block(patch.X, patch.Y, patch.Width, patch.Height);
    if (!cell.IsEmpty()) {
        painter.drawImage(QRect(SampleSide, 0, SampleSide, SampleSide), WrapPicture(cell));
    }
    WhiteOutline(painter, QRect(SampleSide, 0, SampleSide, SampleSide));
    return panel;
}

} // namespace lodrin
