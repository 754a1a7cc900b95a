#include "platform/ScriptedPlatform.h"

#include <QCoreApplication>

namespace lodrin {

MessageAnswer TScriptedMessageBoxes::Show(QWidget*, MessageKind kind, const QString& text) {
    Shown.push_back({kind, text});
    if (Answers_.empty()) {
        const bool choice = kind == MessageKind::Question || kind == MessageKind::Choice;
        return choice ? MessageAnswer::Cancel : MessageAnswer::Ok;
    }
    const MessageAnswer answer = Answers_.front();
    Answers_.pop_front();
    return answer;
}

void TScriptedMessageBoxes::Answer(std::initializer_list<MessageAnswer> answers) {
    Answers_.insert(Answers_.end(), answers.begin(), answers.end());
}

std::optional<QString> TScriptedFileDialogs::Next(const QString& filter) {
    Filters << filter;
    QString name;
    if (!Names.empty()) {
        name = Names.front();
        Names.pop_front();
    }
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

std::optional<QString> TScriptedFileDialogs::SaveFileName(QWidget*, const QString& filter) {
    return Next(filter);
}

std::optional<QString> TScriptedFileDialogs::OpenFileName(QWidget*, const QString& filter) {
    return Next(filter);
}

std::optional<QString> TScriptedFileDialogs::OpenFileNameFrom(QWidget*, const QString& filter,
                                                              const OpenDialogStart& start) {
    Starts.push_back(start);
    return Next(filter);
}

void TManualClock::Pause(int ms) {
    QCoreApplication::processEvents();
    Pauses.push_back(ms);
    Now += ms;
}

ScreenShot TFixedScreenCapture::CaptureScreen() {
    ++Captures;
    if (Picture.isNull()) {
        return {QImage(), Problem};
    }
    return {Picture, QString()};
}

} // namespace lodrin
