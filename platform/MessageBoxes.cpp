#include "platform/MessageBoxes.h"

#include <QMessageBox>

namespace lodrin {

QString MessageCaption(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning:
    case MessageKind::Choice:
        return QStringLiteral("警告");
    case MessageKind::Error:
        return QStringLiteral("错误");
    case MessageKind::Information:
        return QStringLiteral("信息");
    case MessageKind::Question:
    case MessageKind::Reminder:
        return QStringLiteral("提醒");
    }
    return {};
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, MessageKind kind,
                                            const QString& text) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(MessageCaption(kind));
    box->setText(text);
    switch (kind) {
    case MessageKind::Warning:
        box->setIcon(QMessageBox::Warning);
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Ok);
        break;
    case MessageKind::Error:
        box->setIcon(QMessageBox::Critical);
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::Information:
        box->setIcon(QMessageBox::Information);
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::Question:
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Yes);
        break;
    case MessageKind::Choice:
        box->setIcon(QMessageBox::Warning);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Yes);
        break;
    case MessageKind::Reminder:
        box->setIcon(QMessageBox::Information);
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Ok);
        break;
    }
    return box;
}

MessageAnswer TQtMessageBoxes::Show(QWidget* parent, MessageKind kind, const QString& text) {
    const std::unique_ptr<QMessageBox> box = MakeMessageBox(parent, kind, text);
    switch (box->exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    default:
        return MessageAnswer::Cancel;
    }
}

} // namespace lodrin
