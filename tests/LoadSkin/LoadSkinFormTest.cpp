// The skin chooser: the list, the preview and its tile size, the enabling of
// the confirm button, double-click, and ChangeSkin with its fallback.

#include "LoadSkin/LoadSkinForm.h"
#include "LoadSkin/DrawnSkin.h"
#include "SkinPictures.h"
#include "support/ModalAnswer.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace lodrin {
namespace {

class LoadSkinFormTest : public ::testing::Test {
protected:
    // Writes a skin picture of w x h into the folder.
    void WritePicture(const QString& name, int w, int h) {
        QImage picture = test::SyntheticSkin(std::max(1, w / 4)).scaled(w, h);
        ASSERT_TRUE(picture.save(dir.filePath(name), "BMP")) << name.toStdString();
    }
    void WriteBytes(const QString& name, const QByteArray& bytes) {
        ASSERT_TRUE(test::WriteBytes(dir.filePath(name), bytes));
    }
    // Shows the dialog (filling its list) and selects the entry with the name.
    void Select(const QString& name) {
        const QList<QListWidgetItem*> found = form.ListBox1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        form.ListBox1->setCurrentItem(found.front());
    }
    QStringList Listed() const {
        QStringList names;
        for (int i = 0; i < form.ListBox1->count(); ++i) {
            names << form.ListBox1->item(i)->text();
        }
        names.sort();
        return names;
    }
    QColor PreviewPixel(int x, int y) const {
        return form.Image1->pixmap().toImage().pixelColor(x, y);
    }
    // Runs ChangeSkin and answers the dialog with `answer` once it is shown.
    bool ChangeSkinAnswering(std::function<void()> answer) {
        test::WhenModalShown([answer](QWidget*) { answer(); });
        return form.ChangeSkin();
    }

    const SkinStrip& Strip() const { return skin.Strip(); }
    const SkinTiles& Tiles() const { return skin.Tiles(); }

    QTemporaryDir dir;
    TCurrentSkin skin;
    TLoadSkinForm form{nullptr, dir.path(), skin};
};

TEST_F(LoadSkinFormTest, LayoutAndTexts) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("更换皮肤"));
    EXPECT_EQ(form.size(), QSize(617, 356));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.ListBox1->size(), QSize(241, 329));
    EXPECT_EQ(form.Image1->size(), QSize(360, 180));
    EXPECT_EQ(form.Label3->size(), QSize(361, 65));
    EXPECT_TRUE(form.Label3->wordWrap());
    EXPECT_TRUE(
        form.Label3->text().startsWith(QStringLiteral("说明：皮肤包含8格元格，分上下两行")));
    EXPECT_TRUE(
        form.Label3->text().endsWith(QStringLiteral("地板格左上角像素的颜色作为网格线的颜色。")));
    EXPECT_LE(form.Label3->heightForWidth(361), 65); // the whole text fits
    EXPECT_EQ(form.Label1->text(), QStringLiteral("皮肤列表："));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("预览："));
    EXPECT_TRUE(form.Label4->font().bold());
    EXPECT_EQ(form.Button1->text(), QStringLiteral("取消(&C)"));
    EXPECT_EQ(form.Button2->text(), QStringLiteral("确定(&O)"));
    EXPECT_TRUE(form.Button1->isDefault());
    EXPECT_EQ(Tiles().TileSize, SkinStrip::TileSize); // the built-in skin from the start
}

TEST_F(LoadSkinFormTest, ShowListsBitmapsOnlyAndResetsTheChoice) {
    WritePicture(QStringLiteral("a.bmp"), 320, 160);
    WritePicture(QStringLiteral("UPPER.BMP"), 320, 160);
    WriteBytes(QStringLiteral("notes.txt"), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.bmp")));
    form.show();
    EXPECT_EQ(Listed(), (QStringList{QStringLiteral("UPPER.BMP"), QStringLiteral("a.bmp")}));
    EXPECT_FALSE(form.Button2->isEnabled());
    EXPECT_EQ(form.Label4->text(), QString());
    EXPECT_EQ(PreviewPixel(180, 90), QColor(Qt::black));
    Select(QStringLiteral("a.bmp"));
    EXPECT_EQ(form.ChosenName(), QStringLiteral("a.bmp"));
    EXPECT_TRUE(form.Button2->isEnabled());
    form.hide();
    form.show();
    EXPECT_EQ(form.ChosenName(), QString());
    EXPECT_FALSE(form.Button2->isEnabled());
    EXPECT_EQ(form.Label4->text(), QString());
}

// Opened as ChangeSkin opens it, the dialog shows with the list focused; the
// row Qt makes current for the focus is no choice: nothing is previewed or
// remembered and confirm stays off until the user picks an entry.
TEST_F(LoadSkinFormTest, OpensWithNothingChosenThoughTheListHasTheFocus) {
    WritePicture(QStringLiteral("a.bmp"), 320, 160);
    WritePicture(QStringLiteral("b.bmp"), 320, 160);
    const auto expectNothingChosen = [this](const char* when) {
        form.activateWindow(); // as the desktop does for a new dialog
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), form.ListBox1) << when;
        EXPECT_TRUE(form.ListBox1->selectedItems().isEmpty()) << when;
        EXPECT_EQ(form.ChosenName(), QString()) << when;
        EXPECT_FALSE(form.Button2->isEnabled()) << when;
        EXPECT_EQ(form.Label4->text(), QString()) << when;
        EXPECT_EQ(PreviewPixel(20, 20), QColor(Qt::black)) << when;
    };
    EXPECT_FALSE(ChangeSkinAnswering([&] {
        expectNothingChosen("first opening");
        QTest::keyClick(form.ListBox1, Qt::Key_Space); // the user picks the focused row
        EXPECT_EQ(form.ChosenName(), form.ListBox1->item(0)->text());
        EXPECT_TRUE(form.Button2->isEnabled());
        QTest::keyClick(form.ListBox1, Qt::Key_Return); // the default button cancels
    }));
    EXPECT_FALSE(ChangeSkinAnswering([&] {
        expectNothingChosen("second opening");
        form.Button1->click();
    }));
    EXPECT_EQ(Tiles().TileSize, SkinStrip::TileSize); // unchanged
}

TEST_F(LoadSkinFormTest, NoSkinsFolderGivesAnEmptyList) {
    TLoadSkinForm missing(nullptr, dir.filePath(QStringLiteral("nothing-here")), skin);
    missing.show();
    EXPECT_EQ(missing.ListBox1->count(), 0);
    EXPECT_FALSE(missing.Button2->isEnabled());
}

TEST_F(LoadSkinFormTest, ClickShowsTheTileSizeAndEnablesOnlyUsableSkins) {
    const struct {
        const char* name;
        int w;
        int h;
        const char* label;
        bool usable;
        bool preview;
    } cases[] = {
        {"s320.bmp", 320, 160, "元格尺寸: 80像素", true, true},
        {"s800.bmp", 800, 400, "元格尺寸: 200像素", true, true},
        {"s80.bmp", 80, 40, "元格尺寸: 20像素", true, true},
        {"s804.bmp", 804, 402, "元格尺寸: 201像素", false, true}, // shown, not usable
        {"s76.bmp", 76, 38, "元格尺寸: 19像素", false, true},
        {"s322.bmp", 322, 161, "元格尺寸: 80像素", false, true},
        {"s320x161.bmp", 320, 161, "元格尺寸: 80像素", false, true},
        {"huge.bmp", 4000, 2000, "元格尺寸: 1000像素", false, true},
    };
    for (const auto& c : cases) {
        WritePicture(QString::fromLatin1(c.name), c.w, c.h);
    }
    form.show();
    for (const auto& c : cases) {
        Select(QString::fromLatin1(c.name));
        EXPECT_EQ(form.Label4->text(), QString::fromUtf8(c.label)) << c.name;
        EXPECT_EQ(form.Button2->isEnabled(), c.usable) << c.name;
        EXPECT_EQ(PreviewPixel(20, 20) != QColor(Qt::black), c.preview) << c.name;
    }
}

TEST_F(LoadSkinFormTest, UnreadableFilesShowOneSpaceAndStayDisabled) {
    WritePicture(QStringLiteral("good.bmp"), 320, 160);
    WriteBytes(QStringLiteral("text.bmp"), "this is not a bitmap at all");
    WriteBytes(QStringLiteral("empty.bmp"), {});
    QByteArray truncated = test::Bitmap24Header(320, 160);
    truncated.append(1000, '\x40'); // far fewer rows than the header promises
    WriteBytes(QStringLiteral("truncated.bmp"), truncated);
    WriteBytes(QStringLiteral("giant.bmp"), test::Bitmap24Header(20000, 10000)); // header only
    WriteBytes(QStringLiteral("random.bmp"), QByteArray(5000, '\xA7'));
    form.show();
    for (const char* name : {"text.bmp", "empty.bmp", "truncated.bmp", "giant.bmp", "random.bmp"}) {
        Select(QStringLiteral("good.bmp"));
        ASSERT_TRUE(form.Button2->isEnabled());
        Select(QString::fromLatin1(name));
        EXPECT_EQ(form.Label4->text(), QStringLiteral(" ")) << name;
        EXPECT_FALSE(form.Button2->isEnabled()) << name;
        EXPECT_EQ(PreviewPixel(180, 90), QColor(Qt::black)) << name;
    }
}

TEST_F(LoadSkinFormTest, ConfirmedSkinRewritesTheStrip) {
    WritePicture(QStringLiteral("skin.bmp"), 160, 80);
    QSignalSpy changed(&skin, &TCurrentSkin::Changed);
    ASSERT_TRUE(ChangeSkinAnswering([this] {
        Select(QStringLiteral("skin.bmp"));
        form.Button2->click();
    }));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(Tiles().TileSize, 40);
    // Strip places 0..6: floor, goal, box, box on goal, keeper, keeper on goal, wall.
    const int fileOrder[] = {0, 4, 2, 6, 1, 5, 3};
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(Strip().Image.pixelColor(60 * k + 30, 30), test::FileOrderColours[fileOrder[k]])
            << k;
    }
    EXPECT_EQ(Strip().Image.size(), QSize(420, 60));
}

TEST_F(LoadSkinFormTest, CancelChangesNothing) {
    WritePicture(QStringLiteral("skin.bmp"), 160, 80);
    const QImage before = Strip().Image;
    QSignalSpy changed(&skin, &TCurrentSkin::Changed);
    EXPECT_FALSE(ChangeSkinAnswering([this] {
        Select(QStringLiteral("skin.bmp"));
        form.Button1->click();
    }));
    EXPECT_FALSE(ChangeSkinAnswering([this] { form.close(); }));
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(Strip().Image, before);
    EXPECT_EQ(Tiles().TileSize, SkinStrip::TileSize);
}

TEST_F(LoadSkinFormTest, DoubleClickConfirmsEvenARefusedFileWhichGivesTheDrawnSkin) {
    WritePicture(QStringLiteral("good.bmp"), 320, 160);
    WritePicture(QStringLiteral("odd.bmp"), 322, 161);
    ASSERT_TRUE(ChangeSkinAnswering([this] {
        Select(QStringLiteral("good.bmp"));
        form.Button2->click();
    }));
    EXPECT_EQ(Tiles().TileSize, 80);
    ASSERT_TRUE(ChangeSkinAnswering([this] {
        Select(QStringLiteral("odd.bmp"));
        QListWidgetItem* item = form.ListBox1->currentItem();
        emit form.ListBox1->itemDoubleClicked(item);
    }));
    EXPECT_EQ(Tiles().TileSize, DrawnSkinTileSize);
    SkinTiles drawn;
    BuildDrawnSkin(drawn);
    SkinStrip expected;
    RewriteSkinStrip(drawn, expected);
    EXPECT_EQ(Strip().Image, expected.Image);
}

TEST_F(LoadSkinFormTest, RunLengthCompressedSkinsAreChosenLikeAnyOther) {
    WriteBytes(QStringLiteral("rle8.bmp"), test::RunLengthBitmap(test::SyntheticSkin(20), 8));
    WriteBytes(QStringLiteral("rle4.bmp"), test::RunLengthBitmap(test::SyntheticSkin(30), 4));
    ASSERT_TRUE(ChangeSkinAnswering([this] {
        Select(QStringLiteral("rle8.bmp"));
        EXPECT_EQ(form.Label4->text(), QStringLiteral("元格尺寸: 20像素"));
        EXPECT_TRUE(form.Button2->isEnabled());
        EXPECT_EQ(PreviewPixel(20, 20), test::FileOrderColours[0]);
        Select(QStringLiteral("rle4.bmp"));
        emit form.ListBox1->itemDoubleClicked(form.ListBox1->currentItem());
    }));
    EXPECT_EQ(Tiles().TileSize, 30);
    EXPECT_EQ(Strip().Image.pixelColor(60 * 2 + 30, 30), test::FileOrderColours[2]); // the box
}

TEST_F(LoadSkinFormTest, AFileThatVanishedGivesTheDrawnSkin) {
    WritePicture(QStringLiteral("gone.bmp"), 320, 160);
    ASSERT_TRUE(ChangeSkinAnswering([this] {
        Select(QStringLiteral("gone.bmp"));
        QFile::remove(dir.filePath(QStringLiteral("gone.bmp")));
        form.Button2->click();
    }));
    EXPECT_EQ(Tiles().TileSize, DrawnSkinTileSize);
}

} // namespace
} // namespace lodrin
