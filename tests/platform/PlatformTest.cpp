// The platform seams: the fixed message boxes, Qt's Chinese texts on their
// buttons and in the file dialogs, the file filter in Qt's form, the UI font,
// and the scripted answers tests rely on.

#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/QtTranslation.h"
#include "platform/ScriptedPlatform.h"
#include "platform/UiFont.h"
#include "support/ModalAnswer.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace lodrin {
namespace {

// Each kind of box with its caption, icon and buttons; the buttons speak
// Chinese through Qt's translation, which the test program installs as the
// programs do.
TEST(MessageBoxesTest, EachKindHasItsCaptionIconAndChineseButtons) {
    const struct {
        MessageKind kind;
        const char* caption;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        std::vector<const char*> texts; // of the buttons in the order above
    } kinds[] = {
        {MessageKind::Warning,
         "警告",
         QMessageBox::Warning,
         QMessageBox::Ok | QMessageBox::Cancel,
         {"确定", "取消"}},
        {MessageKind::Error, "错误", QMessageBox::Critical, QMessageBox::Ok, {"确定"}},
        {MessageKind::Information, "信息", QMessageBox::Information, QMessageBox::Ok, {"确定"}},
        {MessageKind::Question,
         "提醒",
         QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         {"是(&Y)", "否(&N)", "取消"}},
        {MessageKind::Choice,
         "警告",
         QMessageBox::Warning,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         {"是(&Y)", "否(&N)", "取消"}},
        {MessageKind::Reminder,
         "提醒",
         QMessageBox::Information,
         QMessageBox::Ok | QMessageBox::Cancel,
         {"确定", "取消"}},
    };
    const QMessageBox::StandardButton order[] = {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No,
                                                 QMessageBox::Cancel};
    for (const auto& k : kinds) {
        const auto box = MakeMessageBox(nullptr, k.kind, QStringLiteral("text"));
        EXPECT_EQ(box->windowTitle(), QString::fromUtf8(k.caption));
        EXPECT_EQ(MessageCaption(k.kind), QString::fromUtf8(k.caption));
        EXPECT_EQ(box->icon(), k.icon);
        EXPECT_EQ(box->standardButtons(), k.buttons);
        EXPECT_EQ(box->text(), QStringLiteral("text"));
        QStringList texts;
        for (const QMessageBox::StandardButton button : order) {
            if (k.buttons.testFlag(button)) {
                texts << box->button(button)->text();
            }
        }
        QStringList expected;
        for (const char* text : k.texts) {
            expected << QString::fromUtf8(text);
        }
        EXPECT_EQ(texts, expected) << k.caption;
    }
}

// The save dialog shows its labels in Chinese and the level filter once.
TEST(FileDialogsTest, TheSaveDialogSpeaksChineseAndShowsTheFilterOnce) {
    QString title, lookIn, fileName, fileType;
    QStringList filters;
    test::WhenModalShown([&](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        lookIn = dialog->findChild<QLabel*>(QStringLiteral("lookInLabel"))->text();
        fileName = dialog->findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text();
        fileType = dialog->findChild<QLabel*>(QStringLiteral("fileTypeLabel"))->text();
        const QComboBox* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; i < types->count(); ++i) {
            filters << types->itemText(i);
        }
        static_cast<QDialog*>(dialog)->reject();
    });
    TQtFileDialogs dialogs;
    EXPECT_FALSE(
        dialogs.SaveFileName(nullptr, QStringLiteral("关卡文档(*.xsb;*.txt)|*.xsb;*.txt")));
    EXPECT_EQ(title, QStringLiteral("另存为"));
    EXPECT_EQ(lookIn, QStringLiteral("查找范围："));
    EXPECT_EQ(fileName, QStringLiteral("文件名称(&N)："));
    EXPECT_EQ(fileType, QStringLiteral("文件类型："));
    EXPECT_EQ(filters, QStringList{QStringLiteral("关卡文档 (*.xsb *.txt)")});
}

// Without the translation's file, or with a damaged one, nothing is installed and
// the programs start with Qt's English texts.
TEST(QtTranslationTest, AMissingOrDamagedFileInstallsNothing) {
    QTemporaryDir damaged;
    QFile file(damaged.filePath(QStringLiteral("qtbase_zh_CN.qm")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a translation");
    file.close();
    for (const QStringList& folders :
         {QStringList{}, QStringList{QString()},
          QStringList{damaged.filePath(QStringLiteral("none"))}, QStringList{damaged.path()}}) {
        const TQtTranslation translation(folders);
        EXPECT_FALSE(translation.Loaded()) << folders.join(QLatin1Char(',')).toStdString();
    }
    const TQtTranslation installed;
    EXPECT_TRUE(installed.Loaded()) << "qt6-translations-l10n is not installed";
}

TEST(FileDialogsTest, FiltersTurnIntoQtsForm) {
    EXPECT_EQ(QtFileFilter(QStringLiteral("关卡文档(*.xsb;*.txt)|*.xsb;*.txt")),
              QStringLiteral("关卡文档 (*.xsb *.txt)"));
    EXPECT_EQ(QtFileFilter(QStringLiteral("Pictures|*.png;*.jpg|All|*.*")),
              QStringLiteral("Pictures (*.png *.jpg);;All (*.*)"));
    EXPECT_EQ(QtFileFilter(QStringLiteral("Levels (*.xsb) |*.xsb|Notes (old)|*.txt")),
              QStringLiteral("Levels (*.xsb);;Notes (old) (*.txt)"));
    EXPECT_EQ(QtFileFilter(QString()), QString());
    EXPECT_EQ(QtFileFilter(QStringLiteral("dangling")), QString());
}

TEST(FileDialogsTest, OpenDialogOffersTheRecentFilesAboveItsFolderView) {
    test::TempDir dir;
    QStringList files;
    for (const char* name : {"a.xsb", "b.xsb"}) {
        std::ofstream(dir.Path() / name) << "#";
        files << QString::fromStdString((dir.Path() / name).string());
    }
    TQtFileDialogs dialogs;
    test::WhenModalShown([&files](QWidget* dialog) {
        auto* recent = dialog->findChild<QListWidget*>(QStringLiteral("RecentFiles"));
        ASSERT_NE(recent, nullptr);
        ASSERT_EQ(recent->count(), 2);
        EXPECT_TRUE(recent->item(0)->text().startsWith(QStringLiteral("b.xsb")));
        auto* view = dialog->findChild<QFileDialog*>();
        ASSERT_NE(view, nullptr);
        EXPECT_FALSE(view->isWindow()); // part of the dialog, not a window of its own
        EXPECT_EQ(view->selectedFiles(), QStringList{files[0]});
        recent->setCurrentRow(1);
        QTest::keyClick(recent, Qt::Key_Return);
    });
    const QString filter = QStringLiteral("Levels|*.xsb");
    EXPECT_EQ(dialogs.OpenFileNameFrom(nullptr, filter, {files[0], {files[1], files[0]}}),
              files[0]);
    test::WhenModalShown([](QWidget* dialog) {
        EXPECT_EQ(dialog->findChild<QListWidget*>(QStringLiteral("RecentFiles")), nullptr);
        dialog->findChild<QFileDialog*>()->reject();
    });
    EXPECT_FALSE(dialogs.OpenFileNameFrom(nullptr, filter, {files[1], {}}).has_value());
    test::WhenModalShown([&files](QWidget* dialog) {
        auto* view = dialog->findChild<QFileDialog*>();
        view->selectFile(files[1]);
        static_cast<QDialog*>(view)->accept(); // what its Open button does
    });
    EXPECT_EQ(dialogs.OpenFileNameFrom(nullptr, filter, {}), files[1]);
}

TEST(UiFontTest, PicksAnInstalledFamilyAtThePixelSize) {
    const QString family = UiFontFamily();
    EXPECT_FALSE(family.isEmpty());
    if (QFontDatabase::families().contains(QStringLiteral("WenQuanYi Micro Hei")) &&
        !QFontDatabase::families().contains(QStringLiteral("Microsoft YaHei"))) {
        EXPECT_EQ(family, QStringLiteral("WenQuanYi Micro Hei"));
    }
    const QFont font = UiFont(15);
    EXPECT_EQ(font.pixelSize(), 15);
    EXPECT_EQ(font.family(), family);
}

TEST(ScriptedPlatformTest, AnswersInOrderThenTheSafeDefaults) {
    TScriptedPlatform platform;
    PlatformSeams seams = platform.Seams();
    platform.Messages.Answer({MessageAnswer::Cancel, MessageAnswer::Yes});
    EXPECT_FALSE(seams.Messages.Warning(nullptr, QStringLiteral("w")));
    EXPECT_EQ(seams.Messages.Question(nullptr, QStringLiteral("q")), MessageAnswer::Yes);
    EXPECT_TRUE(seams.Messages.Warning(nullptr, QStringLiteral("w2")));
    EXPECT_EQ(seams.Messages.Question(nullptr, QStringLiteral("q2")), MessageAnswer::Cancel);
    ASSERT_EQ(platform.Messages.Shown.size(), 4u);
    EXPECT_EQ(platform.Messages.Shown[1].Kind, MessageKind::Question);
    EXPECT_EQ(platform.Messages.Shown[1].Text, QStringLiteral("q"));

    platform.Files.Names = {QStringLiteral("a.xsb"), QString()};
    EXPECT_EQ(seams.Files.SaveFileName(nullptr, QStringLiteral("f")), QStringLiteral("a.xsb"));
    EXPECT_FALSE(seams.Files.SaveFileName(nullptr, QStringLiteral("f")).has_value());
    EXPECT_FALSE(seams.Files.OpenFileName(nullptr, QStringLiteral("g")).has_value());
    EXPECT_FALSE(
        seams.Files.OpenFileNameFrom(nullptr, QStringLiteral("h"), {QStringLiteral("p"), {}})
            .has_value());
    EXPECT_EQ(platform.Files.Filters.size(), 4);
    ASSERT_EQ(platform.Files.Starts.size(), 1u);
    EXPECT_EQ(platform.Files.Starts[0].Path, QStringLiteral("p"));

    platform.Modifiers.Modifiers = Qt::ControlModifier;
    EXPECT_TRUE(seams.Modifiers.CtrlDown());
    EXPECT_FALSE(seams.Modifiers.ShiftDown());
    platform.Clock.Advance(300);
    EXPECT_EQ(seams.Clock.NowMs(), 300);
    // A pause lets the window's pending events run and moves the clock on.
    bool ran = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { ran = true; }, Qt::QueuedConnection);
    seams.Clock.Pause(10);
    EXPECT_TRUE(ran);
    EXPECT_EQ(seams.Clock.NowMs(), 310);
    EXPECT_EQ(platform.Clock.Pauses, (std::vector<int>{10}));
    EXPECT_FALSE(seams.Screen.CaptureScreen().Ok());
    EXPECT_EQ(platform.Screen.Captures, 1);
}

TEST(SteadyClockTest, NeverGoesBack) {
    TSteadyClock clock;
    const std::int64_t first = clock.NowMs();
    EXPECT_GE(clock.NowMs(), first);
}

} // namespace
} // namespace lodrin
