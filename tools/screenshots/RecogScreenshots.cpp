// Puts the recognition window into the states worth looking at and saves a PNG of each:
// lodrin_recog_screenshots <output folder> <level file> <Skins folder>. The screenshot it
// recognises is a real level of the level file drawn with the shipped stone skin inside a
// larger picture of noise.

#include "Editor_/EditorGrid.h"
#include "Editor_/EditorWindows.h"
#include "LoadSkin/SkinFile.h"
#include "Recog_/RecogCursors.h"
#include "Recog_/RecogDisplay.h"
#include "Recog_/RecogForm.h"
#include "Recog_/RecogValueBox.h"
#include "Recog_/SyntheticLevel.h"
#include "board/XsbRows.h"
#include "platform/ScriptedPlatform.h"
#include "platform/UiFont.h"
#include "support/LevelScreenshot.h"
#include "tools/screenshots/WindowShots.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <sstream>

namespace {

using namespace lodrin;

// Where the level lies in the screenshot, and the screenshot's size.
const QPoint LevelOrigin(137, 91);
const QSize ShotSize(1400, 900);

using shots::Save;
using shots::Settle;

// The first level of the file that holds every kind of element, as rows.
std::vector<std::string> LevelWithEveryElement(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    std::istringstream in(file.readAll().toStdString());
    std::vector<std::string> rows;
    std::string line;
    const auto complete = [&rows] {
        std::string all;
        for (const std::string& row : rows) {
            all += row;
        }
        return all.find_first_of("*") != std::string::npos &&
               all.find_first_of("$") != std::string::npos &&
               all.find_first_of(".+") != std::string::npos && rows.size() >= 8;
    };
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty() && IsBoardRow(line)) {
            rows.push_back(line);
            continue;
        }
        if (line.empty() && !rows.empty()) {
            if (complete()) {
                return rows;
            }
            rows.clear();
        }
    }
    return complete() ? rows : std::vector<std::string>{};
}

// Types a value into a value box the way the user does, then presses Enter.
void Type(TRecogValueBox* box, int value) {
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QString::number(value));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_End); // no selection left to show
}

// The display point in the middle of grid cell (row, col).
QPoint CellCentre(const TRecogState& recog, int row, int col) {
    const DisplayRect cell = recog.Frame.CellRect(row, col);
    return {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
}

// The driver's clock: a second passes between two clicks, so that none is a double click.
TManualClock* Clock = nullptr;

// Clicks cell (row, col) of the display with the left button.
void ClickCell(TRecogForm_& form, const TRecogState& recog, int row, int col) {
    Clock->Advance(1000);
    const QPoint at = CellCentre(recog, row, col);
    form.Image1MouseMove(at, Qt::NoModifier);
    form.Image1MouseDown(Qt::LeftButton, at);
    form.Image1MouseUp(Qt::LeftButton, at, Qt::NoModifier);
}

// The first cell of the level holding one of the characters.
std::optional<QPoint> FirstCell(const std::vector<std::string>& rows, std::string_view kinds) {
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            if (kinds.find(rows[r][c]) != std::string_view::npos) {
                return QPoint(c, r);
            }
        }
    }
    return std::nullopt;
}

// The level's frame typed into the value boxes, cells of the skin's tile size.
void FrameTheLevel(TRecogForm_& form, const std::vector<std::string>& rows, int tile) {
    const int width = static_cast<int>(rows[0].size());
    const int height = static_cast<int>(rows.size());
    Type(form.Map_Right, LevelOrigin.x() + width * tile - 1);
    Type(form.Map_Bottom, LevelOrigin.y() + height * tile - 1);
    Type(form.Map_Left, LevelOrigin.x());
    Type(form.Map_Top, LevelOrigin.y());
    Type(form.Map_ColWidth, tile);
    Type(form.Map_RowHeight, tile);
}

bool ShootFrameModes(TRecogForm_& form, TRecogState& recog, const QDir& out) {
    const FrameValues frame = recog.Frame.Values();
    const QPoint onRight(frame.Right, (frame.Top + frame.Bottom) / 2);
    form.Image1MouseMove(onRight, Qt::NoModifier);
    bool ok = Save(&form, out, "recognition-frame-hover.png");
    Clock->Advance(1000);
    form.Image1MouseDown(Qt::LeftButton, onRight);
    form.Image1MouseMove(onRight - QPoint(160, 0), Qt::NoModifier);
    form.Image1MouseMove(onRight - QPoint(320, 0), Qt::NoModifier);
    ok = Save(&form, out, "recognition-frame-drag.png") && ok;
    form.Image1MouseUp(Qt::LeftButton, onRight - QPoint(320, 0), Qt::NoModifier);
    Type(form.Map_Right, frame.Right);
    return ok;
}

bool ShootRecognition(TRecogForm_& form, TRecogState& recog, const std::vector<std::string>& rows,
                      const QDir& out) {
    const std::pair<char, RecogTool> kinds[] = {{'#', RecogTool::ToolWall},
                                                {'$', RecogTool::ToolBox},
                                                {'*', RecogTool::ToolBoxOnGoal},
                                                {'.', RecogTool::ToolGoal}};
    bool ok = true;
    for (const auto& [kind, tool] : kinds) {
        form.ToolClick(tool);
        if (const auto cell = FirstCell(rows, std::string_view(&kind, 1))) {
            ClickCell(form, recog, cell->y(), cell->x());
        }
        if (kind == '#') {
            ok = Save(&form, out, "recognition-auto-walls.png") && ok;
        }
    }
    form.ToolClick(RecogTool::ToolPlayer);
    if (const auto keeper = FirstCell(rows, "@+")) {
        ClickCell(form, recog, keeper->y(), keeper->x());
        if (rows[keeper->y()][keeper->x()] == '+') {
            ClickCell(form, recog, keeper->y(), keeper->x());
        }
    }
    form.Panel4Click();
    ok = Save(&form, out, "recognition-finished-figures.png") && ok;
    form.Image3Click();
    form.CheckBox2->click();
    ok = Save(&form, out, "recognition-xsb.png") && ok;
    form.CheckBox2->click();
    form.CheckBox1->click();
    form.ToolClick(RecogTool::ToolBox);
    ok = Save(&form, out, "recognition-manual.png") && ok;
    form.CheckBox1->click();
    return ok;
}

bool ShootHidingAndZoom(TRecogForm_& form, TRecogState& recog, const std::vector<std::string>& rows,
                        const QDir& out) {
    bool ok = true;
    if (const auto box = FirstCell(rows, "$")) {
        form.Image1MouseMove(CellCentre(recog, box->y(), box->x()), Qt::NoModifier);
        form.FormKeyDown(Qt::Key_Shift, Qt::ShiftModifier);
        ok = Save(&form, out, "recognition-shift-hides-boxes.png") && ok;
        form.FormKeyUp();
    }
    form.sb_ScaleClick();
    ok = Save(&form, out, "recognition-zoom2.png") && ok;
    form.sb_ScaleClick();
    form.sb_ScaleClick();
    return ok;
}

// The seven program cursors side by side.
bool ShootCursors(const TEditorWindows& windows, const QDir& out) {
    std::vector<QImage> cursors;
    for (int i = 0; i < 7; ++i) {
        const auto pointer =
            static_cast<DisplayPointer>(static_cast<int>(DisplayPointer::CursorWall) + i);
        cursors.push_back(RecogCursorImage(pointer, windows.Skin.Strip()));
    }
    return shots::SaveCursorSheet(cursors, out, "recognition-cursors.png");
}

// Closes the window with Yes from inside its modal loop and shows the editor with each
// reference picture.
bool ShootEditor(TEditorWindows& windows, TScriptedPlatform& platform, const QDir& out) {
    platform.Messages.Answer({MessageAnswer::Yes});
    TRecogForm_* form = windows.RecogForm;
    QTimer::singleShot(0, form, [form] { form->sb_ReturnClick(); });
    windows.Editor.sb_LoadPicClick();
    windows.Editor.show();
    windows.Editor.resize(1100, 760);
    windows.Editor.DrawGrid1->ZoomReset();
    for (int i = 0; i < 5; ++i) {
        windows.Editor.DrawGrid1->ZoomOut();
    }
    bool ok = Save(&windows.Editor, out, "editor-reference.png");
    windows.Editor.N6->setChecked(false);
    windows.Editor.N7->setChecked(true);
    ok = Save(&windows.Editor, out, "editor-small-reference.png") && ok;
    windows.Editor.Document().MarkSaved();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <output folder> <level file> <Skins folder>\n", argv[0]);
        return 2;
    }
    QApplication::setFont(UiFont(12));
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::vector<std::string> rows =
        test::MarkInside(LevelWithEveryElement(QString::fromLocal8Bit(argv[2])));
    SkinTiles stone;
    const QDir skins(QString::fromLocal8Bit(argv[3]));
    if (rows.empty() ||
        !LoadSkinFile(skins.filePath(QStringLiteral("Stone40.bmp")).toStdString(), stone)) {
        std::fprintf(stderr, "no level with every element in %s, or no Stone40.bmp in %s\n",
                     argv[2], argv[3]);
        return 1;
    }
    const QString shot = out.filePath(QStringLiteral("recognition-source.png"));
    test::LevelScreenshot(rows, stone, LevelOrigin, ShotSize, 7).save(shot);

    TScriptedPlatform platform;
    Clock = &platform.Clock;
    TEditorWindows windows(platform.Seams(), {}, skins.path());
    TRecogForm_& form = *windows.RecogForm;
    form.show();
    bool ok = Save(&form, out, "recognition-empty.png");
    platform.Files.Names = {shot};
    form.sb_OpenClick();
    ok = Save(&form, out, "recognition-opened.png") && ok;
    FrameTheLevel(form, rows, stone.TileSize);
    ok = ShootFrameModes(form, windows.Recog, out) && ok;
    ok = ShootRecognition(form, windows.Recog, rows, out) && ok;
    ok = ShootHidingAndZoom(form, windows.Recog, rows, out) && ok;
    ok = ShootCursors(windows, out) && ok;
    form.hide();
    ok = ShootEditor(windows, platform, out) && ok;
    return ok ? 0 : 1;
}
