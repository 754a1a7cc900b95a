// The board view inside the editor window: painting, zoom, wheel and key
// scrolling, and the focus that follows the mouse.

#include "EditorFormFixture.h"

#include <QFrame>
#include <QScrollBar>
#include <QSpontaneKeyEvent>

namespace lodrin {
namespace {

using test::EditorFormFixture;
using EditorGridTest = EditorFormFixture;

const QColor Outline(69, 77, 85);
const QColor Fuchsia(255, 0, 255);

TEST_F(EditorGridTest, CellsArePaintedFromTheStripWithOutlineAndFocusFrame) {
    PickTool(form.img_Wall);
    Click(1, 2);
    Grid().SetFocusCell(2, 2);
    const QImage shot = Viewport()->grab().toImage();
    const QRect wall = Grid().CellRect(1, 2);
    EXPECT_EQ(shot.pixelColor(wall.center()), test::TileColours[Wall]);
    EXPECT_EQ(shot.pixelColor(wall.left(), wall.center().y()), Outline);
    EXPECT_EQ(shot.pixelColor(wall.center().x(), wall.bottom()), Outline);
    const QRect floor = Grid().CellRect(0, 0);
    EXPECT_EQ(shot.pixelColor(floor.center()), test::TileColours[Floor]);
    const QRect focus = Grid().CellRect(2, 2);
    EXPECT_EQ(shot.pixelColor(focus.left(), focus.center().y()), Fuchsia);
    EXPECT_EQ(shot.pixelColor(focus.center()), test::TileColours[Floor]);
    EXPECT_EQ(focus.size(), QSize(60, 60));
}

TEST_F(EditorGridTest, ANewSkinIsPaintedAtOnce) {
    // A file that cannot be used gives the drawn skin: black floor, orange box.
    skin.LoadFile("/nonexistent/skin.bmp");
    const QImage shot = Viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(Grid().CellRect(3, 3).center()), QColor(Qt::black));
    EXPECT_EQ(form.img_Box->pixmap().toImage().pixelColor(30, 30), QColor(207, 140, 55));
}

TEST_F(EditorGridTest, ShiftWheelZoomsWithinItsLimits) {
    for (int i = 0; i < 30; ++i) {
        Wheel(false, Qt::ShiftModifier);
    }
    EXPECT_EQ(Grid().CellSize(), 20);
    Wheel(true, Qt::ShiftModifier | Qt::ControlModifier); // Shift wins over Ctrl
    EXPECT_EQ(Grid().CellSize(), 22);
    EXPECT_EQ(Grid().LeftCol(), 0);
    for (int i = 0; i < 30; ++i) {
        Wheel(true, Qt::ShiftModifier);
    }
    EXPECT_EQ(Grid().CellSize(), 60);
    EXPECT_EQ(Grid().CellRect(0, 1).left(), 60);
}

TEST_F(EditorGridTest, WheelScrollsAndKeepsTheFocusInView) {
    Wheel(false);
    EXPECT_EQ(Grid().TopRow(), 1);
    EXPECT_EQ(Grid().Row(), 1); // the focus was above the first visible row
    Grid().SetFocusCell(4, 0);
    Wheel(false);
    EXPECT_EQ(Grid().TopRow(), 2);
    EXPECT_EQ(Grid().Row(), 4); // still visible: it stays
    Wheel(true);
    EXPECT_EQ(Grid().TopRow(), 1);
    EXPECT_EQ(Grid().Row(), 1); // wheel up pulls it to the first visible row
    EXPECT_EQ(form.StatusText(StatusPanel::Row), QStringLiteral("2"));
    Grid().SetFocusCell(1, 3);
    Wheel(false, Qt::ControlModifier);
    Wheel(false, Qt::ControlModifier);
    EXPECT_EQ(Grid().LeftCol(), 2);
    EXPECT_EQ(Grid().Col(), 3);
    Wheel(true, Qt::ControlModifier);
    EXPECT_EQ(Grid().LeftCol(), 1);
    EXPECT_EQ(Grid().Col(), 1);
    for (int i = 0; i < 5; ++i) {
        Wheel(true, Qt::ControlModifier);
        Wheel(true);
    }
    EXPECT_EQ(Grid().LeftCol(), 0);
    EXPECT_EQ(Grid().TopRow(), 0);
}

TEST_F(EditorGridTest, WheelOverTheCommandBarScrollsTheGrid) {
    const QPoint pos(400, 10);
    QWheelEvent event(pos, form.Panel1->mapToGlobal(pos), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    // As from the mouse (sendEvent would make it a synthetic one): it travels up to the window.
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(form.Panel1, &event);
    EXPECT_EQ(Grid().TopRow(), 1);
}

TEST_F(EditorGridTest, FocusFollowsTheMouseOnlyOverFullyVisibleCells) {
    form.resize(830, 600);
    QApplication::processEvents();
    const int s = Grid().CellSize();
    // The column cut by the viewport's right edge, and the row cut by its bottom edge.
    const int cutCol = Viewport()->width() / s;
    const int cutRow = Viewport()->height() / s;
    ASSERT_NE(Viewport()->width() % s, 0);
    ASSERT_NE(Viewport()->height() % s, 0);
    MoveTo(2, 3);
    EXPECT_EQ(Grid().Row(), 2);
    EXPECT_EQ(Grid().Col(), 3);
    EXPECT_EQ(form.StatusText(StatusPanel::Row), QStringLiteral("3"));
    EXPECT_EQ(form.StatusText(StatusPanel::Col), QStringLiteral("4"));
    MoveToPoint(QPoint(Viewport()->width() - 2, 10));
    EXPECT_EQ(Grid().Col(), 3) << "cut column " << cutCol;
    MoveToPoint(QPoint(10, Viewport()->height() - 2));
    EXPECT_EQ(Grid().Row(), 2) << "cut row " << cutRow;
    // The last fully visible cell counts, unless it reaches into the 24 pixels.
    const int lastCol = (Grid().width() - TEditorGrid::ScrollBarRoom) / s - 1;
    MoveToPoint(QPoint(lastCol * s + 5, 10));
    EXPECT_EQ(Grid().Col(), lastCol);
    EXPECT_EQ(Grid().TopRow(), 0);
    EXPECT_EQ(Grid().LeftCol(), 0);
}

TEST_F(EditorGridTest, FocusFollowsTheMouseInEveryToolWhileDrawing) {
    PickTool(form.img_Box);
    Press(1, 1);
    MoveTo(1, 2);
    EXPECT_EQ(Grid().Col(), 2);
    Release(1, 2);
    EXPECT_EQ(Doc().board.At(1, 2), Box);
}

TEST_F(EditorGridTest, ADragThatLeavesTheViewPaintsNothingOutOfSight) {
    PickTool(form.img_Wall);
    Press(0, 0);
    MoveToPoint(QPoint(Viewport()->width() + 100, 5));
    MoveToPoint(QPoint(5, -40));
    Release(0, 0);
    EXPECT_EQ(Doc().board.At(0, (Viewport()->width() + 100) / 60), Floor);
    EXPECT_EQ(Doc().board.At(0, 0), Wall);
    EXPECT_EQ(Doc().UndoStack.size(), 1u);
}

TEST_F(EditorGridTest, GridKeysMoveTheFocusAndScroll) {
    const int page = Grid().VisibleRows();
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    EXPECT_EQ(Grid().Row(), 1);
    EXPECT_EQ(Grid().Col(), 1);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Grid().Row(), 1 + page);
    EXPECT_EQ(Grid().TopRow(), page);
    Key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Grid().Row(), page);
    Key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Grid().Row(), 2 * page - 1);
    Key(Qt::Key_End);
    EXPECT_EQ(Grid().Col(), 99);
    EXPECT_EQ(Grid().LeftCol() + Grid().VisibleCols() - 1, 99);
    Key(Qt::Key_Home);
    EXPECT_EQ(Grid().Col(), 0);
    EXPECT_EQ(Grid().LeftCol(), 0);
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Grid().Row(), 99);
    EXPECT_EQ(Grid().Col(), 99);
    EXPECT_EQ(form.StatusText(StatusPanel::Row), QStringLiteral("100"));
    Key(Qt::Key_Down);
    EXPECT_EQ(Grid().Row(), 99);
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(Grid().Row(), 0);
    EXPECT_EQ(Grid().Col(), 0);
    EXPECT_EQ(Grid().TopRow(), 0);
    Key(Qt::Key_PageUp);
    Key(Qt::Key_Up);
    Key(Qt::Key_Left);
    EXPECT_EQ(Grid().Row(), 0);
    EXPECT_EQ(Grid().Col(), 0);
}

TEST_F(EditorGridTest, ZoomKeepsTheScrollRangeOnTheBoard) {
    for (int i = 0; i < 20; ++i) {
        KeyChar('-');
    }
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Grid().verticalScrollBar()->maximum(), 100 - Grid().VisibleRows());
    EXPECT_EQ(Grid().TopRow() + Grid().VisibleRows(), 100);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Grid().verticalScrollBar()->maximum(), 100 - Grid().VisibleRows());
    EXPECT_EQ(Grid().Row(), 99);
}

} // namespace
} // namespace lodrin
