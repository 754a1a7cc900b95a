#pragma once

#include "Recog_/CellMatching.h"
#include "Recog_/RecogFrame.h"
#include "Recog_/RecogResults.h"
#include "Recog_/RgbPicture.h"
#include "board/Board.h"
#include "board/ConfirmFn.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lodrin {

// The question Clear asks (caption "提醒", OK and Cancel, information icon).
inline constexpr std::string_view ClearQuestion = "清空已做的全部识别，确定吗？";
inline constexpr std::string_view ClearCaption = "提醒";

// The frame and the in-force flag as they were when the editor opened the recognition window.
struct SavedRecogFrame {
    FrameValues Frame;
    bool InForce = false;
};

// The recognition state: picture, zoom and frame, the recognized level, the sample and the
// matching settings, and the flag that a recognized level is in force. The program owns one
// and hands it by reference to the recognition window and to the editor, which reads and
// writes the recognized level in place.
class TRecogState {
public:
    TRecogState();

    TRecogFrame Frame;           // zoom, the six frame values, rows and cols
    TRecogResults Results;       // RecogMap, SimilarityMap, RecogKeeperCell, undo and redo lists
    DisplayRect SampleCell;      // the last clicked cell, display coordinates
    CellFeatures SampleFeatures; // the features of the last sweep's sample
    bool HasSample = false;      // a sweep has taken a sample
    RgbPicture SamplePattern;    // 32 x 32: the sample's pattern in white and black
    MatchSettings Settings;      // threshold, hue check, grey check
    bool RecognizedLevelInForce = false;

    bool HasPicture() const { return Frame.HasPicture(); }
    const RgbPicture& Picture() const { return Picture_; }
    // Grows by one with every new picture, so that views know when to rebuild their copies.
    std::uint64_t PictureVersion() const { return PictureVersion_; }
    int ZoomFactor() const { return Frame.ZoomFactor(); }
    GridSize Grid() const { return {Frame.Rows(), Frame.Cols()}; }

    // A picture file was read: it becomes the picture with zoom 1, the default frame and an
    // empty recognition. An empty picture is refused (false, nothing changes).
    bool OpenPicture(RgbPicture picture);
    // The screen was captured: the same, with the capture's border limits.
    bool CapturePicture(RgbPicture picture);
    // Zoom 1 -> 2 -> 4 -> 1; false without a picture.
    bool CycleZoom() { return Frame.CycleZoom(); }

    // The release of a mouse button on grid cell (row, col) with an element tool (1..6).
    void CellAction(int row, int col, RecogButton button, RecogTool tool, bool manualEditing);
    // The sweep with SampleCell as the sample; false when nothing could be compared.
    bool findSubimages(char elementChar);
    // The picture rectangle the sweep cuts from SampleCell (inset by 2 pixels on every side).
    PictureRect SamplePatchRect() const;

    bool Undo() { return HasPicture() && Results.Undo(Grid()); }
    bool Redo() { return HasPicture() && Results.Redo(Grid()); }
    // Clear after the question; false when there is no picture or the user cancels.
    bool Clear(const ConfirmFn& confirm);
    // The clipboard text of the grid; nothing without a picture.
    std::optional<std::string> XsbText() const;
    RecogCounts Counts() const { return Results.Counts(Grid()); }

    // The editor opens the window: keep the frame and the flag, then clear the flag.
    void BeginVisit();
    // The user accepted the recognition: a recognized level is in force.
    void AcceptVisit() { RecognizedLevelInForce = true; }
    // The user declined: the saved frame (or the default one) and the saved flag come back.
    void DeclineVisit();
    const SavedRecogFrame& SavedFrame() const { return SavedFrame_; }

    // The editor takes the result over: all 100 x 100 cells into its board. Returns the
    // 1-based position of the last keeper read, or nothing when there is none.
    std::optional<ColRow> ReadIntoBoard(Board& board) const;
    // While a recognized level is in force: the board into RecogMap and the keeper cell.
    void Mirror(const Board& board, ColRow playerPos);
    // Clear all in the editor: the recognized level is no longer in force.
    void EndForce() { RecognizedLevelInForce = false; }

private:
    bool TakePicture(RgbPicture picture, bool capture);
    void ElementAction(int row, int col, char element, bool manualEditing);

    RgbPicture Picture_;
    std::uint64_t PictureVersion_ = 0;
    SavedRecogFrame SavedFrame_;
};

} // namespace lodrin
