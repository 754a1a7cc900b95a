#pragma once

#include "PathFinder/PathFinder.h"
#include "TrialUnit/TrialKeys.h"
#include "TrialUnit/TrialPlay.h"
#include "board/MapNode.h"

#include <optional>
#include <string>
#include <string_view>

namespace lodrin {

// What the trial field tells its window besides the board: the message area and
// the two counters.
class TTrialFieldView {
public:
    virtual ~TTrialFieldView() = default;
    virtual void ShowMessage(std::string_view text) = 0;
    virtual void ShowCounters(int moveCount, int pushCount) = 0;
};

// What the window does after the trial field handled an event.
struct TrialResponse {
    bool Redraw = false;           // draw the board again
    bool TurnChanged = false;      // show the new turn: label, fit, board, status text
    bool GoThroughChanged = false; // give bt_GoThrough the look of the switch
    friend bool operator==(const TrialResponse&, const TrialResponse&) = default;
};

// The keeper-reach mark drawn on a square.
enum class KeeperMark {
    None,
    Reach,       // the keeper can walk there
    Passed,      // reached only by going through a box
    PassableBox, // a box the keeper can go through
};

// Where the board's picture lies in the ground panel, in pixels; left and top are
// negative when the board does not fit at the smallest square size.
struct ViewPlacement {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    friend bool operator==(const ViewPlacement&, const ViewPlacement&) = default;
};

// Smallest square size of the trial field's view, in pixels.
inline constexpr int MinCellSize = 10;

// The trial field: the play, the path finder and the state of the view (turn,
// square size, going through, odd/even display, keeper reach and box selection).
// It turns a clicked view square, a key or a wheel step into play and searches
// and tells the window what to show. The state survives closing the window;
// each hand-over starts a new play.
class TTrialField final : private TTrialView {
public:
    explicit TTrialField(TTrialFieldView* view = nullptr);
    TTrialField(const TTrialField&) = delete;
    TTrialField& operator=(const TTrialField&) = delete;

    // The editor's hand-over: the board, the finder's board size and the mode.
    // Starts a new play and drops the marks.
    void HandOver(const TrialBoard& board, PlayMode mode);
    // The window is shown: the finder's go-through switch, a new play.
    void Open();
    // The window is closed: the marks are dropped.
    void Close();

    const TTrialPlay& Play() const { return Play_; }
    const TPathFinder& Finder() const { return Finder_; }
    PlayMode Mode() const { return Play_.Mode(); }
    bool GoThrough() const { return GoThrough_; }
    bool OddEven() const { return OddEven_; }
    int Turn() const { return Turn_; }
    int SelectedBox() const { return SelectedBox_; }
    bool ShowKeeperReach() const { return ShowKeeperReach_; }
    bool BoxSelected() const { return BoxSelected_; }
    // Whether a mark of either kind is shown (the window shows the drag cursor).
    bool MarksShown() const { return ShowKeeperReach_ || BoxSelected_; }
    int CellSize() const { return CellSize_; }

    // Runs a command that needs no window (the others give an empty response).
    TrialResponse Do(TrialCommand command);
    // A mouse button pressed on a view square (column, row of the view).
    TrialResponse MouseDown(ViewCell square, bool leftButton);
    // Sets the turn (0 to 7; others are ignored).
    TrialResponse SetTurn(int turn);

    // The moves of a clipboard text, played (the text may be absent: nothing happens).
    TrialResponse PasteMoves(const std::optional<std::string>& text);
    // The moves played, for the clipboard; nothing when there are none.
    std::optional<std::string> CopyMoves();
    // The level as the editor shows it now, with the moves played, for the clipboard.
    std::string Export(const Board& level, const TMapNode& node);

    // Columns and rows of the view under the turn.
    ViewCell ViewSize() const;
    // Fits the square size to the ground panel (keeping it for boards of two rows
    // or columns or fewer), at most the skin's tile size and at least 10 pixels,
    // and places the board's picture in the middle of the panel.
    ViewPlacement FitView(int panelWidth, int panelHeight, int tileSize);
    // The board cell shown at a view square; -1 off the view.
    int CellAt(ViewCell square) const;

    // The wall mask of board cell (r, c) as shown under the turn: which of its
    // neighbours on the screen are walls (WallOnLeft .. WallBelow) and whether it
    // closes a 2 x 2 block of walls at its upper left (WallBlockCorner).
    int GetWall(int r, int c) const;
    // The keeper-reach mark to draw on a cell; None while the reach is hidden.
    KeeperMark KeeperMarkAt(int p) const;
    // Whether the selected box can be brought to the cell and the mark is shown.
    bool BoxMarkAt(int p) const;

private:
    // The trial play's view: a move switches the marks off.
    void MovesStarting() override;
    void ShowMessage(std::string_view text) override;
    void ShowCounters(int moveCount, int pushCount) override;
    void Redraw() override { Redraw_ = true; }

    TrialResponse Played(void (TTrialPlay::*operation)());
    TrialResponse ClickFree(int p);
    TrialResponse ClickBox(int p);
    TrialResponse ClickKeeper(int p);
    TrialResponse PlayPath(std::string_view moves);
    TrialResponse SetOddEven(bool on);
    TrialResponse ToggleGoThrough();
    void DropMarks();
    bool IsWall(int r, int c) const;
    TrialCode At(int p) const { return Play_.TrialCells()[static_cast<std::size_t>(p)]; }

    TTrialFieldView* View_;
    TTrialPlay Play_;
    TPathFinder Finder_;
    BoardCell Origin_; // editor board row and column of trial cell (0, 0)
    bool GoThrough_ = true;
    bool OddEven_ = false;
    int Turn_ = 0;
    int SelectedBox_ = -1;
    bool ShowKeeperReach_ = false;
    bool BoxSelected_ = false;
    int CellSize_ = 0;
    bool Redraw_ = false;
};

} // namespace lodrin
