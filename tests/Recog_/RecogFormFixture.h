#pragma once

// A real recognition window on the offscreen platform with scripted message boxes, file
// dialogs, clock and screen, a strip of plain colours, and helpers that drive it with
// mouse, key and wheel events.

#include "Recog_/PictureFile.h"
#include "Recog_/RecogDisplay.h"
#include "Recog_/RecogForm.h"
#include "Recog_/RecogValueBox.h"
#include "platform/ScriptedPlatform.h"

#include "SyntheticLevel.h"
#include "support/PlainStrip.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace lodrin::test {

class RecogFormFixture : public ::testing::Test {
protected:
    RecogFormFixture() { MakeForm(false); }

    // A new window over the same state; reversedWheel is the "/m" switch.
    void MakeForm(bool reversedWheel) {
        form = std::make_unique<TRecogForm_>(nullptr, platform.Seams(), recog, skin, reversedWheel);
        form->show();
        QApplication::processEvents();
    }

    // Opens a picture through the window's own button and file dialog (saved as PNG).
    void OpenPicture(const RgbPicture& picture, const char* name = "shot.png") {
        const std::filesystem::path path = temp.Path() / name;
        ASSERT_TRUE(WrapPicture(picture).save(QString::fromStdString(path.string())));
        platform.Files.Names = {QString::fromStdString(path.string())};
        form->sb_OpenClick();
        ASSERT_TRUE(recog.HasPicture());
    }
    // An 800 x 600 picture: the default frame is (50, 50, 750, 550) with cells of 50.
    void OpenPlainPicture() { OpenPicture(RgbPicture(800, 600)); }

    TRecogWindowState& Window() { return form->WindowState(); }
    const TRecogFrame& Frame() const { return recog.Frame; }
    QWidget* Display() { return form->Image1; }

    void SendMouse(QEvent::Type type, Qt::MouseButton button, QPoint pos,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Buttons_ | button;
        QMouseEvent event(type, pos, Display()->mapToGlobal(pos), button,
                          type == QEvent::MouseMove ? Buttons_ : held, modifiers);
        QApplication::sendEvent(Display(), &event);
    }
    void Press(QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
        SendMouse(QEvent::MouseButtonPress, button, pos);
        Buttons_ = button;
    }
    void Move(QPoint pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        SendMouse(QEvent::MouseMove, Qt::NoButton, pos, modifiers);
    }
    void Release(QPoint pos, Qt::MouseButton button = Qt::LeftButton,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Buttons_ = Qt::NoButton;
        SendMouse(QEvent::MouseButtonRelease, button, pos, modifiers);
    }
    // A click after a pause long enough not to make a double release.
    void Click(QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
        platform.Clock.Advance(1000);
        Move(pos);
        Press(pos, button);
        Release(pos, button);
    }

    // A key pressed (or released) where the window's focus is.
    QWidget* KeyTarget() {
        return form->focusWidget() != nullptr ? form->focusWidget() : form.get();
    }
    void KeyDown(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyPress(KeyTarget(), key, modifiers);
    }
    void KeyUp(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyRelease(KeyTarget(), key, modifiers);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        KeyDown(key, modifiers);
        KeyUp(key, modifiers);
    }

    // One notch of the wheel over a widget; up is away from the user.
    void Wheel(QWidget* over, bool up, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPoint pos = over->rect().center();
        QWheelEvent event(pos, over->mapToGlobal(pos), QPoint(), QPoint(0, up ? 120 : -120),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &event);
    }
    // The pointer moves onto a control of the window.
    void Hover(QWidget* control) {
        QMouseEvent event(QEvent::MouseMove, control->rect().center(),
                          control->mapToGlobal(control->rect().center()), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control, &event);
    }

    QString Status(RecogPanel panel) const { return form->StatusText(panel); }
    // The display as painted now.
    QImage Paint() { return Display()->grab().toImage(); }

    TempDir temp;
    TScriptedPlatform platform;
    TCurrentSkin skin{PlainStrip()};
    TRecogState recog;
    std::unique_ptr<TRecogForm_> form;

private:
    Qt::MouseButtons Buttons_;
};

} // namespace lodrin::test
