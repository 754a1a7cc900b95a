#pragma once

#include "platform/Platform.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace lodrin {

// One message box that was shown.
struct ShownMessage {
    MessageKind Kind;
    QString Text;
};

// Message boxes answered from a queue, recording what was shown. An empty queue
// answers Cancel to the boxes with Yes and No, and OK to the others.
class TScriptedMessageBoxes final : public TMessageBoxes {
public:
    MessageAnswer Show(QWidget* parent, MessageKind kind, const QString& text) override;
    // Queues the answers the next boxes give, in order.
    void Answer(std::initializer_list<MessageAnswer> answers);
    std::vector<ShownMessage> Shown;

private:
    std::deque<MessageAnswer> Answers_;
};

// File dialogs answered from a queue (an empty name, or an empty queue, means
// cancelled), recording the filters they were shown with and where open
// dialogs started.
class TScriptedFileDialogs final : public TFileDialogs {
public:
    std::optional<QString> SaveFileName(QWidget* parent, const QString& filter) override;
    std::optional<QString> OpenFileName(QWidget* parent, const QString& filter) override;
    std::optional<QString> OpenFileNameFrom(QWidget* parent, const QString& filter,
                                            const OpenDialogStart& start) override;
    std::deque<QString> Names;
    QStringList Filters;
    std::vector<OpenDialogStart> Starts;

private:
    std::optional<QString> Next(const QString& filter);
};

// Modifier keys set by hand.
class TFixedModifierState final : public TModifierState {
public:
    Qt::KeyboardModifiers Current() const override { return Modifiers; }
    Qt::KeyboardModifiers Modifiers = Qt::NoModifier;
};

// A clock that moves only when told. A pause processes the pending events once,
// moves the clock on by its length and is recorded.
class TManualClock final : public TClock {
public:
    std::int64_t NowMs() const override { return Now; }
    void Pause(int ms) override;
    void Advance(std::int64_t ms) { Now += ms; }
    std::int64_t Now = 0;
    std::vector<int> Pauses;
};

// A screen that shows the picture it was given; without one, the capture fails with
// Problem. Counts the captures.
class TFixedScreenCapture final : public TScreenCapture {
public:
    ScreenShot CaptureScreen() override;
    QImage Picture;
    QString Problem = QStringLiteral("no screen");
    int Captures = 0;
};

// Every seam scripted, for tests and the screenshot driver.
class TScriptedPlatform {
public:
    PlatformSeams Seams() { return {Messages, Files, Modifiers, Clock, Screen}; }
    TScriptedMessageBoxes Messages;
    TScriptedFileDialogs Files;
    TFixedModifierState Modifiers;
    TManualClock Clock;
    TFixedScreenCapture Screen;
};

} // namespace lodrin
