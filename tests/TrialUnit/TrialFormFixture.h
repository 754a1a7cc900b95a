#pragma once

// The real trial window on the offscreen platform, over a stand-in for the editor
// window, with a scripted clock and helpers that type keys, click squares and
// turn the wheel on it.

#include "TrialUnit/TrialForm.h"
#include "TrialUnit/TrialMapImage.h"
#include "platform/ScriptedPlatform.h"
#include "support/BoardText.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace lodrin::test {

class TrialFormFixture : public ::testing::Test {
protected:
    TrialFormFixture() {
        owner.setGeometry(100, 80, 800, 561);
        owner.show();
        form = new TTrialForm(&owner, platform.Clock, skin, {level, node});
    }

    // Puts the rows into the editor's level and opens the trial field on it.
    void Open(const std::vector<std::string>& rows, PlayMode mode = PlayMode::Forward) {
        level = BoardFromRows(rows);
        const TrialHandOver handOver = HandOverToTrial(level);
        ASSERT_TRUE(handOver.Ok()) << handOver.Error;
        form->ShowTrial(handOver.Board, mode);
        QApplication::processEvents();
    }

    const TTrialField& Field() const { return form->Field(); }
    const TTrialPlay& Play() const { return form->Field().Play(); }
    std::string Record() const { return std::string(Play().MoveRecord()); }
    QString Panel(int i) const { return form->StatusText(i); }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(form, key, modifiers);
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyPress(form, key, modifiers);
    }
    void Release(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyRelease(form, key, modifiers);
    }

    // The pixel in the middle of the square that shows trial cell (row, col).
    QPoint CellPixel(int row, int col) const {
        const ViewCell at =
            BoardToView(Field().Turn(), row, col, Play().TrialRows(), Play().TrialCols());
        const int size = Field().CellSize();
        return {at.X * size + size / 2, at.Y * size + size / 2};
    }
    void Click(int row, int col, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(form->map_Image, button, Qt::NoModifier, CellPixel(row, col));
    }
    // One notch of the wheel, as it reaches the window from the control under the
    // mouse (a wheel event sent by hand does not climb to the parents); up is away
    // from the user.
    void Wheel(bool up) {
        const QPoint pos(400, 300);
        QWheelEvent event(pos, form->mapToGlobal(pos), QPoint(), QPoint(0, up ? 120 : -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form, &event);
    }
    // The colour of the board's picture in the middle of trial cell (row, col),
    // a few pixels in from its top-left corner.
    QColor PictureAt(int row, int col, int dx = 3, int dy = 3) const {
        const QPoint centre = CellPixel(row, col);
        const int half = Field().CellSize() / 2;
        return form->Picture().pixelColor(centre.x() - half + dx, centre.y() - half + dy);
    }
    QString ClipboardText() const { return QGuiApplication::clipboard()->text(); }

    TScriptedPlatform platform;
    TCurrentSkin skin;
    Board level;
    TMapNode node;
    QWidget owner;
    TTrialForm* form = nullptr;
};

} // namespace lodrin::test
