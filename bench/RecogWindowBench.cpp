// The recognition window's redraw of a 1920 x 1080 screenshot with a 38 x 21 grid whose every
// cell is recognised, at zoom 1 and 2, for the part the window shows and for the whole
// display; and the editor's grid with the reference picture over a full 100 x 100
// recognised board at 60-pixel cells. A redraw should stay within one frame (16 ms).

#include "Editor_/EditorGrid.h"
#include "LoadSkin/SkinStrip.h"
#include "Recog_/RecogDrawing.h"
#include "Recog_/RecogWindowState.h"
#include "bench/support/WindowBenchMain.h"
#include "board/XsbRows.h"

#include "Recog_/SyntheticLevel.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace lodrin;

// The part of the display the window shows at its start size.
const QSize ViewSize(1171, 700);

// Every cell of the grid holds an element: the layout's walls, boxes and goals, the floor
// as goals.
void RecogniseAll(TRecogState& recog, const std::vector<std::string>& layout) {
    for (int r = 0; r < static_cast<int>(layout.size()); ++r) {
        for (int c = 0; c < static_cast<int>(layout[r].size()); ++c) {
            const char ch = layout[r][c];
            recog.Results.RecogMap.At(r, c) = ch == '-' ? '.' : ch;
        }
    }
}

// A recognition of a 1920 x 1080 screenshot: 38 x 21 cells of 50 pixels from (10, 15).
struct RedrawCase {
    TRecogState Recog;
    TRecogWindowState Window{Recog, false, 0};
    SkinStrip Strip;
    TRecogPainter Painter;

    explicit RedrawCase(int zoom) {
        const std::vector<std::string> layout = test::RandomLayout(21, 38, 2024);
        Recog.OpenPicture(test::PaintLevel(layout, 50, 10, 15, 1920, 1080));
        Recog.Frame.SetValue(FrameBox::Right, 10 + 38 * 50 - 1);
        Recog.Frame.SetValue(FrameBox::Bottom, 15 + 21 * 50 - 1);
        Recog.Frame.SetValue(FrameBox::Left, 10);
        Recog.Frame.SetValue(FrameBox::Top, 15);
        RecogniseAll(Recog, layout);
        while (Recog.ZoomFactor() != zoom) {
            Recog.CycleZoom();
        }
    }
};

void BM_Redraw(benchmark::State& state, int zoom, bool whole, bool xsb) {
    RedrawCase c(zoom);
    c.Window.XsbDisplay = xsb;
    c.Window.SamplePanelOpen = xsb; // the characters and the figures together
    const QSize size =
        whole ? QSize(c.Recog.Frame.DisplayWidth(), c.Recog.Frame.DisplayHeight()) : ViewSize;
    // The view scrolled to the middle of the display.
    const QPoint corner = whole ? QPoint()
                                : QPoint((c.Recog.Frame.DisplayWidth() - size.width()) / 2,
                                         (c.Recog.Frame.DisplayHeight() - size.height()) / 2);
    QImage target(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.translate(-corner);
        c.Painter.Paint(painter, c.Window, c.Strip, QRect(corner, size));
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["cells"] = c.Recog.Grid().Rows * c.Recog.Grid().Cols;
}

BENCHMARK_CAPTURE(BM_Redraw, View_Zoom1, 1, false, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Redraw, View_Zoom2, 2, false, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Redraw, View_Zoom1_XsbAndFigures, 1, false, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Redraw, WholeDisplay_Zoom1, 1, true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Redraw, WholeDisplay_Zoom2, 2, true, false)->Unit(benchmark::kMillisecond);

// The sweep of one element kind on the same screenshot, as a click in the window runs it.
void BM_SweepClick(benchmark::State& state) {
    RedrawCase c(1);
    for (auto _ : state) {
        state.PauseTiming();
        c.Recog.Results.Reset();
        state.ResumeTiming();
        c.Recog.CellAction(0, 0, RecogButton::Left, RecogTool::ToolWall, false);
        benchmark::DoNotOptimize(c.Recog.Results.RecogMap);
    }
}
BENCHMARK(BM_SweepClick)->Unit(benchmark::kMillisecond);

// The editor's grid at 60-pixel cells showing the reference picture over a full board of
// 100 x 100 recognised cells (a 2000 x 2000 screenshot with cells of 20 pixels).
void BM_EditorGridReference(benchmark::State& state) {
    const std::vector<std::string> layout = test::RandomLayout(100, 100, 7);
    TRecogState recog;
    recog.OpenPicture(test::PaintLevel(layout, 20, 0, 0, 2000, 2000));
    recog.Frame.SetValue(FrameBox::Right, 1999);
    recog.Frame.SetValue(FrameBox::Bottom, 1999);
    recog.Frame.SetValue(FrameBox::Left, 0);
    recog.Frame.SetValue(FrameBox::Top, 0);
    recog.Frame.SetValue(FrameBox::RowHeight, 20);
    recog.Frame.SetValue(FrameBox::ColWidth, 20);
    recog.AcceptVisit();
    Board board;
    ReadRowsIntoBoard(layout, board);
    SkinStrip strip;
    TEditorGrid grid(nullptr);
    grid.resize(1920, 1080);
    grid.SetBoard(&board);
    grid.SetStrip(&strip);
    grid.SetRecognition(&recog);
    grid.SetReferenceLayers(true, false);
    grid.SetTopRow(40);
    grid.SetLeftCol(30);
    QImage target(grid.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        grid.viewport()->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["rows"] = recog.Grid().Rows;
    state.counters["cols"] = recog.Grid().Cols;
}
BENCHMARK(BM_EditorGridReference)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return lodrin::bench::RunWindowBenchmarks(argc, argv);
}
