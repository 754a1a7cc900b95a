#include "Editor_/EditorGrid.h"

#include "LoadSkin/SkinStrip.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace lodrin {
namespace {

const QColor GridBackground(57, 66, 74);
const QColor CellOutline(69, 77, 85);
const QColor FocusFrame(255, 0, 255);

int Clamp(int value, int low, int high) {
    return std::max(low, std::min(value, high));
}

} // namespace

TEditorGrid::TEditorGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::ClickFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    horizontalScrollBar()->setTracking(true);
    verticalScrollBar()->setTracking(true);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    // The wheel over a scroll bar follows the grid's own rules too.
    horizontalScrollBar()->installEventFilter(this);
    verticalScrollBar()->installEventFilter(this);
    UpdateScrollBars();
}

bool TEditorGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel &&
        (watched == horizontalScrollBar() || watched == verticalScrollBar())) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void TEditorGrid::SetBoard(const Board* board) {
    Board_ = board;
    viewport()->update();
}

void TEditorGrid::SetStrip(const SkinStrip* strip) {
    Strip_ = strip;
    StripChanged();
}

void TEditorGrid::StripChanged() {
    TilesSize_ = 0;
    viewport()->update();
}

void TEditorGrid::SetRecognition(const TRecogState* recog) {
    Recog_ = recog;
    viewport()->update();
}

void TEditorGrid::SetReferenceLayers(bool picture, bool smallPicture) {
    ReferencePicture_ = picture;
    SmallReferencePicture_ = smallPicture;
    viewport()->update();
}

void TEditorGrid::SetCellSize(int size) {
    size = Clamp(size, MinCellSize, MaxCellSize);
    if (size == CellSize_) {
        return;
    }
    CellSize_ = size;
    UpdateScrollBars();
    viewport()->update();
}

void TEditorGrid::ZoomIn() {
    SetCellSize(CellSize_ + CellSizeStep);
}

void TEditorGrid::ZoomOut() {
    SetCellSize(CellSize_ - CellSizeStep);
}

void TEditorGrid::ZoomReset() {
    SetCellSize(MaxCellSize);
}

int TEditorGrid::TopRow() const {
    return verticalScrollBar()->value();
}

int TEditorGrid::LeftCol() const {
    return horizontalScrollBar()->value();
}

void TEditorGrid::SetTopRow(int row) {
    verticalScrollBar()->setValue(row);
}

void TEditorGrid::SetLeftCol(int col) {
    horizontalScrollBar()->setValue(col);
}

int TEditorGrid::VisibleRows() const {
    return std::max(1, viewport()->height() / CellSize_);
}

int TEditorGrid::VisibleCols() const {
    return std::max(1, viewport()->width() / CellSize_);
}

void TEditorGrid::UpdateScrollBars() {
    verticalScrollBar()->setRange(0, std::max(0, BoardSize - VisibleRows()));
    verticalScrollBar()->setPageStep(VisibleRows());
    horizontalScrollBar()->setRange(0, std::max(0, BoardSize - VisibleCols()));
    horizontalScrollBar()->setPageStep(VisibleCols());
}

GridView TEditorGrid::View() const {
    return {TopRow(), LeftCol(), VisibleRows(), VisibleCols(), Row_, Col_};
}

void TEditorGrid::SetView(const GridView& view) {
    SetTopRow(view.TopRow);
    SetLeftCol(view.LeftCol);
    SetFocusCell(view.FocusRow, view.FocusCol);
}

void TEditorGrid::SetFocusCell(int row, int col) {
    row = Clamp(row, 0, BoardSize - 1);
    col = Clamp(col, 0, BoardSize - 1);
    if (row < TopRow()) {
        SetTopRow(row);
    } else if (row >= TopRow() + VisibleRows()) {
        SetTopRow(row - VisibleRows() + 1);
    }
    if (col < LeftCol()) {
        SetLeftCol(col);
    } else if (col >= LeftCol() + VisibleCols()) {
        SetLeftCol(col - VisibleCols() + 1);
    }
    if (row == Row_ && col == Col_) {
        return;
    }
    Row_ = row;
    Col_ = col;
    viewport()->update();
    emit FocusCellChanged(row, col);
}

bool TEditorGrid::CellAt(QPoint pos, int& row, int& col) const {
    if (!viewport()->rect().contains(pos)) {
        return false; // a drag that left the view paints nothing out of sight
    }
    row = TopRow() + pos.y() / CellSize_;
    col = LeftCol() + pos.x() / CellSize_;
    return Board::Contains(row, col);
}

QRect TEditorGrid::CellRect(int row, int col) const {
    return {(col - LeftCol()) * CellSize_, (row - TopRow()) * CellSize_, CellSize_, CellSize_};
}

void TEditorGrid::WheelDown(Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        ZoomOut();
    } else if (modifiers.testFlag(Qt::ControlModifier)) {
        SetLeftCol(LeftCol() + 1);
        if (LeftCol() > Col_) {
            SetFocusCell(Row_, LeftCol());
        }
    } else {
        SetTopRow(TopRow() + 1);
        if (TopRow() > Row_) {
            SetFocusCell(TopRow(), Col_);
        }
    }
}

void TEditorGrid::WheelUp(Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        ZoomIn();
    } else if (modifiers.testFlag(Qt::ControlModifier)) {
        SetLeftCol(LeftCol() - 1);
        if (LeftCol() < Col_) {
            SetFocusCell(Row_, LeftCol());
        }
    } else {
        SetTopRow(TopRow() - 1);
        if (TopRow() < Row_) {
            SetFocusCell(TopRow(), Col_);
        }
    }
}

void TEditorGrid::TurnWheel(const QWheelEvent* event) {
    const int notches = Wheel_.Take(WheelTurn(*event));
    for (int i = 0; i < notches; ++i) {
        WheelUp(event->modifiers());
    }
    for (int i = 0; i > notches; --i) {
        WheelDown(event->modifiers());
    }
}

void TEditorGrid::wheelEvent(QWheelEvent* event) {
    TurnWheel(event);
    event->accept();
}

void TEditorGrid::FollowMouse(QPoint pos) {
    int row = 0;
    int col = 0;
    if (!CellAt(pos, row, col)) {
        return;
    }
    const bool fullyVisible = col - LeftCol() < (width() - ScrollBarRoom) / CellSize_ &&
                              row - TopRow() < (height() - ScrollBarRoom) / CellSize_;
    if (fullyVisible) {
        SetFocusCell(row, col);
    }
}

void TEditorGrid::mousePressEvent(QMouseEvent* event) {
    int row = 0;
    int col = 0;
    if (CellAt(event->position().toPoint(), row, col)) {
        emit CellPressed(event->button(), row, col);
    }
}

void TEditorGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    FollowMouse(pos);
    int row = 0;
    int col = 0;
    if (CellAt(pos, row, col)) {
        emit CellEntered(row, col);
    }
}

void TEditorGrid::mouseReleaseEvent(QMouseEvent*) {
    emit MouseReleased();
}

void TEditorGrid::contextMenuEvent(QContextMenuEvent* event) {
    if (PopupMenu_ != nullptr && !PopupMenu_->isEmpty()) {
        PopupMenu_->popup(event->globalPos());
    }
    event->accept();
}

bool TEditorGrid::MoveByKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const int page = VisibleRows();
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (arrow && ctrl) {
        return false; // Ctrl+arrows belong to the window
    }
    switch (key) {
    case Qt::Key_Left:
        SetFocusCell(Row_, Col_ - 1);
        return true;
    case Qt::Key_Right:
        SetFocusCell(Row_, Col_ + 1);
        return true;
    case Qt::Key_Up:
        SetFocusCell(Row_ - 1, Col_);
        return true;
    case Qt::Key_Down:
        SetFocusCell(Row_ + 1, Col_);
        return true;
    case Qt::Key_PageUp:
        if (ctrl) {
            SetFocusCell(TopRow(), Col_);
        } else {
            SetTopRow(TopRow() - page);
            SetFocusCell(Row_ - page, Col_);
        }
        return true;
    case Qt::Key_PageDown:
        if (ctrl) {
            SetFocusCell(TopRow() + page - 1, Col_);
        } else {
            SetTopRow(TopRow() + page);
            SetFocusCell(Row_ + page, Col_);
        }
        return true;
    case Qt::Key_Home:
        SetFocusCell(ctrl ? 0 : Row_, 0);
        return true;
    case Qt::Key_End:
        SetFocusCell(ctrl ? BoardSize - 1 : Row_, BoardSize - 1);
        return true;
    default:
        return false;
    }
}

// Keys end here: the window has seen them already, before the grid.
void TEditorGrid::keyPressEvent(QKeyEvent* event) {
    MoveByKey(event->key(), event->modifiers());
    event->accept();
}

void TEditorGrid::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

void TEditorGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TEditorGrid::scrollContentsBy(int, int) {
    viewport()->update();
}

const QPixmap& TEditorGrid::Tile(int code) {
    if (TilesSize_ != CellSize_) {
        for (int k = 0; k < static_cast<int>(Tiles_.size()); ++k) {
            QImage tile(CellSize_, CellSize_, QImage::Format_RGB32);
            tile.fill(GridBackground);
            if (Strip_ != nullptr && Strip_->HasTile(k)) {
                tile = StretchTile(Strip_->Tile(k), CellSize_);
            }
            Tiles_[static_cast<std::size_t>(k)] = QPixmap::fromImage(tile);
        }
        TilesSize_ = CellSize_;
    }
    return Tiles_[static_cast<std::size_t>(Clamp(code, 0, static_cast<int>(Tiles_.size()) - 1))];
}

QRect TEditorGrid::ReferenceRect(int row, int col) const {
    if (Recog_ == nullptr || !Recog_->RecognizedLevelInForce || !Recog_->HasPicture()) {
        return {};
    }
    const TRecogFrame& frame = Recog_->Frame;
    if (row >= frame.Rows() || col >= frame.Cols()) {
        return {};
    }
    const int z = frame.ZoomFactor();
    return QRect((frame.Left() + col * frame.ColWidth()) / z,
                 (frame.Top() + row * frame.RowHeight()) / z, frame.ColWidth() / z,
                 frame.RowHeight() / z);
}

void TEditorGrid::PaintCell(QPainter& painter, const QRect& rect, int row, int col) {
    const int code = Board_ != nullptr ? Board_->At(row, col) : Floor;
    const QRect reference =
        ReferencePicture_ || SmallReferencePicture_ ? ReferenceRect(row, col) : QRect();
    if (code == Floor) {
        painter.drawPixmap(rect.topLeft(), Tile(Floor));
    }
    if (!reference.isNull() && ReferencePicture_) {
        painter.drawImage(rect, Picture_.Of(*Recog_), reference);
    }
    if (code != Floor) {
        painter.drawPixmap(rect.topLeft(), Tile(code));
    }
    if (!reference.isNull() && SmallReferencePicture_ && code != Floor) {
        const int f = rect.width() / 3;
        const QRect inner(rect.left() + f, rect.top() + f, f, rect.height() / 3);
        painter.drawImage(inner, Picture_.Of(*Recog_), reference);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(inner.adjusted(0, 0, -1, -1));
    }
    painter.setPen(CellOutline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    if (row == Row_ && col == Col_) {
        painter.setPen(FocusFrame);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        painter.drawRect(rect.adjusted(1, 1, -2, -2));
    }
}

void TEditorGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), GridBackground);
    const int lastRow = std::min(BoardSize - 1, TopRow() + viewport()->height() / CellSize_);
    const int lastCol = std::min(BoardSize - 1, LeftCol() + viewport()->width() / CellSize_);
    for (int r = TopRow(); r <= lastRow; ++r) {
        for (int c = LeftCol(); c <= lastCol; ++c) {
            PaintCell(painter, CellRect(r, c), r, c);
        }
    }
}

} // namespace lodrin
