// Opens real level collections in the editor and saves PNGs of the open dialog
// with its recent files, the chooser over a collection (plain, filtered, and
// scrolled through large levels) and the editor with the chosen level:
//   lodrin_file_screenshots <output folder> <levels folder> <Skins folder>

#include "Editor_/EditorWindows.h"
#include "Editor_/LevelChooserForm.h"
#include "Editor_/LevelFileReader.h"
#include "Editor_/LevelFileSettings.h"
#include "platform/QtTranslation.h"
#include "platform/ScriptedPlatform.h"
#include "platform/UiFont.h"
#include "tools/screenshots/WindowShots.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

using namespace lodrin;
using shots::Save;
using shots::Settle;

// Runs `steps` on the next modal window once it shows.
void WhenModal(std::function<void(QWidget*)> steps) {
    QTimer::singleShot(0, [steps = std::move(steps)] {
        Settle();
        steps(QApplication::activeModalWidget());
    });
}

// The Qt open dialog as Ctrl+O shows it, with the recent files above.
bool ShootOpenDialog(const QDir& out) {
    bool ok = false;
    WhenModal([&ok, &out](QWidget* dialog) {
        ok = dialog != nullptr && Save(dialog, out, "files-open-dialog.png");
        if (dialog != nullptr) {
            dialog->close();
        }
    });
    TQtFileDialogs dialogs;
    dialogs.OpenFileNameFrom(nullptr, TEditorForm_::OpenDialogFilter,
                             {TLevelFileSettings().LastFile(), TLevelFileSettings().RecentFiles()});
    return ok;
}

// Opens a collection in the editor; `steps` works the chooser, then it closes.
void OpenCollection(TEditorForm_& editor, const QString& path,
                    std::function<void(TLevelChooserForm*)> steps) {
    WhenModal([steps = std::move(steps)](QWidget* dialog) {
        if (auto* chooser = qobject_cast<TLevelChooserForm*>(dialog)) {
            steps(chooser);
            if (chooser->isVisible()) {
                chooser->reject();
            }
        }
    });
    editor.OpenLevelFile(path);
    editor.FileReader().Finish();
}

bool ShootChooser(TEditorWindows& windows, const QDir& out, const QDir& levels) {
    TEditorForm_& editor = windows.Editor;
    bool ok = true;
    OpenCollection(editor, levels.filePath(QStringLiteral("sokoban-rs/box_world_100.xsb")),
                   [&](TLevelChooserForm* chooser) {
                       QTest::keyClick(chooser->ed_Filter, Qt::Key_Down);
                       ok = Save(chooser, out, "files-chooser.png") && ok;
                       QTest::keyClicks(chooser->ed_Filter, QStringLiteral("world 2"));
                       QTest::keyClick(chooser->ed_Filter, Qt::Key_Down);
                       ok = Save(chooser, out, "files-chooser-filter.png") && ok;
                       QTest::keyClick(chooser->ed_Filter, Qt::Key_Return);
                   });
    ok = Save(&editor, out, "files-editor-level.png") && ok;
    editor.NextLevelClick();
    ok = Save(&editor, out, "files-editor-next-level.png") && ok;
    OpenCollection(editor, levels.filePath(QStringLiteral("ksokoban-retroban/Dushi13.xsb")),
                   [&](TLevelChooserForm* chooser) {
                       for (int i = 0; i < 40; ++i) {
                           QTest::keyClick(chooser->lv_Levels, Qt::Key_Down);
                       }
                       ok = Save(chooser, out, "files-chooser-large-levels.png") && ok;
                   });
    // A file of one level goes straight onto the board.
    editor.OpenLevelFile(levels.filePath(QStringLiteral("../large/Atlas03_67_81x50.xsb")));
    editor.FileReader().Finish();
    return Save(&editor, out, "files-editor-single-level-file.png") && ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <output folder> <levels folder> <Skins folder>\n", argv[0]);
        return 2;
    }
    QApplication::setFont(UiFont(12));
    const TQtTranslation chinese; // Qt's own texts in the file view, as the editor shows them
    QApplication::setOrganizationName(QStringLiteral("LodrinScreenshots"));
    const QTemporaryDir settings; // the recent files of this run only
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QDir levels(QString::fromLocal8Bit(argv[2]));
    TScriptedPlatform platform;
    TEditorWindows windows(platform.Seams(), {}, QString::fromLocal8Bit(argv[3]));
    windows.Editor.show();
    bool ok = ShootChooser(windows, out, levels);
    ok = ShootOpenDialog(out) && ok;
    windows.Editor.Document().MarkSaved();
    return ok ? 0 : 1;
}
