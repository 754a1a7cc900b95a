// LodrinEditor: the level editor with its trial field, recognition and skins.

#include "Editor_/EditorWindows.h"
#include "Editor_/StartOptions.h"
#include "platform/Platform.h"
#include "platform/UiFont.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>

#include <string>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Lodrin")); // settings: ~/.config/Lodrin/
    QApplication::setApplicationName(QStringLiteral("LodrinEditor"));
    QApplication::setFont(lodrin::UiFont(12));
    std::vector<std::string> arguments;
    const QStringList given = QCoreApplication::arguments();
    for (qsizetype i = 1; i < given.size(); ++i) {
        arguments.push_back(given[i].toStdString());
    }
    lodrin::TQtPlatform platform;
    lodrin::TEditorWindows windows(
        platform.Seams(), lodrin::ReadStartOptions(arguments),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Skins")));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(windows.Skin.Strip().Tile(lodrin::Box))));
    windows.Editor.show();
    return app.exec();
}
