#pragma once

#include <QString>
#include <QStringList>

namespace lodrin {

// The level files the editor remembers between runs, kept in the program's
// settings (the user's configuration folder): the last opened file, where the
// next open dialog starts, and the most recently opened ones.
class TLevelFileSettings {
public:
    // The last opened file (the first of the recent ones), or empty.
    QString LastFile() const;
    QStringList RecentFiles() const;
    // Remembers an opened file as the first of the recent ones.
    void Remember(const QString& path);
};

} // namespace lodrin
