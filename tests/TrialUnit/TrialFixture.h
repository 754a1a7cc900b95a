#pragma once

// Trial play on boards written as rows, watched by a view that records what it is told.

#include "TrialUnit/TrialPlay.h"
#include "support/TrialText.h"

#include <memory>
#include <string>
#include <vector>

namespace lodrin::test {

inline TrialBoard TrialBoardFromRows(const std::vector<std::string>& rows) {
    const TrialText text = TrialFromRows(rows);
    TrialBoard board;
    board.Rows = text.Rows;
    board.Cols = text.Cols;
    std::copy(text.Cells.begin(), text.Cells.end(), board.Cells.begin());
    return board;
}

// Records every call in order: "start", "msg:<text>", "count:<moves>,<pushes>", "draw".
class TRecordingView : public TTrialView {
public:
    void MovesStarting() override { Calls.push_back("start"); }
    void ShowMessage(std::string_view text) override {
        Calls.push_back("msg:" + std::string(text));
        Message = text;
    }
    void ShowCounters(int moves, int pushes) override {
        Calls.push_back("count:" + std::to_string(moves) + "," + std::to_string(pushes));
    }
    void Redraw() override { Calls.push_back("draw"); }

    std::vector<std::string> Calls;
    std::string Message;
};

// A play on a board, with its view.
struct PlayBoard {
    PlayBoard(const std::vector<std::string>& rows, PlayMode mode)
        : view(std::make_unique<TRecordingView>()), play(std::make_unique<TTrialPlay>(view.get())) {
        play->SetBoard(TrialBoardFromRows(rows), mode);
    }
    std::vector<std::string> Rows() const {
        return RowsOfCells(play->Cells(), play->TrialRows(), play->TrialCols());
    }
    int At(int row, int col) const { return row * play->TrialCols() + col; }

    std::unique_ptr<TRecordingView> view;
    std::unique_ptr<TTrialPlay> play;
};

} // namespace lodrin::test
