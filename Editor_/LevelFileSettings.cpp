#include "Editor_/LevelFileSettings.h"

#include "Editor_/RecentFiles.h"

#include <QSettings>

namespace lodrin {
namespace {

const QString RecentFilesKey = QStringLiteral("LevelFiles/Recent");

} // namespace

QString TLevelFileSettings::LastFile() const {
    return RecentFiles().value(0);
}

QStringList TLevelFileSettings::RecentFiles() const {
    QStringList recent = QSettings().value(RecentFilesKey).toStringList();
    recent.removeAll(QString());
    return recent.mid(0, static_cast<qsizetype>(MaxRecentFiles));
}

void TLevelFileSettings::Remember(const QString& path) {
    std::vector<std::string> recent;
    for (const QString& file : RecentFiles()) {
        recent.push_back(file.toStdString());
    }
    QStringList updated;
    for (const std::string& file : AddRecentFile(std::move(recent), path.toStdString())) {
        updated << QString::fromStdString(file);
    }
    QSettings().setValue(RecentFilesKey, updated);
}

} // namespace lodrin
