#pragma once

#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

namespace lodrin {

// The four kinds of message box the programs show, each with its fixed caption,
// icon and buttons.
enum class MessageKind {
    Warning,     // "警告", warning icon, OK and Cancel
    Error,       // "错误", error icon, OK
    Information, // "信息", information icon, OK
    Question,    // "提醒", question icon, Yes, No and Cancel
    Choice,      // "警告", warning icon, Yes, No and Cancel (the answer overwrites or keeps)
    Reminder,    // "提醒", information icon, OK and Cancel
};

// The user's answer to a message box.
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The caption a kind of message box carries.
QString MessageCaption(MessageKind kind);

// Modal message boxes: the seam that tests answer from a script.
class TMessageBoxes {
public:
    virtual ~TMessageBoxes() = default;
    // Shows a box of the kind over the parent and returns the answer.
    virtual MessageAnswer Show(QWidget* parent, MessageKind kind, const QString& text) = 0;

    // A warning before something is overwritten or lost; true means OK.
    bool Warning(QWidget* parent, const QString& text) {
        return Show(parent, MessageKind::Warning, text) == MessageAnswer::Ok;
    }
    // An error with only OK.
    void Error(QWidget* parent, const QString& text) { Show(parent, MessageKind::Error, text); }
    // A notice with only OK.
    void Information(QWidget* parent, const QString& text) {
        Show(parent, MessageKind::Information, text);
    }
    // The Yes, No or Cancel question.
    MessageAnswer Question(QWidget* parent, const QString& text) {
        return Show(parent, MessageKind::Question, text);
    }
    // The Yes, No or Cancel warning before a choice that overwrites.
    MessageAnswer Choice(QWidget* parent, const QString& text) {
        return Show(parent, MessageKind::Choice, text);
    }
    // A reminder to confirm; true means OK.
    bool Reminder(QWidget* parent, const QString& text) {
        return Show(parent, MessageKind::Reminder, text) == MessageAnswer::Ok;
    }
};

// Builds the Qt box for a kind: caption, icon, buttons and default button.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, MessageKind kind, const QString& text);

// Message boxes shown with Qt.
class TQtMessageBoxes final : public TMessageBoxes {
public:
    MessageAnswer Show(QWidget* parent, MessageKind kind, const QString& text) override;
};

} // namespace lodrin
