// The recognized level in the editor: taking it over from the recognition window, the
// mirror, the two reference pictures, and a whole recognition of a real level through the
// recognition window's own handlers.

#include "EditorFormFixture.h"

#include "LoadSkin/SkinFile.h"
#include "Recog_/PictureFile.h"
#include "Recog_/RecogDisplay.h"
#include "Recog_/RecogForm.h"
#include "Recog_/RecogValueBox.h"
#include "Recog_/SyntheticLevel.h"
#include "support/BoardText.h"
#include "support/LevelScreenshot.h"
#include "support/SolvedLevels.h"
#include "support/TempDir.h"

#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>

namespace lodrin {
namespace {

// The editor with a real recognition window over a recognition state of its own.
class RecognitionInEditorTest : public test::EditorFormFixture {
protected:
    RecognitionInEditorTest() {
        form.SetRecognition(&recog);
        form.SetPartners({info, help, skinChooser, {}, [this] { return recogForm->Execute(); }});
    }

    // Opens the editor's recognition window; once it is shown, `during` runs inside it.
    void Visit(std::function<void()> during) {
        QTimer::singleShot(0, recogForm, std::move(during));
        form.sb_LoadPicClick();
    }
    // Opens a picture in the recognition window through its file dialog.
    void OpenPicture(const QImage& picture, const char* name) {
        const std::filesystem::path path = temp.Path() / name;
        ASSERT_TRUE(picture.save(QString::fromStdString(path.string()), nullptr, 95));
        platform.Files.Names = {QString::fromStdString(path.string())};
        recogForm->sb_OpenClick();
    }
    // Closes the recognition window with the given answer.
    void Close(MessageAnswer answer) {
        platform.Messages.Answer({answer});
        recogForm->sb_ReturnClick();
    }
    // A picture whose frame cell (r, c) of 50 pixels from (0, 0) has its own colour.
    static QImage CellColours(int width, int height) {
        QImage picture(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                picture.setPixelColor(x, y, CellColour(y / 50, x / 50));
            }
        }
        return picture;
    }
    static QColor CellColour(int row, int col) { return {40 * col, 40 * row, 200}; }
    QColor Pixel(const QImage& grid, int row, int col, QPoint offset = {30, 30}) {
        return grid.pixelColor(Grid().CellRect(row, col).topLeft() + offset);
    }
    QImage PaintGrid() { return Viewport()->grab().toImage(); }

    // Accepts a recognition of a 300 x 200 coloured picture framed in cells of 50 from the
    // corner, holding the given XSB rows.
    void AcceptRecognition(const std::string& xsb) {
        Visit([this, xsb] {
            OpenPicture(CellColours(300, 200), "cells.png");
            recogForm->SpeedButton3->click();
            recogForm->SpeedButton4->click();
            recog.Results.SetXSB(xsb);
            Close(MessageAnswer::Yes);
        });
    }

    test::TempDir temp;
    TRecogState recog;
    TRecogForm_* recogForm = new TRecogForm_(&form, platform.Seams(), recog, skin, false);
};

TEST_F(RecognitionInEditorTest, YesTakesOverEveryCellWithOneUndoStep) {
    Doc().board = test::BoardFromRows({"....."});
    Doc().Saved = true;
    Grid().SetTopRow(40);
    Grid().SetLeftCol(30);
    Visit([this] {
        OpenPicture(CellColours(300, 200), "cells.png");
        recog.Results.SetXSB("#@-\n-$.");
        recog.Results.RecogMap.At(60, 70) = '*'; // from an earlier, larger frame
        Close(MessageAnswer::Yes);
    });
    EXPECT_TRUE(recog.RecognizedLevelInForce);
    EXPECT_EQ(test::RowsOf(Doc().board, 2, 5), (std::vector<std::string>{"#@---", "-$.--"}));
    EXPECT_EQ(Doc().board.At(60, 70), BoxOnGoal);
    EXPECT_EQ(Doc().PlayerPos, (ColRow{2, 1}));
    EXPECT_FALSE(Doc().Saved);
    EXPECT_EQ(Doc().UndoStack.size(), 1u);
    EXPECT_TRUE(form.N6->isChecked());
    EXPECT_FALSE(form.N7->isChecked());
    EXPECT_EQ(form.StatusText(StatusPanel::Boxes), QStringLiteral("2"));
    EXPECT_EQ(Grid().TopRow(), 0); // the level is shown from its top-left corner
    EXPECT_EQ(Grid().LeftCol(), 0);
    // While the level is in force, the editor's strokes reach RecogMap.
    PickTool(form.img_Wall);
    Click(1, 0);
    EXPECT_EQ(recog.Results.RecogMap.At(1, 0), '#');
}

TEST_F(RecognitionInEditorTest, NoLeavesTheBoardAndTheEarlierLevelInForce) {
    AcceptRecognition("#$");
    const Board before = Doc().board;
    Visit([this] {
        EXPECT_FALSE(recog.RecognizedLevelInForce); // cleared while the window is open
        recog.Results.SetXSB("..");
        Close(MessageAnswer::No);
    });
    EXPECT_EQ(Doc().board, before);
    EXPECT_TRUE(recog.RecognizedLevelInForce);
    EXPECT_EQ(recog.Results.RecogMap.At(0, 0), '.'); // until the editor's next recount
    PickTool(form.img_Goal);
    Click(2, 2);
    EXPECT_EQ(recog.Results.RecogMap.At(0, 0), '#');
    EXPECT_EQ(recog.Results.RecogMap.At(2, 2), '.');
}

TEST_F(RecognitionInEditorTest, TheReferencePictureShowsBehindFloorCellsWithinTheFrame) {
    AcceptRecognition("#-\n-$");
    QImage grid = PaintGrid();
    EXPECT_EQ(Pixel(grid, 0, 0), test::TileColours[Wall]);
    EXPECT_EQ(Pixel(grid, 0, 1), CellColour(0, 1));
    EXPECT_EQ(Pixel(grid, 3, 5), CellColour(3, 5));
    EXPECT_EQ(Pixel(grid, 1, 1), test::TileColours[Box]);
    EXPECT_EQ(Pixel(grid, 0, 6), test::TileColours[Floor]); // beyond the frame's columns
    EXPECT_EQ(Pixel(grid, 4, 0), test::TileColours[Floor]); // beyond its rows

    Key(Qt::Key_G); // G: the reference picture off, T: the small one on
    Key(Qt::Key_T);
    EXPECT_FALSE(form.N6->isChecked());
    EXPECT_TRUE(form.N7->isChecked());
    grid = PaintGrid();
    EXPECT_EQ(Pixel(grid, 0, 1), test::TileColours[Floor]);
    EXPECT_EQ(Pixel(grid, 1, 1), CellColour(1, 1));               // the middle third
    EXPECT_EQ(Pixel(grid, 1, 1, {5, 5}), test::TileColours[Box]); // the tile around it
    EXPECT_EQ(Pixel(grid, 1, 1, {20, 25}), QColor(Qt::black));    // the inner square's outline
    EXPECT_EQ(Pixel(grid, 0, 0), CellColour(0, 0));
}

TEST_F(RecognitionInEditorTest, GAndTChangeNothingBeforeARecognition) {
    Doc().board = test::BoardFromRows({"#$.-"});
    recog.OpenPicture(RgbPictureFromImage(CellColours(300, 200)));
    const QImage before = PaintGrid();
    Key(Qt::Key_G);
    Key(Qt::Key_T);
    EXPECT_TRUE(form.N6->isChecked());
    EXPECT_TRUE(form.N7->isChecked());
    EXPECT_EQ(PaintGrid(), before);
}

TEST_F(RecognitionInEditorTest, ClearAllEndsTheMirror) {
    AcceptRecognition("#$");
    platform.Messages.Answer({MessageAnswer::Ok});
    form.sb_ClearClick();
    EXPECT_FALSE(recog.RecognizedLevelInForce);
    PickTool(form.img_Wall);
    Click(0, 1);
    EXPECT_EQ(recog.Results.RecogMap.At(0, 1), '$');
    EXPECT_EQ(PaintGrid().pixelColor(Grid().CellRect(0, 2).center()), test::TileColours[Floor]);
}

// A real level painted with a shipped skin inside a larger noisy picture, saved as PNG and as
// JPEG, opened, framed with the value boxes, one click on a sample cell of each kind, the
// keeper placed by hand, Yes: the editor's board is the level.
class RecognitionEndToEndTest : public RecognitionInEditorTest {
protected:
    static constexpr QPoint Origin{83, 61};

    void Type(TRecogValueBox* box, int value) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QString::number(value));
        QTest::keyClick(box, Qt::Key_Return);
    }
    void ClickCell(int row, int col, int tile) {
        const QPoint at = Origin + QPoint(col * tile + tile / 2, row * tile + tile / 2);
        platform.Clock.Advance(1000);
        for (const QEvent::Type type :
             {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButton button =
                type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, at, recogForm->Image1->mapToGlobal(at), button,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(recogForm->Image1, &event);
        }
    }
    static std::optional<QPoint> FirstCell(const std::vector<std::string>& rows,
                                           std::string_view kinds) {
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            const std::size_t c = rows[r].find_first_of(kinds);
            if (c != std::string::npos) {
                return QPoint(static_cast<int>(c), r);
            }
        }
        return std::nullopt;
    }
    // Frames the level and recognises it with one click per kind of element.
    void Recognise(const std::vector<std::string>& rows, int tile) {
        const int width = static_cast<int>(rows[0].size());
        const int height = static_cast<int>(rows.size());
        Type(recogForm->Map_Right, Origin.x() + width * tile - 1);
        Type(recogForm->Map_Bottom, Origin.y() + height * tile - 1);
        Type(recogForm->Map_Left, Origin.x());
        Type(recogForm->Map_Top, Origin.y());
        Type(recogForm->Map_ColWidth, tile);
        Type(recogForm->Map_RowHeight, tile);
        // The goal is a small ring on the floor: the shapes must agree closely.
        recogForm->TrackBar2->setValue(90);
        for (const auto& [kind, tool] : {std::pair{'#', RecogTool::ToolWall},
                                         {'$', RecogTool::ToolBox},
                                         {'*', RecogTool::ToolBoxOnGoal},
                                         {'.', RecogTool::ToolGoal}}) {
            recogForm->ToolClick(tool);
            if (const auto cell = FirstCell(rows, std::string_view(&kind, 1))) {
                ClickCell(cell->y(), cell->x(), tile);
            }
        }
        recogForm->ToolClick(RecogTool::ToolPlayer);
        if (const auto keeper = FirstCell(rows, "@+")) {
            const bool onGoal = rows[keeper->y()][keeper->x()] == '+';
            for (int click = 0; click < (onGoal ? 2 : 1); ++click) {
                ClickCell(keeper->y(), keeper->x(), tile);
            }
        }
    }
};

TEST_F(RecognitionEndToEndTest, ARealLevelComesBackFromItsScreenshot) {
    LODRIN_REQUIRE_SHARED(test::SolvedLevelsPath());
    SkinTiles stone;
    ASSERT_TRUE(LoadSkinFile(LODRIN_SKINS_DIR "/Stone40.bmp", stone));
    std::vector<std::vector<std::string>> levels;
    for (const test::SolvedLevel& level : test::LoadSolvedLevels()) {
        if (level.Title == "Sasquatch 12" || level.Title == "Sasquatch 14") {
            levels.push_back(test::MarkInside(level.Rows));
        }
    }
    ASSERT_EQ(levels.size(), 2u);
    for (const std::vector<std::string>& rows : levels) {
        const QSize size(Origin.x() + static_cast<int>(rows[0].size()) * stone.TileSize + 71,
                         Origin.y() + static_cast<int>(rows.size()) * stone.TileSize + 53);
        const QImage shot = test::LevelScreenshot(rows, stone, Origin, size, 11);
        for (const char* name : {"level.png", "level.jpg"}) {
            Visit([&] {
                OpenPicture(shot, name);
                Recognise(rows, stone.TileSize);
                Close(MessageAnswer::Yes);
            });
            std::vector<std::string> expected;
            for (std::string row : rows) {
                std::replace(row.begin(), row.end(), ' ', '-');
                expected.push_back(row);
            }
            EXPECT_EQ(test::RowsOf(Doc().board, static_cast<int>(rows.size()),
                                   static_cast<int>(rows[0].size())),
                      expected)
                << name;
            Board level = test::BoardFromRows(expected);
            EXPECT_EQ(Doc().board, level) << name; // nothing beyond the level either
        }
    }
}

} // namespace
} // namespace lodrin
