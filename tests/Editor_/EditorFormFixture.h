#pragma once

// A real editor window on the offscreen platform with scripted message boxes
// and file dialogs, a strip of plain colours, and helpers that drive it.

#include "Editor_/EditorForm.h"
#include "Editor_/EditorGrid.h"
#include "Editor_/EditorHelpForm.h"
#include "Editor_/EditorInfForm.h"
#include "LoadSkin/LoadSkinForm.h"
#include "platform/ScriptedPlatform.h"
#include "support/PlainStrip.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace lodrin::test {

class EditorFormFixture : public ::testing::Test {
protected:
    EditorFormFixture() {
        form.SetPartners({info, help, skinChooser,
                          [this](const TrialBoard& board, PlayMode mode) {
                              trialBoards.push_back(board);
                              trialModes.push_back(mode);
                          },
                          [this] {
                              ++recognitionOpened;
                              return false;
                          }});
        form.show();
        QApplication::processEvents();
    }

    TEditorDocument& Doc() { return form.Document(); }
    TEditorGrid& Grid() { return *form.DrawGrid1; }
    QWidget* Viewport() { return form.DrawGrid1->viewport(); }

    // The viewport point in the middle of a board cell.
    QPoint CellCentre(int row, int col) { return Grid().CellRect(row, col).center(); }

    void SendMouse(QEvent::Type type, Qt::MouseButton button, QPoint pos) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Buttons_;
        QMouseEvent event(type, pos, Viewport()->mapToGlobal(pos), button,
                          type == QEvent::MouseMove ? held : held | button, Qt::NoModifier);
        QApplication::sendEvent(Viewport(), &event);
    }
    void Press(int row, int col, Qt::MouseButton button = Qt::LeftButton) {
        Buttons_ = button;
        SendMouse(QEvent::MouseButtonPress, button, CellCentre(row, col));
    }
    void MoveTo(int row, int col) {
        SendMouse(QEvent::MouseMove, Qt::NoButton, CellCentre(row, col));
    }
    void MoveToPoint(QPoint pos) { SendMouse(QEvent::MouseMove, Qt::NoButton, pos); }
    void Release(int row, int col) {
        const Qt::MouseButton button =
            Buttons_.testFlag(Qt::RightButton) ? Qt::RightButton : Qt::LeftButton;
        Buttons_ = Qt::NoButton;
        SendMouse(QEvent::MouseButtonRelease, button, CellCentre(row, col));
    }
    void Click(int row, int col, Qt::MouseButton button = Qt::LeftButton) {
        Press(row, col, button);
        Release(row, col);
    }
    // One notch of the wheel over the grid; up is away from the user.
    void Wheel(bool up, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPoint pos = CellCentre(Grid().TopRow(), Grid().LeftCol());
        QWheelEvent event(pos, Viewport()->mapToGlobal(pos), QPoint(), QPoint(0, up ? 120 : -120),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Viewport(), &event);
    }
    // A key pressed and released on the grid, which has the focus.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(form.DrawGrid1, key, modifiers);
    }
    void KeyChar(char ch) { QTest::keyClick(form.DrawGrid1, ch); }
    // Picks a tool by clicking its palette picture.
    void PickTool(QLabel* image) { QTest::mouseClick(image, Qt::LeftButton); }

    std::vector<ShownMessage>& Shown() { return platform.Messages.Shown; }

    TScriptedPlatform platform;
    TCurrentSkin skin{PlainStrip()};
    TEditorForm_ form{platform.Seams(), {}, skin};
    TEditorInfForm_* info = new TEditorInfForm_(&form);
    TEditorHelpForm* help = new TEditorHelpForm(&form);
    // An empty Skins folder: the chooser lists nothing.
    TLoadSkinForm* skinChooser =
        new TLoadSkinForm(&form, QStringLiteral("/nonexistent/Skins"), skin);
    // The boards and modes the editor opened the trial field with.
    std::vector<TrialBoard> trialBoards;
    std::vector<PlayMode> trialModes;
    int recognitionOpened = 0;

private:
    Qt::MouseButtons Buttons_;
};

} // namespace lodrin::test
