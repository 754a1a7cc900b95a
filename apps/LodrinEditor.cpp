// LodrinEditor: the level editor with its trial field, recognition and skins.

#include "Editor_/EditorWindows.h"
#include "Editor_/StartOptions.h"
#include "LoadSkin/LoadSkinForm.h"
#include "platform/Platform.h"
#include "platform/ProgramArguments.h"
#include "platform/ProgramFolders.h"
#include "platform/QtTranslation.h"
#include "platform/UiFont.h"

#include <QApplication>
#include <QIcon>
#include <QListWidget>
#include <QPixmap>

#include <iostream>

namespace {

// Answers --help and --version before any window system is needed; -1 when neither.
int AnswerWithoutWindows(int argc, char** argv) {
    const lodrin::StartOptions asked =
        lodrin::ReadStartOptions(lodrin::ProgramArguments(argc, argv));
    if (asked.ShowHelp) {
        std::cout << lodrin::EditorHelpText;
    } else if (asked.ShowVersion) {
        std::cout << "LodrinEditor " LODRIN_VERSION "\n";
    }
    return asked.ShowHelp || asked.ShowVersion ? 0 : -1;
}

// Prints the skins folder and the files the skin chooser lists there.
int ListSkins(lodrin::TLoadSkinForm& chooser) {
    chooser.FormShow();
    std::cout << chooser.SkinsFolder().toStdString() << "\n";
    for (int i = 0; i < chooser.ListBox1->count(); ++i) {
        std::cout << chooser.ListBox1->item(i)->text().toStdString() << "\n";
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (const int answered = AnswerWithoutWindows(argc, argv); answered >= 0) {
        return answered;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Lodrin")); // settings: ~/.config/Lodrin/
    QApplication::setApplicationName(QStringLiteral("LodrinEditor"));
    QGuiApplication::setDesktopFileName(QStringLiteral(LODRIN_APP_ID_PREFIX ".LodrinEditor"));
    QApplication::setFont(lodrin::UiFont(12));
    const lodrin::TQtTranslation chinese;
    // Qt has taken its own options (-platform and the like) out of the arguments by now.
    const lodrin::StartOptions options = lodrin::ReadStartOptions(lodrin::ProgramArguments());
    if (!options.Error.empty()) {
        std::cerr << "LodrinEditor: " << options.Error << "\n" << lodrin::EditorUsage << "\n";
        return 2;
    }
    const lodrin::ProgramFolders folders = lodrin::ChooseProgramFolders(
        lodrin::LookAtProgramPlace(QCoreApplication::applicationDirPath().toStdString()));
    lodrin::TQtPlatform platform;
    lodrin::TEditorWindows windows(platform.Seams(), options,
                                   QString::fromStdString(folders.Skins));
    if (options.ListSkins) {
        return ListSkins(*windows.SkinChooser);
    }
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(windows.Skin.Strip().Tile(lodrin::Box))));
    windows.Editor.show();
    return app.exec();
}
