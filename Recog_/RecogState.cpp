#include "Recog_/RecogState.h"

#include "board/CellCode.h"

namespace lodrin {

TRecogState::TRecogState() : SamplePattern(PatternSide, PatternSide) {}

bool TRecogState::OpenPicture(RgbPicture picture) {
    return TakePicture(std::move(picture), false);
}

bool TRecogState::CapturePicture(RgbPicture picture) {
    return TakePicture(std::move(picture), true);
}

bool TRecogState::TakePicture(RgbPicture picture, bool capture) {
    if (picture.IsEmpty()) {
        return false;
    }
    const int width = picture.Width();
    const int height = picture.Height();
    Picture_ = std::move(picture);
    ++PictureVersion_;
    if (capture) {
        Frame.NewCapture(width, height);
    } else {
        Frame.NewPicture(width, height);
    }
    Results.Reset();
    return true;
}

void TRecogState::CellAction(int row, int col, RecogButton button, RecogTool tool,
                             bool manualEditing) {
    const GridSize grid = Grid();
    if (!HasPicture() || tool == RecogTool::ToolFrame || row < 0 || row >= grid.Rows || col < 0 ||
        col >= grid.Cols) {
        return;
    }
    SampleCell = Frame.CellRect(row, col);
    Results.SetUnDoReDo(false, grid);
    if (button != RecogButton::Left || tool == RecogTool::ToolErase) {
        Results.EraseCell(row, col);
    } else if (tool == RecogTool::ToolPlayer) {
        Results.PlaceKeeper(row, col);
    } else {
        ElementAction(row, col, ToolElementChar(tool), manualEditing);
    }
}

void TRecogState::ElementAction(int row, int col, char element, bool manualEditing) {
    if (manualEditing) {
        Results.ToggleElement(row, col, element);
    } else if (Results.RecogMap.At(row, col) == '-') {
        findSubimages(element);
    } else {
        Results.PutElement(row, col, element);
    }
}

bool TRecogState::findSubimages(char elementChar) {
    if (!HasPicture()) {
        return false;
    }
    const SweepGrid grid{Frame.ZoomFactor(), Frame.Left(), Frame.Top(), Frame.RowHeight(),
                         Frame.ColWidth(),   Frame.Rows(), Frame.Cols()};
    const std::optional<CellFeatures> sample = lodrin::findSubimages(
        Picture_, grid, SampleCell, elementChar, Settings, Results.RecogMap, Results.SimilarityMap);
    if (!sample) {
        return false;
    }
    SampleFeatures = *sample;
    SamplePattern = PatternPicture(sample->Pattern);
    HasSample = true;
    return true;
}

PictureRect TRecogState::SamplePatchRect() const {
    return SamplePatch(SampleCell, Frame.ZoomFactor());
}

bool TRecogState::Clear(const ConfirmFn& confirm) {
    if (!HasPicture() || !confirm(ClearQuestion)) {
        return false;
    }
    Results.SetUnDoReDo(false, Grid());
    Results.ClearMaps();
    return true;
}

std::optional<std::string> TRecogState::XsbText() const {
    if (!HasPicture()) {
        return std::nullopt;
    }
    return Results.XsbText(Grid());
}

void TRecogState::BeginVisit() {
    SavedFrame_ = {Frame.Values(), RecognizedLevelInForce};
    RecognizedLevelInForce = false;
}

void TRecogState::DeclineVisit() {
    if (HasPicture()) {
        Frame.RestoreFrame(SavedFrame_.Frame);
    }
    RecognizedLevelInForce = SavedFrame_.InForce;
}

std::optional<ColRow> TRecogState::ReadIntoBoard(Board& board) const {
    std::optional<ColRow> keeper;
    for (int r = 0; r < RecogSize; ++r) {
        for (int c = 0; c < RecogSize; ++c) {
            const CellCode code = XsbCharToCell(Results.RecogMap.At(r, c));
            board.Set(r, c, code);
            if (HasKeeper(code)) {
                keeper = ColRow{c + 1, r + 1};
            }
        }
    }
    return keeper;
}

// The keeper cell follows the board: the editor's recorded keeper when its cell holds one,
// else the keeper cell met, and none when the board has no keeper (a stale cell would make
// the next keeper placement erase whatever the editor put there).
void TRecogState::Mirror(const Board& board, ColRow playerPos) {
    if (!RecognizedLevelInForce) {
        return;
    }
    const RecogCell recorded{playerPos.Col - 1, playerPos.Row - 1};
    const bool recordedHoldsKeeper = !playerPos.IsNone() &&
                                     Board::Contains(recorded.Row, recorded.Col) &&
                                     HasKeeper(board.At(recorded.Row, recorded.Col));
    Results.RecogKeeperCell = {};
    for (int r = 0; r < RecogSize; ++r) {
        for (int c = 0; c < RecogSize; ++c) {
            const std::int32_t code = board.At(r, c);
            Results.RecogMap.At(r, c) = CellToXsbChar(code);
            if (HasKeeper(code)) {
                Results.RecogKeeperCell = recordedHoldsKeeper ? recorded : RecogCell{c, r};
            }
        }
    }
}

} // namespace lodrin
