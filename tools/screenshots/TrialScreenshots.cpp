// Puts the trial window into the states worth looking at and saves a PNG of
// each: lodrin_trial_screenshots <output folder> <solved levels file>
// <Skins folder> [<large level file>].
//
// Forward and reverse play of real levels, the keeper's reach, a selected box
// with its marks, odd/even held, turns 1 and 5, the board under all eight turns
// with each shipped seamless skin (one sheet per skin), and a 100 x 100 level at
// the smallest square size.

#include "Editor_/EditorWindows.h"
#include "TrialUnit/TrialForm.h"
#include "TrialUnit/TrialMapImage.h"
#include "board/LevelText.h"
#include "platform/ScriptedPlatform.h"
#include "platform/UiFont.h"
#include "tools/screenshots/WindowShots.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace lodrin;

// A level of the solved file: its text up to and including the title line, and
// its solution.
struct SolvedLevel {
    QString Text;
    QString Title;
    QString Solution;
};

std::vector<SolvedLevel> ReadSolved(const QString& path) {
    QFile file(path);
    std::vector<SolvedLevel> levels;
    if (!file.open(QIODevice::ReadOnly)) {
        return levels;
    }
    SolvedLevel level;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("Solution:"))) {
            level.Solution = line.mid(9).trimmed();
            levels.push_back(level);
            level = {};
        } else {
            level.Text += line + QLatin1Char('\n');
            if (line.startsWith(QStringLiteral("Title:"))) {
                level.Title = line.mid(6).trimmed();
            }
        }
    }
    return levels;
}

const SolvedLevel* Find(const std::vector<SolvedLevel>& levels, const QString& title) {
    for (const SolvedLevel& level : levels) {
        if (level.Title == title) {
            return &level;
        }
    }
    std::fprintf(stderr, "no level titled %s\n", qPrintable(title));
    return nullptr;
}

// Resizes the window and waits (up to a second) for the window system to follow.
void ResizeTo(QWidget* window, QSize size) {
    window->resize(size);
    QElapsedTimer timer;
    timer.start();
    while (window->size() != size && timer.elapsed() < 1000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    shots::Settle();
}

bool Save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool Save(QWidget* window, const QDir& folder, const QString& name) {
    return shots::Save(window, folder, name.toLatin1().constData());
}

// Pastes the level into the editor and opens the trial field on it.
void Open(TEditorWindows& windows, TScriptedPlatform& platform, const QString& text, bool reverse) {
    windows.Editor.Document().MarkSaved();
    QApplication::clipboard()->setText(text);
    platform.Messages.Answer({MessageAnswer::Ok});
    windows.Editor.sb_LoadClick();
    platform.Modifiers.Modifiers = reverse ? Qt::ControlModifier : Qt::NoModifier;
    windows.Editor.sb_TrialClick();
    platform.Modifiers.Modifiers = Qt::NoModifier;
    shots::Settle();
}

// Plays moves through the clipboard, as Ctrl+L does.
void PlayMoves(TTrialForm& trial, const QString& moves) {
    QApplication::clipboard()->setText(moves);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_L, Qt::ControlModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_L, Qt::ControlModifier);
    trial.FormKeyDown(&press);
    trial.FormKeyUp(&release);
}

// The pixel in the middle of a board cell as the window shows it now.
QPoint CellPixel(const TTrialForm& trial, int row, int col) {
    const TTrialPlay& play = trial.Field().Play();
    const ViewCell at =
        BoardToView(trial.Field().Turn(), row, col, play.TrialRows(), play.TrialCols());
    const int size = trial.Field().CellSize();
    return {at.X * size + size / 2, at.Y * size + size / 2};
}

void Click(TTrialForm& trial, int cell) {
    const int cols = trial.Field().Play().TrialCols();
    trial.map_ImageMouseDown(Qt::LeftButton, CellPixel(trial, cell / cols, cell % cols));
}

// The last box in index order: in the level used, one with room to move.
int LastBox(const TTrialForm& trial) {
    const TTrialPlay& play = trial.Field().Play();
    for (int p = play.CellCount() - 1; p >= 0; --p) {
        if (IsBoxCode(play.TrialCells()[static_cast<std::size_t>(p)])) {
            return p;
        }
    }
    return -1;
}

// The trial board as it stands, as level text.
QString BoardText(const TTrialForm& trial) {
    static constexpr char Chars[] = "-#-.$*@+";
    const TTrialPlay& play = trial.Field().Play();
    QString text;
    for (int p = 0; p < play.CellCount(); ++p) {
        text +=
            QLatin1Char(Chars[static_cast<int>(play.TrialCells()[static_cast<std::size_t>(p)])]);
        if ((p + 1) % play.TrialCols() == 0) {
            text += QLatin1Char('\n');
        }
    }
    return text;
}

// The moves that take a solution back from its end, for reverse play.
QString Backwards(const QString& moves) {
    const QString from = QStringLiteral("lrudLRUD");
    const QString to = QStringLiteral("rlduRLDU");
    QString back;
    for (auto it = moves.crbegin(); it != moves.crend(); ++it) {
        back += to[from.indexOf(*it)];
    }
    return back;
}

void SetTurn(TTrialForm& trial, int turn) {
    while (trial.Field().Turn() != turn) {
        trial.pnl_TrunMouseUp(Qt::LeftButton);
    }
}

bool ShootPlay(TEditorWindows& windows, TScriptedPlatform& platform,
               const std::vector<SolvedLevel>& levels, const QDir& out) {
    TTrialForm& trial = *windows.Trial;
    const SolvedLevel* first = Find(levels, QStringLiteral("Original & Extra 1"));
    const SolvedLevel* second = Find(levels, QStringLiteral("Original & Extra 2"));
    if (first == nullptr || second == nullptr) {
        return false;
    }
    Open(windows, platform, first->Text, false);
    PlayMoves(trial, first->Solution.left(60));
    bool ok = Save(&trial, out, QStringLiteral("trial-forward.png"));
    Click(trial, trial.Field().Play().KeeperPos());
    ok = Save(&trial, out, QStringLiteral("trial-keeper-reach.png")) && ok;
    Click(trial, LastBox(trial));
    ok = Save(&trial, out, QStringLiteral("trial-box-selected.png")) && ok;
    trial.bt_OddEvenMouseDown();
    ok = Save(&trial, out, QStringLiteral("trial-odd-even.png")) && ok;
    trial.bt_OddEvenMouseUp();
    trial.close();

    // Reverse play starts from the solved level and pulls the boxes back.
    Open(windows, platform, second->Text, false);
    PlayMoves(trial, second->Solution);
    const QString solved = BoardText(trial);
    trial.close();
    Open(windows, platform, solved, true);
    PlayMoves(trial, Backwards(second->Solution).left(150));
    ok = Save(&trial, out, QStringLiteral("trial-reverse.png")) && ok;
    for (const int turn : {1, 5}) {
        SetTurn(trial, turn);
        ok = Save(&trial, out, QStringLiteral("trial-turn%1.png").arg(turn)) && ok;
    }
    SetTurn(trial, 0);
    trial.close();
    return ok;
}

// The board under turns 0 to 7, four to a row, with a seamless skin.
bool ShootSeams(TEditorWindows& windows, TScriptedPlatform& platform,
                const std::vector<SolvedLevel>& levels, const QDir& skins, const QDir& out) {
    const SolvedLevel* walls = Find(levels, QStringLiteral("Original & Extra 67"));
    if (walls == nullptr) {
        return false;
    }
    TTrialForm& trial = *windows.Trial;
    bool ok = true;
    for (const char* name : {"Stone40", "Garden64", "Ice96"}) {
        windows.Skin.LoadFile(skins.filePath(QStringLiteral("%1.bmp").arg(name)).toStdString());
        Open(windows, platform, walls->Text, false);
        if (!windows.Skin.Tiles().Seamless) {
            std::fprintf(stderr, "%s is not seamless\n", name);
            ok = false;
        }
        std::vector<QImage> pictures;
        QSize cell;
        for (int turn = 0; turn < TurnCount; ++turn) {
            SetTurn(trial, turn);
            pictures.push_back(trial.Picture());
            cell = cell.expandedTo(trial.Picture().size() + QSize(8, 8));
        }
        QImage sheet(4 * cell.width(), 2 * cell.height(), QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        for (int turn = 0; turn < TurnCount; ++turn) {
            painter.drawImage((turn % 4) * cell.width() + 4, (turn / 4) * cell.height() + 4,
                              pictures[static_cast<std::size_t>(turn)]);
        }
        painter.end();
        ok = Save(sheet, out, QStringLiteral("trial-seams-%1.png").arg(name)) && ok;
        SetTurn(trial, 3);
        ok = Save(&trial, out, QStringLiteral("trial-skin-%1.png").arg(name)) && ok;
        SetTurn(trial, 0);
        trial.close();
    }
    return ok;
}

// A level of 100 x 100 squares at 10-pixel squares.
bool ShootLarge(TEditorWindows& windows, TScriptedPlatform& platform, const QString& path,
                const QDir& out) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    Open(windows, platform, QString::fromUtf8(file.readAll()), false);
    TTrialForm& trial = *windows.Trial;
    ResizeTo(&trial, {1240, 990});
    bool ok = Save(&trial, out, QStringLiteral("trial-large.png"));
    ResizeTo(&trial, {800, 600});
    ok = Save(&trial, out, QStringLiteral("trial-large-800x600.png")) && ok;
    trial.close();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr,
                     "usage: %s <output folder> <solved levels> <Skins folder> [<large level>]\n",
                     argv[0]);
        return 2;
    }
    QApplication::setFont(UiFont(12));
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::vector<SolvedLevel> levels = ReadSolved(QString::fromLocal8Bit(argv[2]));
    const QDir skins(QString::fromLocal8Bit(argv[3]));
    TScriptedPlatform platform;
    TEditorWindows windows(platform.Seams(), {}, skins.path());
    windows.Editor.show();
    bool ok = ShootPlay(windows, platform, levels, out);
    if (argc == 5) {
        ok = ShootLarge(windows, platform, QString::fromLocal8Bit(argv[4]), out) && ok;
    }
    ok = ShootSeams(windows, platform, levels, skins, out) && ok;
    windows.Editor.Document().MarkSaved();
    return ok ? 0 : 1;
}
