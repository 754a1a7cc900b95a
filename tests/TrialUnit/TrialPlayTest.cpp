// Trial play: moves, pushes and pulls, grouped undo and redo, messages and export.

#include "TrialFixture.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

using Rows = std::vector<std::string>;
using test::PlayBoard;

const std::string Bad = std::string(BadMoveMessage);

TEST(TrialPlay, OpenFindsTheFirstKeeperAndResets) {
    PlayBoard b({"#####", "#@ .#", "#####"}, PlayMode::Forward);
    EXPECT_EQ(b.play->KeeperPos(), b.At(1, 1));
    EXPECT_EQ(b.play->CellCount(), 15);
    EXPECT_EQ(b.play->UndoMark(), -1);
    b.play->PlayTyped('r');
    b.play->PlayClick("r");
    b.play->Open();
    EXPECT_EQ(b.play->KeeperPos(), b.At(1, 3)) << "the board is kept, the play state reset";
    EXPECT_TRUE(b.play->MoveRecord().empty());
    EXPECT_TRUE(b.play->RedoTail().empty());
    EXPECT_EQ(b.play->MoveCount(), 0);
    EXPECT_EQ(b.play->UndoMark(), -1);
}

TEST(TrialPlay, TypedMoveIntoAWallChangesNothing) {
    PlayBoard b({"####", "#@ #", "####"}, PlayMode::Forward);
    const Rows before = b.Rows();
    b.play->PlayTyped('l');
    EXPECT_EQ(b.view->Calls,
              (std::vector<std::string>{"start", "msg:" + Bad + "l", "count:0,0", "draw"}));
    EXPECT_EQ(b.Rows(), before);
    EXPECT_EQ(b.play->MoveCount(), 0);
    EXPECT_EQ(b.play->RedoTail(), "l");
    b.play->PlayTyped('r');
    EXPECT_EQ(b.play->RedoTail(), "") << "a typed move replaces the tail";
    EXPECT_EQ(b.play->MoveRecord(), "r");
}

TEST(TrialPlay, ForwardPushesWhenABoxStandsAheadWhateverTheCase) {
    PlayBoard b({"#######", "#     #", "# $@  #", "#     #", "#######"}, PlayMode::Forward);
    b.play->PlayClipboard("lurd");
    EXPECT_EQ(b.play->MoveRecord(), "Lurd");
    EXPECT_EQ(b.play->MoveCount(), 4);
    EXPECT_EQ(b.play->PushCount(), 1);
    EXPECT_EQ(b.Rows(), (Rows{"#######", "#     #", "#$ @  #", "#     #", "#######"}));
    b.play->PlayTyped('D');
    EXPECT_EQ(b.play->MoveRecord(), "Lurdd") << "a step records lower case";
}

TEST(TrialPlay, ReversePullsOnlyOnUpperCase) {
    PlayBoard none({"#######", "# @   #", "#######"}, PlayMode::Reverse);
    none.play->PlayTyped('L');
    EXPECT_EQ(none.view->Message, Bad + "L");
    EXPECT_EQ(none.play->MoveCount(), 0);

    PlayBoard b({"#######", "#  @$ #", "#######"}, PlayMode::Reverse);
    b.play->PlayTyped('l');
    EXPECT_EQ(b.Rows(), (Rows{"#######", "# @ $ #", "#######"})) << "a step never moves a box";
    b.play->PlayTyped('r');
    b.play->PlayTyped('L');
    EXPECT_EQ(b.Rows(), (Rows{"#######", "# @$  #", "#######"}));
    EXPECT_EQ(b.play->MoveRecord(), "lrL");
    EXPECT_EQ(b.play->PushCount(), 1);
    b.play->PlayTyped('R');
    EXPECT_EQ(b.view->Message, Bad + "R") << "a pull needs a free square ahead";
    b.play->UndoAll();
    EXPECT_EQ(b.Rows(), (Rows{"#######", "#  @$ #", "#######"}));
    EXPECT_EQ(b.play->PushCount(), 0);
}

TEST(TrialPlay, MovesOffTheBoardEdgeAreRefused) {
    // No walls: the keeper on the left edge must not wrap into the row above.
    PlayBoard fwd({"   ", "@$ ", "   "}, PlayMode::Forward);
    fwd.play->PlayTyped('l');
    EXPECT_EQ(fwd.view->Message, Bad + "l");
    fwd.play->PlayClipboard("RR");
    EXPECT_EQ(fwd.play->MoveRecord(), "R") << "the box cannot be pushed off the right edge";
    EXPECT_EQ(fwd.view->Message, Bad + "R");

    PlayBoard rev({"   ", "$@ ", "   "}, PlayMode::Reverse);
    rev.play->PlayTyped('R');
    rev.play->PlayTyped('R');
    EXPECT_EQ(rev.play->MoveRecord(), "R");
    EXPECT_EQ(rev.view->Message, Bad + "R") << "the keeper on the right edge";
    PlayBoard pull({"   ", " @$", "   "}, PlayMode::Reverse);
    pull.play->PlayTyped('L');
    pull.play->UndoMove();
    pull.play->PlayTyped('L');
    EXPECT_EQ(pull.Rows(), (Rows{"   ", "@$ ", "   "}));
    pull.play->UndoMove();
    EXPECT_EQ(pull.Rows(), (Rows{"   ", " @$", "   "}));
}

TEST(TrialPlay, ReplayStopsAtTheFirstImpossibleMove) {
    PlayBoard b({"######", "#@   #", "######"}, PlayMode::Forward);
    b.play->PlayClipboard("rrrrrr");
    EXPECT_EQ(b.play->MoveRecord(), "rrr");
    EXPECT_EQ(b.play->RedoTail(), "rrr");
    EXPECT_EQ(b.play->KeeperPos(), b.At(1, 4));
    EXPECT_EQ(b.view->Message, Bad + "r");
    // Redo all meets the same move: the error stays, it does not claim the end.
    b.play->RedoAll();
    EXPECT_EQ(b.view->Message, Bad + "r");
    b.play->UndoAll();
    EXPECT_EQ(b.view->Message, AtFirstMessage);
    EXPECT_EQ(b.play->RedoTail(), "rrrrrr");
    b.play->PlayClipboard("\x01\xff binary ,,, \"\"");
    EXPECT_EQ(b.play->RedoTail(), "") << "no usable tokens: nothing to play";
    EXPECT_EQ(b.play->MoveCount(), 0);
}

TEST(TrialPlay, UndoAllAndRedoAllRestoreEverything) {
    PlayBoard b({"########", "#      #", "# $@ $ #", "#  .   #", "########"}, PlayMode::Forward);
    const Rows start = b.Rows();
    b.play->PlayClipboard("lurrRdlluLD");
    const Rows end = b.Rows();
    const std::string record(b.play->MoveRecord());
    const int pushes = b.play->PushCount();
    ASSERT_EQ(record, "LurrrDlluld") << "the record gets the case that matches what happened";
    b.play->UndoAll();
    EXPECT_EQ(b.Rows(), start);
    EXPECT_EQ(b.play->MoveCount(), 0);
    EXPECT_EQ(b.play->PushCount(), 0);
    EXPECT_EQ(b.view->Message, AtFirstMessage);
    b.play->RedoAll();
    EXPECT_EQ(b.Rows(), end);
    EXPECT_EQ(b.play->MoveRecord(), record);
    EXPECT_EQ(b.play->PushCount(), pushes);
    EXPECT_EQ(b.play->MoveCount(), 11);
    EXPECT_EQ(b.view->Message, AtLastMessage);
}

TEST(TrialPlay, RedoStepPlaysOneBoxWorth) {
    // RRurrdL: the last push moves the same box back after the walk round it.
    PlayBoard same({"########", "#      #", "#@$    #", "#      #", "########"}, PlayMode::Forward);
    same.play->PlayClipboard("RRurrdL");
    same.play->UndoAll();
    EXPECT_EQ(same.play->GetStep(7), 7);
    same.play->RedoStep();
    EXPECT_EQ(same.play->MoveCount(), 7);
    same.play->UndoStep();
    EXPECT_EQ(same.play->MoveCount(), 0) << "read backwards the group is the same";

    // RRuL: the L pushes another box.
    PlayBoard other({"########", "# $    #", "#@$    #", "#      #", "########"},
                    PlayMode::Forward);
    other.play->PlayClipboard("RRuL");
    ASSERT_EQ(other.play->MoveRecord(), "RRuL");
    other.play->UndoAll();
    other.play->RedoStep();
    EXPECT_EQ(other.play->MoveRecord(), "RR");
    other.play->RedoStep();
    EXPECT_EQ(other.play->MoveRecord(), "RRuL");
    other.play->UndoStep();
    EXPECT_EQ(other.play->MoveRecord(), "RRu");
    other.play->UndoStep();
    EXPECT_EQ(other.play->MoveRecord(), "");
}

TEST(TrialPlay, WithoutPushesAStepIsTheWholeSequence) {
    PlayBoard b({"######", "#@   #", "######"}, PlayMode::Forward);
    b.play->PlayClipboard("rrl");
    b.play->UndoStep();
    EXPECT_EQ(b.play->MoveCount(), 0);
    b.play->RedoStep();
    EXPECT_EQ(b.play->MoveCount(), 3);
}

TEST(TrialPlay, UndoStepTakesBackTheLastClickedSequenceWhole) {
    PlayBoard b(
        {"##########", "#        #", "#        #", "# @ $    #", "#        #", "##########"},
        PlayMode::Forward);
    for (const char move : std::string("rRRul")) {
        b.play->PlayTyped(move);
    }
    ASSERT_EQ(b.play->MoveRecord(), "rRRul");
    b.play->PlayClick("dllluurrrrrd");
    ASSERT_EQ(b.play->MoveCount(), 17);
    EXPECT_EQ(b.play->UndoMark(), 5);
    b.play->UndoStep();
    EXPECT_EQ(b.play->MoveRecord(), "rRRul");
    EXPECT_EQ(b.play->UndoMark(), -1);
    b.play->UndoStep();
    EXPECT_EQ(b.play->MoveRecord(), "r") << "one box's worth of the typed moves";
}

TEST(TrialPlay, ReverseStepsGroupPulls) {
    PlayBoard b(
        {"##########", "#        #", "#   @$   #", "#   $    #", "#        #", "##########"},
        PlayMode::Reverse);
    b.play->PlayClipboard("LLurrdU");
    ASSERT_EQ(b.play->MoveRecord(), "LLurrdU");
    ASSERT_EQ(b.play->PushCount(), 3);
    b.play->UndoStep();
    EXPECT_EQ(b.play->MoveRecord(), "LLurrd") << "the U pulled another box";
    b.play->UndoStep();
    EXPECT_EQ(b.play->MoveRecord(), "");
    b.play->RedoStep();
    EXPECT_EQ(b.play->MoveRecord(), "LL");
    b.play->RedoStep();
    EXPECT_EQ(b.play->MoveRecord(), "LLurrdU");
}

TEST(TrialPlay, MissingKeeperIsReported) {
    PlayBoard b({"####", "#  #", "####"}, PlayMode::Reverse);
    EXPECT_EQ(b.play->KeeperPos(), -1);
    b.play->PlayTyped('l');
    EXPECT_EQ(b.view->Message, std::string(KeeperPlaceMessage) + "[0, 1]");
    b.play->RedoMove();
    EXPECT_EQ(b.play->RedoTail(), "l");
}

TEST(TrialPlay, FullBuffersStopWithoutAMessage) {
    PlayBoard b({"####", "#@ #", "####"}, PlayMode::Forward);
    std::string moves;
    for (int i = 0; i < 100000; ++i) {
        moves += "rl";
    }
    b.play->PlayClick(moves + "rl");
    EXPECT_EQ(b.play->MoveCount(), 200000) << "a click sequence is cut at 200000 moves";
    EXPECT_TRUE(b.play->RedoTail().empty());
    b.view->Calls.clear();
    b.play->PlayTyped('r');
    EXPECT_EQ(b.view->Calls, (std::vector<std::string>{"start", "count:200000,0", "draw"}));
    EXPECT_EQ(b.play->RedoTail(), "r");
    b.play->UndoAll();
    EXPECT_EQ(b.play->RedoTail().size(), 200000u);
    EXPECT_EQ(b.play->MoveCount(), 1) << "undo stops when the tail is full";
    EXPECT_EQ(b.view->Message, "") << "not at the first move yet";
    // A clipboard text with more usable text than that keeps the tail and replays it.
    b.play->PlayClipboard(std::string(200001, 'l'));
    EXPECT_EQ(b.play->MoveCount(), 200000);
}

TEST(TrialPlay, CopyMovesOnlyWithMoves) {
    PlayBoard b({"#####", "#@  #", "#####"}, PlayMode::Forward);
    EXPECT_FALSE(b.play->CopyMoves().has_value());
    EXPECT_TRUE(b.view->Calls.empty());
    b.play->PlayTyped('r');
    EXPECT_EQ(b.play->CopyMoves(), "r");
    EXPECT_EQ(b.view->Message, MovesCopiedMessage);
}

TEST(TrialPlay, ExportForwardIsTheLevelThenTheMoves) {
    PlayBoard b({"#####", "#@  #", "#####"}, PlayMode::Forward);
    const std::string level = "\n#####\n#@  #\n#####\nTitle: t\nAuthor: a";
    EXPECT_EQ(b.play->Export(level, {}), level);
    EXPECT_EQ(b.view->Message, ExportedMessage);
    b.play->PlayTyped('r');
    EXPECT_EQ(b.play->Export(level, {}), level + "\nr\n");
}

TEST(TrialPlay, ExportReverseStatesTheKeeperAfterTheLevel) {
    PlayBoard b({"######", "#    #", "#    #", "#   $#", "#  @ #", "#  $ #", "######"},
                PlayMode::Reverse);
    b.play->PlayClipboard("ULd");
    ASSERT_EQ(b.play->MoveRecord(), "ULd");
    ASSERT_EQ(b.play->KeeperPos(), b.At(4, 2));
    const std::string level = "\n######\n#    #\nTitle: t\nAuthor: a";
    const std::string text = b.play->Export(level, {});
    EXPECT_EQ(text, "\n; SXB 为关卡逆推初态\n" + level + "[3, 5]\nULd\n");
    // The position counts in the level text, which may start above and left of the trial board.
    EXPECT_EQ(b.play->Export(level, {1, 2}), "\n; SXB 为关卡逆推初态\n" + level + "[5, 6]\nULd\n");
    b.play->UndoAll();
    EXPECT_EQ(b.play->Export(level, {}), "\n; SXB 为关卡逆推初态\n" + level + "[4, 5]");
}

TEST(TrialPlay, OversizedBoardIsTakenAsEmpty) {
    TrialBoard board;
    board.Rows = 101;
    board.Cols = 99;
    TTrialPlay play;
    play.SetBoard(board, PlayMode::Forward);
    EXPECT_EQ(play.CellCount(), 0);
    play.PlayTyped('l');
    EXPECT_EQ(play.MoveCount(), 0);
}

} // namespace
} // namespace lodrin
