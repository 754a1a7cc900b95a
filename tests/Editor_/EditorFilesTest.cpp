#include "EditorFormFixture.h"

#include "Editor_/LevelChooserForm.h"
#include "Editor_/LevelFileReader.h"
#include "support/ModalAnswer.h"
#include "support/TempDir.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QUrl>

#include <fstream>

namespace lodrin::test {
namespace {

using Lines = std::vector<std::string>;

const std::string FiveLevels = "####\n#@.#\n####\nTitle: Alpha\n"
                               "#####\n#@$.#\n#####\nTitle: beta\nAuthor: Zed\n"
                               "###\n#.#\n###\nTitle: Gamma\n"
                               "####\n#..#\n####\nTitle: Delta\nAuthor: Gabe\n"
                               "#####\n#$$.#\n#####\nTitle: Epsilon\n";

class EditorFilesTest : public EditorFormFixture {
protected:
    EditorFilesTest() { QSettings().clear(); }

    QString Write(const std::string& name, const std::string& bytes) {
        const std::filesystem::path path = dir.Path() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return QString::fromStdString(path.string());
    }
    // Ctrl+O with the dialog answering `path`, and the read carried to its end.
    void OpenWithKeys(const QString& path) {
        platform.Files.Names.push_back(path);
        Key(Qt::Key_O, Qt::ControlModifier);
        form.FileReader().Finish();
    }
    // Answers the chooser, once it shows, with the given steps.
    void WhenChooserShown(std::function<void(TLevelChooserForm*)> steps) {
        WhenModalShown([steps = std::move(steps)](QWidget* dialog) {
            auto* chooser = qobject_cast<TLevelChooserForm*>(dialog);
            ASSERT_NE(chooser, nullptr);
            steps(chooser);
            if (chooser->isVisible()) {
                chooser->reject();
            }
        });
    }
    Lines BoardRows(int rows, int cols) {
        Lines out;
        for (int r = 0; r < rows; ++r) {
            std::string row;
            for (int c = 0; c < cols; ++c) {
                row.push_back(CellToXsbChar(Doc().board.At(r, c)));
            }
            out.push_back(row);
        }
        return out;
    }
    QString Status() { return form.StatusText(StatusPanel::Message); }

    TempDir dir;
};

TEST_F(EditorFilesTest, CtrlOReadsTheChosenFileOffTheWindowThread) {
    const QString path = Write("one.xsb", "#####\n#@$.#\n#####\nTitle: Only\nAuthor: Me\n");
    Grid().SetTopRow(40); // the view is far from where the level will be
    Grid().SetLeftCol(40);
    platform.Files.Names.push_back(path);
    Key(Qt::Key_O, Qt::ControlModifier);
    // The key has returned before the read was handed over: the window is free meanwhile.
    EXPECT_TRUE(form.FileReader().Busy());
    EXPECT_EQ(Doc().board.At(1, 1), Floor);
    form.FileReader().Finish();
    ASSERT_EQ(platform.Files.Filters, QStringList{TEditorForm_::OpenDialogFilter});
    EXPECT_EQ(BoardRows(3, 5), (Lines{"#####", "#@$.#", "#####"}));
    EXPECT_EQ(Doc().MapNode.Title, "Only");
    EXPECT_EQ(Doc().MapNode.Author, "Me");
    EXPECT_TRUE(Shown().empty()); // an empty board is overwritten without a question
    EXPECT_EQ(Status(), QStringLiteral("第 1 / 1 关"));
    EXPECT_EQ(form.StatusText(StatusPanel::Boxes), QStringLiteral("1"));
    EXPECT_EQ(Grid().TopRow(), 0); // the level is seen from its top-left corner
    EXPECT_EQ(Grid().LeftCol(), 0);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("关卡编辑器 v20.01"));
    EXPECT_TRUE(TEditorForm_::OpenDialogFilter.contains(TEditorForm_::SaveDialog1Filter.left(8)));
    EXPECT_TRUE(TEditorForm_::OpenDialogFilter.contains(QStringLiteral("*.sok")));
}

TEST_F(EditorFilesTest, TheDialogStartsAtTheLastFileAndOffersTheRecentOnes) {
    OpenWithKeys({}); // cancelled: nothing read, nothing remembered
    ASSERT_EQ(platform.Files.Starts.size(), 1u);
    EXPECT_TRUE(platform.Files.Starts[0].Path.isEmpty());
    EXPECT_TRUE(platform.Files.Starts[0].Recent.isEmpty());
    QStringList opened;
    for (int i = 0; i < 12; ++i) {
        opened.prepend(Write("level" + std::to_string(i) + ".xsb", "###\n#@#\n###\n"));
        platform.Messages.Answer({MessageAnswer::Ok});
        OpenWithKeys(opened.front());
    }
    const QString broken = Write("broken.xsb", "no level in here");
    OpenWithKeys(broken); // a file without a level is not remembered
    OpenWithKeys({});
    const OpenDialogStart& start = platform.Files.Starts.back();
    EXPECT_EQ(start.Path, opened.front());
    EXPECT_EQ(start.Recent, opened.mid(0, 10));
}

TEST_F(EditorFilesTest, ADroppedLocalFileOpens) {
    const QString path = Write("dropped.xsb", "####\n#@.#\n####\n");
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/level.xsb"))});
    QDragEnterEvent enterWeb(QPoint(10, 10), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &enterWeb);
    EXPECT_FALSE(enterWeb.isAccepted());
    QMimeData local;
    local.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &local, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &local, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &drop);
    form.FileReader().Finish();
    EXPECT_EQ(BoardRows(3, 4), (Lines{"####", "#@.#", "####"}));
}

TEST_F(EditorFilesTest, TheCommandLineFileOpensWhenTheWindowFirstShows) {
    const QString path = Write("start.xsb", "###\n#@#\n###\n");
    StartOptions options = ReadStartOptions({"/m", path.toStdString()});
    TEditorForm_ started(platform.Seams(), options, skin);
    EXPECT_FALSE(started.FileReader().Busy());
    started.show();
    started.FileReader().Finish();
    EXPECT_EQ(started.Document().board.At(1, 1), Player);
    started.hide();
    started.show(); // showing again reads nothing again
    EXPECT_FALSE(started.FileReader().Busy());
    started.Document().MarkSaved();
}

TEST_F(EditorFilesTest, TheChooserFiltersAndChoosesByKeys) {
    const QString path = Write("five.xsb", FiveLevels);
    WhenChooserShown([](TLevelChooserForm* chooser) {
        EXPECT_EQ(chooser->windowTitle(), QStringLiteral("选择关卡 - five.xsb"));
        EXPECT_EQ(chooser->Label2->text(), QStringLiteral("共 5 关"));
        QAbstractItemModel* model = chooser->lv_Levels->model();
        ASSERT_EQ(model->rowCount(), 5);
        EXPECT_EQ(model->index(1, 0).data().toString(), QStringLiteral("2"));
        EXPECT_EQ(model->index(1, 2).data().toString(), QStringLiteral("beta"));
        EXPECT_EQ(model->index(1, 3).data().toString(), QStringLiteral("3 × 5"));
        EXPECT_EQ(model->index(4, 4).data().toString(), QStringLiteral("2"));
        QTest::keyClicks(chooser->ed_Filter, QStringLiteral("GA"));
        EXPECT_EQ(model->rowCount(), 2); // Gamma, and Delta by Gabe
        EXPECT_EQ(chooser->Label2->text(), QStringLiteral("2 / 5 关"));
        QTest::keyClick(chooser->ed_Filter, Qt::Key_Down);
        QTest::keyClick(chooser->ed_Filter, Qt::Key_Down); // stops at the last row
        EXPECT_EQ(chooser->Chooser()->ChosenLevel(), 3u);
        QTest::keyClick(chooser->ed_Filter, Qt::Key_Up);
        QTest::keyClick(chooser->ed_Filter, Qt::Key_Return);
    });
    OpenWithKeys(path);
    EXPECT_EQ(Doc().MapNode.Title, "Gamma");
    EXPECT_EQ(BoardRows(3, 3), (Lines{"###", "#.#", "###"}));
    EXPECT_EQ(Status(), QStringLiteral("第 3 / 5 关"));
}

TEST_F(EditorFilesTest, TheChooserChoosesByDoubleClickAndEscCancels) {
    const QString path = Write("five.xsb", FiveLevels);
    WhenChooserShown([](TLevelChooserForm* chooser) {
        QTest::keyClick(chooser->lv_Levels, Qt::Key_End);
        EXPECT_EQ(chooser->Chooser()->CurrentRow(), 4u);
        QTest::keyClick(chooser->ed_Filter, Qt::Key_Escape);
    });
    OpenWithKeys(path);
    EXPECT_FALSE(Doc().HoldsSomething());
    EXPECT_EQ(Status(), QString());

    WhenChooserShown([](TLevelChooserForm* chooser) {
        QTableView* list = chooser->lv_Levels;
        const QRect row = list->visualRect(list->model()->index(1, 2));
        // A real double click: press and release, then the double click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    });
    OpenWithKeys(path);
    EXPECT_EQ(Doc().MapNode.Title, "beta");
    EXPECT_EQ(Status(), QStringLiteral("第 2 / 5 关"));
}

TEST_F(EditorFilesTest, ChooserPicturesComeFromTheCurrentSkinWhenTheirRowsShow) {
    const QString path = Write("five.xsb", FiveLevels);
    WhenChooserShown([](TLevelChooserForm* chooser) {
        const QPixmap picture =
            chooser->lv_Levels->model()->index(0, 1).data(Qt::DecorationRole).value<QPixmap>();
        ASSERT_FALSE(picture.isNull());
        const QImage image = picture.toImage();
        EXPECT_LE(image.width(), chooser->lv_Levels->iconSize().width());
        EXPECT_EQ(image.width(), image.height() * 4 / 3); // 3 x 4 cells
        EXPECT_EQ(image.pixelColor(1, 1), TileColours[Wall]);
        const int cell = image.width() / 4;
        EXPECT_EQ(image.pixelColor(cell + 1, cell + 1), TileColours[Player]);
    });
    OpenWithKeys(path);
}

TEST_F(EditorFilesTest, NextAndPreviousLevelWithCtrlShiftPageKeys) {
    const QString path = Write("five.xsb", FiveLevels);
    WhenChooserShown([](TLevelChooserForm* chooser) {
        QTest::keyClick(chooser->lv_Levels, Qt::Key_End);
        QTest::keyClick(chooser->lv_Levels, Qt::Key_Up);
        QTest::keyClick(chooser->lv_Levels, Qt::Key_Enter);
    });
    OpenWithKeys(path);
    ASSERT_EQ(Doc().MapNode.Title, "Delta");
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    Grid().SetLeftCol(30);
    Key(Qt::Key_PageDown, ctrlShift);
    EXPECT_EQ(Doc().MapNode.Title, "Epsilon");
    EXPECT_EQ(Grid().LeftCol(), 0);
    EXPECT_EQ(Shown().size(), 1u); // the board held Delta: the overwrite question
    EXPECT_EQ(Status(), QStringLiteral("第 5 / 5 关"));
    Key(Qt::Key_PageDown, ctrlShift); // past the last level: nothing, not even a question
    EXPECT_EQ(Doc().MapNode.Title, "Epsilon");
    EXPECT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Status(), QStringLiteral("第 5 / 5 关"));
    EXPECT_EQ(Grid().Row(), 0); // the key went no further than the window
    Key(Qt::Key_PageUp, ctrlShift);
    EXPECT_EQ(Doc().MapNode.Title, "Delta");
    EXPECT_EQ(Status(), QStringLiteral("第 4 / 5 关"));
    // Ctrl alone with Page Down keeps its meaning for the grid.
    Key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Doc().MapNode.Title, "Delta");
    EXPECT_GT(Grid().Row(), 0);
}

TEST_F(EditorFilesTest, TheOverwriteQuestionAnsweredEachWayAndUndo) {
    PickTool(form.img_Wall);
    Click(2, 2);
    ASSERT_EQ(Doc().board.At(2, 2), Wall);
    Doc().MapNode.Title = "mine";
    const Board drawn = Doc().board;
    const QString path = Write("one.xsb", "####\n#@.#\n####\nTitle: File\n");
    platform.Messages.Answer({MessageAnswer::Cancel});
    OpenWithKeys(path);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].Kind, MessageKind::Warning);
    EXPECT_EQ(Shown()[0].Text, QStringLiteral("当前绘制的内容将被覆盖，确定吗？"));
    EXPECT_EQ(Doc().board, drawn);
    EXPECT_EQ(Doc().MapNode.Title, "mine");
    platform.Messages.Answer({MessageAnswer::Ok});
    OpenWithKeys(path);
    EXPECT_EQ(Doc().MapNode.Title, "File");
    EXPECT_EQ(BoardRows(3, 4), (Lines{"####", "#@.#", "####"}));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Doc().board, drawn);
    EXPECT_EQ(form.StatusText(StatusPanel::Goals), QStringLiteral("0"));
}

TEST_F(EditorFilesTest, FilesWithoutALevelGetAnErrorBoxAndChangeNothing) {
    std::string noise(4096, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>((i * 131 + 7) % 256);
    }
    struct Case {
        QString path;
        QString message;
    };
    const Case cases[] = {
        {QString::fromStdString((dir.Path() / "missing.xsb").string()),
         QStringLiteral("无法读取文件：\n")},
        {QString::fromStdString(dir.Path().string()), QStringLiteral("无法读取文件：\n")},
        {Write("empty.xsb", ""), QStringLiteral("文件中没有找到关卡：\n")},
        {Write("noise.bin", noise), QStringLiteral("文件中没有找到关卡：\n")},
    };
    for (const Case& c : cases) {
        Shown().clear();
        OpenWithKeys(c.path);
        ASSERT_EQ(Shown().size(), 1u) << c.path.toStdString();
        EXPECT_EQ(Shown()[0].Kind, MessageKind::Error);
        EXPECT_EQ(Shown()[0].Text, c.message + c.path);
        EXPECT_FALSE(Doc().HoldsSomething());
        EXPECT_TRUE(Doc().UndoStack.empty());
    }
}

TEST_F(EditorFilesTest, AHundredMegabyteLineIsReadWhileTheWindowGoesOn) {
    const QString path = Write("line.txt", std::string(100'000'000, 'x'));
    form.OpenLevelFile(path);
    ASSERT_TRUE(form.FileReader().Busy());
    KeyChar('-'); // the window takes keys meanwhile
    EXPECT_EQ(Grid().CellSize(), 58);
    EXPECT_EQ(Status(), QStringLiteral("正在读取……"));
    form.FileReader().Finish();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].Text, QStringLiteral("文件中没有找到关卡：\n") + path);
    EXPECT_EQ(Status(), QString());
}

TEST_F(EditorFilesTest, ANewerReadReplacesOneStillRunning) {
    const QString first = Write("first.xsb", "###\n#@#\n###\nTitle: first\n");
    const QString second = Write("second.xsb", "####\n#@.#\n####\nTitle: second\n");
    form.OpenLevelFile(first);
    form.OpenLevelFile(second);
    form.FileReader().Finish();
    EXPECT_EQ(Doc().MapNode.Title, "second");
    EXPECT_TRUE(Shown().empty());
}

} // namespace
} // namespace lodrin::test
