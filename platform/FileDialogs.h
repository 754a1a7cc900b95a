#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace lodrin {

// Turns a filter written as "description|patterns|description|patterns", with
// patterns joined by ';', into Qt's form "description (p1 p2);;...". A list of
// patterns in brackets at the end of a description is left out there, so Qt
// shows the patterns once: "关卡文档(*.xsb;*.txt)|*.xsb;*.txt" gives
// "关卡文档 (*.xsb *.txt)".
QString QtFileFilter(const QString& filter);

// Where an open dialog starts, and the files it offers above its folder view.
struct OpenDialogStart {
    QString Path;       // a file to start at (its folder, with it selected); empty for none
    QStringList Recent; // recently opened files, most recent first
};

// Open and save file dialogs: the seam that tests answer from a script.
class TFileDialogs {
public:
    virtual ~TFileDialogs() = default;
    // The chosen name of a file to write, or nothing when cancelled. The dialog
    // does not ask about overwriting; the caller does.
    virtual std::optional<QString> SaveFileName(QWidget* parent, const QString& filter) = 0;
    // The chosen name of an existing file to read, or nothing when cancelled.
    virtual std::optional<QString> OpenFileName(QWidget* parent, const QString& filter) = 0;
    // The same, starting at a file and offering the recent files first.
    virtual std::optional<QString> OpenFileNameFrom(QWidget* parent, const QString& filter,
                                                    const OpenDialogStart& start) = 0;
};

// File dialogs shown with Qt.
class TQtFileDialogs final : public TFileDialogs {
public:
    std::optional<QString> SaveFileName(QWidget* parent, const QString& filter) override;
    std::optional<QString> OpenFileName(QWidget* parent, const QString& filter) override;
    std::optional<QString> OpenFileNameFrom(QWidget* parent, const QString& filter,
                                            const OpenDialogStart& start) override;
};

} // namespace lodrin
