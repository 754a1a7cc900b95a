// Opening the trial field from the editor: F5, F6 and the button, forward or in
// reverse by the Ctrl key at that moment, the two refusals, and a real level
// played through in the trial window the editor opened.

#include "EditorFormFixture.h"
#include "Editor_/EditorWindows.h"
#include "TrialUnit/TrialForm.h"
#include "support/BoardText.h"
#include "support/SolvedLevels.h"

#include <QClipboard>
#include <QToolButton>

namespace lodrin {
namespace {

using Rows = std::vector<std::string>;

class EditorTrialTest : public test::EditorFormFixture {};

const Rows Level = {"", "  #####", "  #@$.#", "  #####"};

TEST_F(EditorTrialTest, TheModeFollowsCtrlAtTheMomentOfTheKeyOrClick) {
    Doc().board = test::BoardFromRows(Level);
    Key(Qt::Key_F5);
    platform.Modifiers.Modifiers = Qt::ControlModifier;
    Key(Qt::Key_F5);
    Key(Qt::Key_F6);
    form.sb_Trial->click();
    platform.Modifiers.Modifiers = Qt::NoModifier;
    Key(Qt::Key_F6);
    form.sb_Trial->click();
    EXPECT_EQ(trialModes,
              (std::vector<PlayMode>{PlayMode::Forward, PlayMode::Reverse, PlayMode::Reverse,
                                     PlayMode::Reverse, PlayMode::Forward, PlayMode::Forward}));
    const TrialHandOver expected = HandOverToTrial(Doc().board);
    ASSERT_FALSE(trialBoards.empty());
    EXPECT_EQ(trialBoards[0].Cells, expected.Board.Cells);
    EXPECT_EQ(trialBoards[0].Rows, 3);
    EXPECT_EQ(trialBoards[0].Cols, 5);
    EXPECT_EQ(trialBoards[0].Boxes, 1);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(Doc().board, test::BoardFromRows(Level)) << "the editor's level stays as it was";
}

TEST_F(EditorTrialTest, LevelsTheTrialFieldRefuses) {
    const struct {
        Rows Level;
        const char* Message;
    } cases[] = {
        {{"#####", "# $.#", "#####"}, "仓管员数不正确！"},
        {{"######", "#@$.@#", "######"}, "仓管员数不正确！"},
        {{"#####", "#@$. ", "#####"}, "尚未封闭的地图！"},
        {{"@ $ ."}, "尚未封闭的地图！"},
    };
    for (const auto& c : cases) {
        Shown().clear();
        Doc().board = test::BoardFromRows(c.Level);
        Key(Qt::Key_F5);
        ASSERT_EQ(Shown().size(), 1u) << c.Message;
        EXPECT_EQ(Shown()[0].Kind, MessageKind::Error);
        EXPECT_EQ(Shown()[0].Text, QString::fromUtf8(c.Message));
    }
    EXPECT_TRUE(trialBoards.empty());
}

// The editor's whole program: a real level pasted, F5, its solution played with
// Ctrl+L in the trial window, every box on a goal; undoing everything restores it.
TEST(TrialFromTheEditor, ARealLevelIsSolvedAndTakenBack) {
    LODRIN_REQUIRE_SHARED(test::SolvedLevelsPath());
    const test::SolvedLevel level = test::LoadSolvedLevels().at(1);
    TScriptedPlatform platform;
    TEditorWindows windows(platform.Seams(), {}, QStringLiteral("/nonexistent/Skins"));
    windows.Editor.show();
    QApplication::clipboard()->setText(QString::fromStdString(level.Text));
    QTest::keyClick(windows.Editor.DrawGrid1, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(windows.Editor.DrawGrid1, Qt::Key_F5);
    TTrialForm& trial = *windows.Trial;
    ASSERT_TRUE(trial.isVisible());
    EXPECT_EQ(trial.windowTitle(), QStringLiteral("正推演炼场"));
    EXPECT_EQ(trial.StatusText(5), QStringLiteral("10"));
    const TTrialPlay& play = trial.Field().Play();
    const std::vector<TrialCode> start(play.Cells().begin(), play.Cells().end());

    QApplication::clipboard()->setText(QString::fromStdString(level.Solution));
    QTest::keyClick(&trial, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(play.MoveRecord(), level.Solution);
    EXPECT_EQ(std::count(play.Cells().begin(), play.Cells().end(), TrialCode::Box), 0);
    EXPECT_EQ(std::count(play.Cells().begin(), play.Cells().end(), TrialCode::BoxOnGoal), 10);
    EXPECT_EQ(trial.StatusText(1).toStdString(), std::to_string(level.Solution.size()));

    QTest::keyClick(&trial, Qt::Key_Escape);
    EXPECT_EQ(std::vector<TrialCode>(play.Cells().begin(), play.Cells().end()), start);
    EXPECT_EQ(trial.StatusText(7), QStringLiteral("已至首！"));
    EXPECT_EQ(trial.StatusText(1), QStringLiteral("0"));
    QTest::keyClick(&trial, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(trial.isVisible());
    EXPECT_TRUE(windows.Editor.isVisible());
    windows.Editor.Document().MarkSaved();
}

} // namespace
} // namespace lodrin
