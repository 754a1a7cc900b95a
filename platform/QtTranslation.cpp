#include "platform/QtTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace lodrin {
namespace {

// The catalogue of Qt's base modules (widgets, dialogs, message boxes).
const QString CatalogueName = QStringLiteral("qtbase_zh_CN");

} // namespace

QStringList QtTranslationFolders() {
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
}

TQtTranslation::TQtTranslation(const QStringList& folders) {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    for (const QString& folder : folders) {
        if (!folder.isEmpty() && Translator_.load(CatalogueName, folder)) {
            Loaded_ = QCoreApplication::installTranslator(&Translator_);
            return;
        }
    }
}

TQtTranslation::~TQtTranslation() {
    if (Loaded_) {
        QCoreApplication::removeTranslator(&Translator_);
    }
    QLocale::setDefault(SavedLocale_);
}

} // namespace lodrin
