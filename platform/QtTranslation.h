#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace lodrin {

// The folders Qt's own translations are looked for in: Qt's translations folder
// (the Debian package qt6-translations-l10n installs there), then the
// "translations" folder beside the program.
QStringList QtTranslationFolders();

// Qt's own Chinese texts for the standard buttons and dialogs ("确定", "取消",
// "是", "否", the file dialogs), installed into the application while this
// lives, with the Chinese locale for the dates and file types those dialogs
// show. Create it after the application object. When no folder holds the
// translation, or it cannot be read, no texts are installed and Qt keeps its
// English ones: the program starts all the same.
class TQtTranslation {
public:
    explicit TQtTranslation(const QStringList& folders = QtTranslationFolders());
    ~TQtTranslation();
    TQtTranslation(const TQtTranslation&) = delete;
    TQtTranslation& operator=(const TQtTranslation&) = delete;

    // Whether the Chinese texts were found and installed.
    bool Loaded() const { return Loaded_; }

private:
    QLocale SavedLocale_;
    QTranslator Translator_;
    bool Loaded_ = false;
};

} // namespace lodrin
