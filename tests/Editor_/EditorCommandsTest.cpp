// The editor window's commands: shifts, clear, Paste, Copy, Save,
// normalization, the info dialog and closing.

#include "EditorFormFixture.h"
#include "support/BoardText.h"
#include "support/ModalAnswer.h"
#include "support/SharedData.h"

#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <filesystem>

namespace lodrin {
namespace {

using test::EditorFormFixture;
using Rows = std::vector<std::string>;

const QString PasteQuestion = QStringLiteral("当前绘制的内容将被覆盖，确定吗？");

class EditorCommandsTest : public EditorFormFixture {
protected:
    void Paste(const QString& text) {
        QApplication::clipboard()->setText(text);
        form.sb_Load->click();
    }
    QTemporaryDir dir;
};

TEST_F(EditorCommandsTest, ShiftsAskOnlyWhenCellsWouldBeLost) {
    Doc().board.Set(0, 99, Wall);
    Doc().MarkSaved();
    platform.Messages.Answer({MessageAnswer::Cancel});
    Key(Qt::Key_Right, Qt::ControlModifier);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].Kind, MessageKind::Warning);
    EXPECT_EQ(Shown()[0].Text, QStringLiteral("最右列上的元素会丢失，确定吗？"));
    EXPECT_EQ(Doc().board.At(0, 99), Wall);
    EXPECT_FALSE(Doc().Saved); // modified even after Cancel
    platform.Messages.Answer({MessageAnswer::Ok});
    form.N1->trigger();
    EXPECT_EQ(Doc().board, Board{});

    Doc().board.Set(0, 5, Box); // a box in the top row: the other three shifts
    const std::pair<QAction*, const char*> questions[] = {
        {form.N4, "最顶行上的元素会丢失，确定吗？"},
        {form.N2, nullptr},
        {form.N3, nullptr},
    };
    for (const auto& [action, question] : questions) {
        Shown().clear();
        platform.Messages.Answer({MessageAnswer::Cancel});
        action->trigger();
        if (question != nullptr) {
            ASSERT_EQ(Shown().size(), 1u);
            EXPECT_EQ(Shown()[0].Text, QString::fromUtf8(question));
        } else {
            EXPECT_TRUE(Shown().empty()) << action->objectName().toStdString();
        }
    }
    EXPECT_EQ(Doc().board.At(1, 4), Box); // left, then down
    Doc().board.Set(99, 4, Box);
    Shown().clear();
    Key(Qt::Key_Down, Qt::ControlModifier);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].Text, QStringLiteral("最底行上的元素会丢失，确定吗？"));
    Doc().board.Set(5, 0, Box);
    Shown().clear();
    Key(Qt::Key_Left, Qt::ControlModifier);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].Text, QStringLiteral("最左列上的元素会丢失，确定吗？"));
}

TEST_F(EditorCommandsTest, ClearAllAndTheClearMenu) {
    Doc().board = test::BoardFromRows({"#*+.$@"});
    Doc().MapNode.Title = "kept";
    platform.Messages.Answer({MessageAnswer::Cancel});
    form.sb_Clear->click();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].Text, QStringLiteral("当前绘制的内容将被全部擦除，确定吗？"));
    EXPECT_EQ(Doc().board.At(0, 0), Wall);
    form.N9->trigger();
    EXPECT_EQ(test::RowsOf(Doc().board, 1, 6), (Rows{"#.+.-@"}));
    EXPECT_EQ(form.StatusText(StatusPanel::Boxes), QStringLiteral("0"));
    EXPECT_EQ(form.StatusText(StatusPanel::Goals), QStringLiteral("3"));
    form.N10->trigger();
    EXPECT_EQ(test::RowsOf(Doc().board, 1, 6), (Rows{"#-@--@"}));
    form.N11->trigger();
    EXPECT_EQ(test::RowsOf(Doc().board, 1, 6), (Rows{"#-----"}));
    EXPECT_EQ(Shown().size(), 1u); // the clear menu asks nothing
    platform.Messages.Answer({MessageAnswer::Ok});
    form.sb_Clear->click();
    EXPECT_EQ(Doc().board, Board{});
    EXPECT_EQ(Doc().MapNode.Title, "kept");
}

TEST_F(EditorCommandsTest, PasteAsksAndKeepsTheHeaderEvenOnCancel) {
    const QString level = QStringLiteral("#####\n#@$.#\n#####\nTitle: Pasted\nAuthor: Me");
    platform.Messages.Answer({MessageAnswer::Cancel});
    Paste(level);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].Kind, MessageKind::Warning);
    EXPECT_EQ(Shown()[0].Text, PasteQuestion);
    EXPECT_EQ(Doc().board, Board{});
    EXPECT_EQ(Doc().MapNode.Title, "Pasted");
    EXPECT_TRUE(Doc().Saved);
    platform.Messages.Answer({MessageAnswer::Ok});
    Paste(level);
    EXPECT_EQ(test::RowsOf(Doc().board, 3, 5), (Rows{"#####", "#@$.#", "#####"}));
    EXPECT_EQ(Doc().MapNode.Author, "Me");
    EXPECT_FALSE(Doc().Saved);
    EXPECT_EQ(form.StatusText(StatusPanel::Boxes), QStringLiteral("1"));
    EXPECT_EQ(form.StatusText(StatusPanel::Goals), QStringLiteral("1"));
}

// At the smallest cells only about 35 x 24 show: after Paste the view comes back
// to the level's top-left corner, at the same cell size; a cancelled Paste
// leaves the view where it was.
TEST_F(EditorCommandsTest, PasteShowsTheLevelFromItsTopLeftCorner) {
    for (int i = 0; i < 20; ++i) {
        KeyChar('-');
    }
    ASSERT_EQ(Grid().CellSize(), TEditorGrid::MinCellSize);
    Grid().SetFocusCell(90, 90);
    ASSERT_GT(Grid().TopRow(), 50);
    ASSERT_GT(Grid().LeftCol(), 50);
    const GridView away = Grid().View();
    const QString level = QStringLiteral("#####\n#@$.#\n#####");
    platform.Messages.Answer({MessageAnswer::Cancel});
    Paste(level);
    EXPECT_EQ(Grid().View(), away);
    platform.Messages.Answer({MessageAnswer::Ok});
    Paste(level);
    EXPECT_EQ(Grid().TopRow(), 0);
    EXPECT_EQ(Grid().LeftCol(), 0);
    EXPECT_EQ(Grid().CellSize(), TEditorGrid::MinCellSize);
    EXPECT_EQ(Grid().Row(), 0); // the focus left the view and came to the corner
    EXPECT_EQ(Grid().Col(), 0);
    EXPECT_EQ(form.StatusText(StatusPanel::Row), QStringLiteral("1"));
    // Pasted again while the whole level is in view: nothing moves.
    Grid().SetFocusCell(2, 3);
    const GridView shown = Grid().View();
    platform.Messages.Answer({MessageAnswer::Ok});
    Paste(level);
    EXPECT_EQ(Grid().View(), shown);
}

TEST_F(EditorCommandsTest, PastedSolutionBecomesItsLevel) {
    platform.Messages.Answer({MessageAnswer::Ok});
    Paste(QStringLiteral("rR"));
    EXPECT_EQ(test::RowsOf(Doc().board, 3, 6), (Rows{"######", "#@-$.#", "######"}));
}

TEST_F(EditorCommandsTest, PasteOfBadClipboardsDoesNothingOrReadsTheFirstLevel) {
    Doc().MapNode.Title = "kept";
    // No text at all: an image only, or bytes of an unknown kind.
    QImage picture(8, 8, QImage::Format_RGB32);
    QApplication::clipboard()->setImage(picture);
    form.sb_Load->click();
    auto* binary = new QMimeData;
    binary->setData(QStringLiteral("application/octet-stream"), QByteArray("\0\1\2#$", 5));
    QApplication::clipboard()->setMimeData(binary);
    form.sb_Load->click();
    // Text that holds no level: control bytes, a line of 100000 characters.
    Paste(QString::fromLatin1(QByteArray("\0\x01\x02\x7f junk", 10)));
    Paste(QString(100000, QLatin1Char('x')));
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(Doc().MapNode.Title, "kept");
    EXPECT_EQ(Doc().board, Board{});
    // A 100000-character board row is cut to the board's 100 columns.
    platform.Messages.Answer({MessageAnswer::Ok});
    Paste(QString(100000, QLatin1Char('#')));
    EXPECT_EQ(Doc().board.At(0, 99), Wall);
    EXPECT_EQ(Doc().board.At(1, 0), Floor);
    // 10 MB of text: the first level is read.
    QString big = QStringLiteral("####\n#@.#\n#$ #\n####\nTitle: first\n");
    const QString filler = QStringLiteral("some words that are not a level at all\n");
    while (big.size() < 10'000'000) {
        big += filler;
    }
    big += QStringLiteral("######\n#@$. #\n######\n");
    platform.Messages.Answer({MessageAnswer::Ok});
    Paste(big);
    EXPECT_EQ(test::RowsOf(Doc().board, 4, 4), (Rows{"####", "#@.#", "#$-#", "####"}));
    EXPECT_EQ(Doc().MapNode.Title, "first");
}

TEST_F(EditorCommandsTest, CopyPutsTheLevelTextOnTheClipboard) {
    Doc().board = test::BoardFromRows({"", "  ####", "  #@.#", "  #$ #", "  ####"});
    Doc().MapNode.Title = "T";
    Doc().MapNode.Comment = "line1\r\nline2";
    Doc().MarkModified();
    form.sb_Save->click();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("\n####\n#@.#\n#$-#\n####\nTitle: T\nAuthor: \nComment: \nline1\r\n"
                             "line2\nComment_End: \n"));
    EXPECT_TRUE(Doc().Saved);
    EXPECT_EQ(form.StatusText(StatusPanel::Message), QStringLiteral("XSB 已复制到剪切板！"));
}

TEST_F(EditorCommandsTest, SaveAddsTheExtensionAndAsksBeforeOverwriting) {
    Doc().board = test::BoardFromRows({"###", "#@#", "###"});
    Doc().MarkModified();
    platform.Files.Names = {dir.filePath(QStringLiteral("level."))};
    form.sb_SaveToFile->click();
    EXPECT_EQ(platform.Files.Filters, QStringList{TEditorForm_::SaveDialog1Filter});
    const QString saved = dir.filePath(QStringLiteral("level.xsb"));
    EXPECT_EQ(test::ReadFileBytes(saved.toStdString()), "\n###\n#@#\n###\nTitle: \nAuthor: \r\n");
    EXPECT_TRUE(Doc().Saved);
    EXPECT_EQ(form.StatusText(StatusPanel::Message), QStringLiteral("保存成功！"));
    EXPECT_TRUE(Shown().empty());

    // The same name again: the question names the file; Cancel keeps it.
    Doc().board.Set(1, 1, Goal);
    Doc().MarkModified();
    platform.Files.Names = {dir.filePath(QStringLiteral("level"))};
    platform.Messages.Answer({MessageAnswer::Cancel});
    form.sb_SaveToFile->click();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].Kind, MessageKind::Warning);
    EXPECT_EQ(Shown()[0].Text, saved + QStringLiteral("\n 文档已经存在，覆写它吗？"));
    EXPECT_EQ(test::ReadFileBytes(saved.toStdString()), "\n###\n#@#\n###\nTitle: \nAuthor: \r\n");
    EXPECT_FALSE(Doc().Saved);
    platform.Files.Names = {saved};
    platform.Messages.Answer({MessageAnswer::Ok});
    form.sb_SaveToFile->click();
    EXPECT_EQ(test::ReadFileBytes(saved.toStdString()), "\n###\n#.#\n###\nTitle: \nAuthor: \r\n");
    // A .txt name keeps its extension; a cancelled dialog does nothing.
    platform.Files.Names = {dir.filePath(QStringLiteral("other.txt")), QString()};
    form.sb_SaveToFile->click();
    EXPECT_TRUE(std::filesystem::exists(dir.filePath(QStringLiteral("other.txt")).toStdString()));
    form.ShowMessage(QString());
    form.sb_SaveToFile->click();
    EXPECT_EQ(form.StatusText(StatusPanel::Message), QString());
}

TEST_F(EditorCommandsTest, AFailedSaveSaysSoAndKeepsTheEdits) {
    Doc().board.Set(0, 0, Wall);
    Doc().MarkModified();
    platform.Files.Names = {dir.filePath(QStringLiteral("missing/level.xsb"))};
    form.sb_SaveToFile->click();
    EXPECT_EQ(form.StatusText(StatusPanel::Message), QStringLiteral("遇到错误，保存失败！"));
    EXPECT_FALSE(Doc().Saved);
}

TEST_F(EditorCommandsTest, NormalizationMessages) {
    const struct {
        Rows board;
        bool minimal;
        MessageKind kind;
        const char* message;
        const char* boxes;
        const char* goals;
    } cases[] = {
        {{"#####", "#@$.#", "#####", "", " $ #"},
         false,
         MessageKind::Information,
         "标准化成功！",
         "1",
         "1"},
        {{"#####", "#@$.#", "#####", "", " $ #"},
         true,
         MessageKind::Information,
         "标准化成功！",
         "1",
         "1"},
        {{"#####", "#-$.#", "#####"}, false, MessageKind::Error, "仓管员数不正确！", "", ""},
        {{"######", "#@$..#", "######"},
         false,
         MessageKind::Error,
         "有效的箱子数与目标数不符！",
         "1",
         "2"},
        {{"", " @$.", ""}, true, MessageKind::Error, "尚未封闭的地图！", "", ""},
    };
    for (const auto& c : cases) {
        Doc().board = test::BoardFromRows(c.board);
        Doc().UpdateCounts();
        form.ShowCounts();
        const QString boxesBefore = form.StatusText(StatusPanel::Boxes);
        const QString goalsBefore = form.StatusText(StatusPanel::Goals);
        form.ShowMessage(QStringLiteral("old message"));
        Shown().clear();
        if (c.minimal) {
            form.N8->trigger();
        } else {
            form.sb_Xsb_OK->click();
        }
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_EQ(Shown()[0].Kind, c.kind) << c.message;
        EXPECT_EQ(Shown()[0].Text, QString::fromUtf8(c.message));
        EXPECT_EQ(form.StatusText(StatusPanel::Message), QString());
        EXPECT_EQ(form.StatusText(StatusPanel::Boxes),
                  *c.boxes ? QString::fromUtf8(c.boxes) : boxesBefore);
        EXPECT_EQ(form.StatusText(StatusPanel::Goals),
                  *c.goals ? QString::fromUtf8(c.goals) : goalsBefore);
    }
    // The decorative box outside the walls: a wall after standard, gone after minimal.
    Doc().board = test::BoardFromRows({"#####", "#@$.#", "#####", "", " $"});
    form.sb_Xsb_OK->click();
    EXPECT_EQ(Doc().board.At(4, 1), Wall);
    Doc().board = test::BoardFromRows({"#####", "#@$.#", "#####", "", " $"});
    form.N8->trigger();
    EXPECT_EQ(Doc().board.At(4, 1), Floor);
}

TEST_F(EditorCommandsTest, InfoDialogChangesTheLevelOnlyWhenChangedAndConfirmed) {
    Doc().MapNode.Title = "title";
    Doc().MapNode.Author = "author";
    Doc().MapNode.Comment = "a\nb";
    const auto answer = [this](std::function<void()> edit, QPushButton* button) {
        test::WhenModalShown([edit, button](QWidget*) {
            edit();
            button->click();
        });
        form.sb_Inf->click();
    };
    answer([] {}, info->Button1);
    EXPECT_EQ(info->Edit1->text(), QStringLiteral("title"));
    EXPECT_EQ(info->Memo1->toPlainText(), QStringLiteral("a\nb"));
    EXPECT_FALSE(info->Changed());
    EXPECT_TRUE(Doc().Saved);
    answer([this] { info->Edit1->setText(QStringLiteral("new")); }, info->Button2);
    EXPECT_EQ(Doc().MapNode.Title, "title");
    EXPECT_TRUE(Doc().Saved);
    test::WhenModalShown([this](QWidget* dialog) {
        info->Edit2->setText(QStringLiteral("someone"));
        dialog->close(); // the window's own close button
    });
    form.sb_Inf->click();
    EXPECT_EQ(Doc().MapNode.Author, "author");
    answer(
        [this] {
            QTest::keyClick(info->Edit1, Qt::Key_End);
            QTest::keyClicks(info->Edit1, QStringLiteral("x"));
            QTest::keyClick(info->Edit1, Qt::Key_Backspace);
        },
        info->Button1);
    EXPECT_FALSE(Doc().Saved); // typed back to the same text: still a change
    Doc().MarkSaved();
    answer([this] { info->Memo1->setPlainText(QStringLiteral("one\ntwo")); }, info->Button1);
    EXPECT_EQ(Doc().MapNode.Comment, "one\r\ntwo");
    EXPECT_EQ(Doc().MapNode.Title, "title");
    EXPECT_FALSE(Doc().Saved);
}

TEST_F(EditorCommandsTest, DialogsOpenCentredOnTheEditor) {
    for (QToolButton* button : {form.sb_Inf, form.sb_Help}) {
        QPoint offset(1000, 1000);
        test::WhenModalShown([&](QWidget* dialog) {
            offset = dialog->geometry().center() - form.geometry().center();
            dialog->close();
        });
        button->click();
        EXPECT_LE(offset.manhattanLength(), 4) << button->objectName().toStdString();
    }
}

TEST_F(EditorCommandsTest, ClosingWithoutChangesAsksNothing) {
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(Shown().empty());
}

TEST_F(EditorCommandsTest, CloseQuestionWithEachAnswer) {
    const struct {
        MessageAnswer answer;
        QString fileName; // empty: the save dialog is cancelled
        bool closes;
    } cases[] = {
        {MessageAnswer::Cancel, {}, false},
        {MessageAnswer::Yes, {}, false},                              // dialog cancelled
        {MessageAnswer::Yes, QStringLiteral("missing/x.xsb"), false}, // write failed
        {MessageAnswer::Yes, QStringLiteral("closed.xsb"), true},
        {MessageAnswer::No, {}, true},
    };
    for (const auto& c : cases) {
        form.show();
        Doc().board.Set(0, 0, Wall);
        Doc().MarkModified();
        Shown().clear();
        platform.Messages.Answer({c.answer});
        platform.Files.Names = {c.fileName.isEmpty() ? QString() : dir.filePath(c.fileName)};
        EXPECT_EQ(form.close(), c.closes) << c.fileName.toStdString();
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_EQ(Shown()[0].Kind, MessageKind::Question);
        EXPECT_EQ(Shown()[0].Text, QStringLiteral("有新的修改，保存吗？"));
        EXPECT_EQ(Doc().Saved, c.closes);
        EXPECT_EQ(form.isVisible(), !c.closes);
    }
    EXPECT_TRUE(std::filesystem::exists(dir.filePath(QStringLiteral("closed.xsb")).toStdString()));
}

TEST_F(EditorCommandsTest, TrialAndRecognitionButtonsWaitForTheirWindows) {
    const Board level = test::BoardFromRows({"#####", "#@$.#", "#####"});
    Doc().board = level;
    form.sb_Trial->click();
    form.sb_LoadPic->click();
    EXPECT_EQ(trialBoards.size(), 1u);
    EXPECT_EQ(recognitionOpened, 1);
    form.SetPartners({info, help, skinChooser, {}, {}});
    form.sb_Trial->click(); // not connected yet: nothing happens
    form.sb_LoadPic->click();
    Key(Qt::Key_F5);
    EXPECT_EQ(Doc().board, level);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(EditorCommandsTest, AChosenSkinRepaintsThePaletteCursorsAndGrid) {
    QImage picture(160, 80, QImage::Format_RGB32); // 40-pixel tiles, one colour each
    const QColor colours[8] = {{10, 10, 10}, {20, 0, 0}, {30, 0, 0}, {40, 0, 0},
                               {50, 0, 0},   {60, 0, 0}, {70, 0, 0}, {80, 0, 0}};
    for (int i = 0; i < 8; ++i) {
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                picture.setPixelColor((i % 4) * 40 + x, (i / 4) * 40 + y, colours[i]);
            }
        }
    }
    ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("mine.bmp")), "BMP"));
    auto* chooser = new TLoadSkinForm(&form, dir.path(), skin);
    form.SetPartners({info, help, chooser, {}, {}});
    PickTool(form.img_Wall);
    Doc().board.Set(0, 0, Wall);
    test::WhenModalShown([chooser](QWidget*) {
        chooser->ListBox1->setCurrentRow(0);
        chooser->Button2->click();
    });
    Key(Qt::Key_F2);
    // File order: floor, keeper, box, wall / goal, keeper on goal, box on goal, extension.
    EXPECT_EQ(form.img_Floor->pixmap().toImage().pixelColor(30, 30), colours[0]);
    EXPECT_EQ(form.img_Player->pixmap().toImage().pixelColor(30, 30), colours[1]);
    EXPECT_EQ(form.img_Box->pixmap().toImage().pixelColor(30, 30), colours[2]);
    EXPECT_EQ(form.img_Wall->pixmap().toImage().pixelColor(30, 30), colours[3]);
    EXPECT_EQ(form.img_Goal->pixmap().toImage().pixelColor(30, 30), colours[4]);
    EXPECT_EQ(Viewport()->cursor().pixmap().toImage().pixelColor(22, 24), colours[3]);
    const QImage shot = Viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(Grid().CellRect(0, 0).center()), colours[3]);
    EXPECT_EQ(shot.pixelColor(Grid().CellRect(1, 1).center()), colours[0]);
}

TEST_F(EditorCommandsTest, PastesARealLevel) {
    const auto path = test::SharedDir() / "data" / "solved.xsb";
    LODRIN_REQUIRE_SHARED(path);
    platform.Messages.Answer({MessageAnswer::Ok});
    Paste(QString::fromStdString(test::ReadFileBytes(path)));
    EXPECT_EQ(Doc().MapNode.Title, "Original & Extra 1");
    EXPECT_EQ(form.StatusText(StatusPanel::Boxes), QStringLiteral("6"));
    EXPECT_EQ(form.StatusText(StatusPanel::Goals), QStringLiteral("6"));
    Shown().clear();
    form.sb_Xsb_OK->click();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].Text, QStringLiteral("标准化成功！"));
}

} // namespace
} // namespace lodrin
