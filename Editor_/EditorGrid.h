#pragma once

#include "Editor_/GridView.h"
#include "Recog_/RecogDrawing.h"
#include "board/Board.h"
#include "platform/WheelNotches.h"

#include <QAbstractScrollArea>
#include <QPixmap>

#include <array>

class QMenu;

namespace lodrin {

struct SkinStrip;
class TRecogState;

// The editor's board view: 100 x 100 square cells painted from the skin strip,
// a focused cell that follows the mouse, zoom from 20 to 60 pixels, wheel and
// key scrolling. It shows the board; mouse strokes go out as signals. While a
// recognized level is in force it can show the screenshot behind the floor
// (the reference picture) and inside the other cells (the small one).
class TEditorGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int MinCellSize = 20;
    static constexpr int MaxCellSize = 60;
    static constexpr int CellSizeStep = 2;
    // Room kept clear of the scroll bars when the focus follows the mouse.
    static constexpr int ScrollBarRoom = 24;

    explicit TEditorGrid(QWidget* parent);

    // The board shown and the strip of seven 60 x 60 tiles it is painted from.
    void SetBoard(const Board* board);
    void SetStrip(const SkinStrip* strip);
    // Call after the strip's picture changed.
    void StripChanged();
    // The recognition state whose picture and frame the reference layers read in place.
    void SetRecognition(const TRecogState* recog);
    // The two reference layers: the picture behind floor cells, the small one inside the
    // other cells. They show only while a recognized level is in force.
    void SetReferenceLayers(bool picture, bool smallPicture);
    // The menu the right button opens; an empty menu opens nothing.
    void SetPopupMenu(QMenu* menu) { PopupMenu_ = menu; }
    QMenu* PopupMenu() const { return PopupMenu_; }

    int CellSize() const { return CellSize_; }
    // Zoom: two pixels larger or smaller within the limits, or back to 60.
    void ZoomIn();
    void ZoomOut();
    void ZoomReset();

    // First visible row and column.
    int TopRow() const;
    int LeftCol() const;
    void SetTopRow(int row);
    void SetLeftCol(int col);
    // Rows and columns that fit fully into the view.
    int VisibleRows() const;
    int VisibleCols() const;

    // The first row and column, the whole rows and columns in view and the focus.
    GridView View() const;
    // Scrolls to the view's first row and column and moves the focus to its cell.
    void SetView(const GridView& view);

    // The focused cell; moving it scrolls it into view.
    int Row() const { return Row_; }
    int Col() const { return Col_; }
    void SetFocusCell(int row, int col);

    // The cell under a point of the viewport, when the point lies in the view
    // and on a board cell.
    bool CellAt(QPoint pos, int& row, int& col) const;
    // The viewport rectangle of a cell.
    QRect CellRect(int row, int col) const;
    // Paints board cell (row, col) into rect: its tile, the reference layers around it while
    // a recognized level is in force, the outline and the focus frame.
    void PaintCell(QPainter& painter, const QRect& rect, int row, int col);
    // The picture rectangle the frame assigns to cell (row, col), while a recognized level
    // is in force and the cell lies within the frame's rows and columns; else a null rect.
    QRect ReferenceRect(int row, int col) const;

    // The wheel's two handlers, shared with the window: Shift zooms, Ctrl
    // scrolls columns, plain scrolls rows; the focus stays in view.
    void WheelDown(Qt::KeyboardModifiers modifiers);
    void WheelUp(Qt::KeyboardModifiers modifiers);
    // Feeds a wheel event through the two handlers, one call per notch.
    void TurnWheel(const QWheelEvent* event);

signals:
    void FocusCellChanged(int row, int col);
    void CellPressed(Qt::MouseButton button, int row, int col);
    void CellEntered(int row, int col);
    void MouseReleased();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void SetCellSize(int size);
    void UpdateScrollBars();
    void FollowMouse(QPoint pos);
    bool MoveByKey(int key, Qt::KeyboardModifiers modifiers);
    const QPixmap& Tile(int code);

    const Board* Board_ = nullptr;
    const SkinStrip* Strip_ = nullptr;
    const TRecogState* Recog_ = nullptr;
    TPictureImage Picture_;
    bool ReferencePicture_ = false;
    bool SmallReferencePicture_ = false;
    QMenu* PopupMenu_ = nullptr;
    int CellSize_ = MaxCellSize;
    int Row_ = 0;
    int Col_ = 0;
    TWheelNotches Wheel_;
    // The strip's tiles scaled to the cell size, made when first painted.
    std::array<QPixmap, 7> Tiles_;
    int TilesSize_ = 0;
};

} // namespace lodrin
