// Puts the editor's windows into the states worth looking at and saves a PNG
// of each: lodrin_editor_screenshots <output folder> <level file> <Skins folder>.

#include "Editor_/EditorCursors.h"
#include "Editor_/EditorGrid.h"
#include "Editor_/EditorHelpForm.h"
#include "Editor_/EditorInfForm.h"
#include "Editor_/EditorWindows.h"
#include "LoadSkin/LoadSkinForm.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/QtTranslation.h"
#include "platform/ScriptedPlatform.h"
#include "platform/UiFont.h"
#include "tools/screenshots/WindowShots.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>

#include <cstdio>

namespace {

using namespace lodrin;
using shots::Save;

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void Zoom(TEditorForm_& editor, int size) {
    editor.DrawGrid1->ZoomReset();
    while (editor.DrawGrid1->CellSize() > size) {
        editor.FormKeyPress(0, QStringLiteral("-"));
    }
}

bool ShootEditor(TEditorWindows& windows, TScriptedPlatform& platform, const QDir& out,
                 const QString& level) {
    TEditorForm_& editor = windows.Editor;
    editor.show();
    bool ok = Save(&editor, out, "editor-empty.png");
    QApplication::clipboard()->setText(level);
    platform.Messages.Answer({MessageAnswer::Ok});
    editor.sb_LoadClick();
    editor.ToolClick(EditTool::WallTool);
    editor.DrawGrid1->SetFocusCell(5, 8);
    ok = Save(&editor, out, "editor-level-60.png") && ok;
    Zoom(editor, 30);
    editor.ToolClick(EditTool::BoxTool);
    ok = Save(&editor, out, "editor-level-30.png") && ok;
    editor.bt_LeftBarClick();
    ok = Save(&editor, out, "editor-box-placement.png") && ok;
    editor.bt_LeftBarClick();
    return ok;
}

// The six grid cursors side by side.
bool ShootCursors(const TEditorWindows& windows, const QDir& out) {
    std::vector<QImage> cursors;
    for (int i = 0; i < ToolCursorCount; ++i) {
        cursors.push_back(ToolCursorImage(static_cast<ToolCursor>(i), windows.Skin.Strip()));
    }
    return shots::SaveCursorSheet(cursors, out, "cursors.png");
}

// The shipped stone skin's entry in the chooser's list, if it is there.
QListWidgetItem* StoneSkin(const QListWidget* list) {
    const QList<QListWidgetItem*> found =
        list->findItems(QStringLiteral("Stone40.bmp"), Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
}

bool ShootDialogs(TEditorWindows& windows, const QDir& out) {
    const TMapNode& node = windows.Editor.Document().MapNode;
    windows.Info->Fill(QString::fromStdString(node.Title), QStringLiteral("关卡作者"),
                       QStringLiteral("第一行说明\r\n第二行说明"));
    windows.Info->show();
    bool ok = Save(windows.Info, out, "info-dialog.png");
    windows.Info->hide();
    windows.Help->show();
    ok = Save(windows.Help, out, "help-window.png") && ok;
    windows.Help->hide();
    windows.SkinChooser->show();
    windows.SkinChooser->activateWindow();
    ok = Save(windows.SkinChooser, out, "skin-chooser-opened.png") && ok;
    QListWidget* list = windows.SkinChooser->ListBox1;
    QListWidgetItem* stone = StoneSkin(list);
    list->setCurrentItem(stone != nullptr ? stone : list->item(0));
    ok = Save(windows.SkinChooser, out, "skin-chooser.png") && ok;
    windows.SkinChooser->hide();
    return ok;
}

// The question asked when the editor closes with unsaved changes, as Qt shows it.
bool ShootQuestion(TEditorWindows& windows, const QDir& out) {
    const auto box = MakeMessageBox(&windows.Editor, MessageKind::Question,
                                    QStringLiteral("有新的修改，保存吗？"));
    box->show();
    const bool ok = Save(box.get(), out, "question-box.png");
    box->hide();
    return ok;
}

// The save dialog of Ctrl+S, as Qt shows it, in a folder holding a few levels.
bool ShootSaveDialog(TEditorWindows& windows, const QDir& out) {
    QTemporaryDir folder;
    QDir levels(folder.path());
    levels.mkdir(QStringLiteral("旧关卡"));
    for (const char* name : {"Microban.xsb", "我的关卡.xsb", "说明.txt", "截图.png"}) {
        QFile file(levels.filePath(QString::fromUtf8(name)));
        file.open(QIODevice::WriteOnly);
    }
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    bool ok = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ok = dialog != nullptr && Save(dialog, out, "save-dialog.png");
        if (dialog != nullptr) {
            dialog->close();
        }
    });
    TQtFileDialogs().SaveFileName(&windows.Editor, TEditorForm_::SaveDialog1Filter);
    QDir::setCurrent(before);
    return ok;
}

// Confirms a shipped skin in the chooser and shows the editor painted with it.
bool ShootChangedSkin(TEditorWindows& windows, const QDir& out) {
    TLoadSkinForm* chooser = windows.SkinChooser;
    QTimer::singleShot(0, chooser, [chooser] {
        if (QListWidgetItem* stone = StoneSkin(chooser->ListBox1)) {
            chooser->ListBox1->setCurrentItem(stone);
        }
        chooser->Button2->click();
    });
    windows.Editor.bt_SkinClick();
    return Save(&windows.Editor, out, "editor-stone-skin.png");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <output folder> <level file> <Skins folder>\n", argv[0]);
        return 2;
    }
    QApplication::setFont(UiFont(12));
    const TQtTranslation chinese;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString level = ReadText(QString::fromLocal8Bit(argv[2]));
    if (level.isEmpty()) {
        std::fprintf(stderr, "cannot read the level file %s\n", argv[2]);
        return 1;
    }
    TScriptedPlatform platform;
    TEditorWindows windows(platform.Seams(), {}, QString::fromLocal8Bit(argv[3]));
    const bool editorOk = ShootEditor(windows, platform, out, level);
    const bool dialogsOk = ShootDialogs(windows, out) && ShootQuestion(windows, out) &&
                           ShootSaveDialog(windows, out) && ShootCursors(windows, out) &&
                           ShootChangedSkin(windows, out);
    windows.Editor.Document().MarkSaved();
    return editorOk && dialogsOk ? 0 : 1;
}
