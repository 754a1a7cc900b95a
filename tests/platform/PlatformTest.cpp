// The platform seams: the fixed message boxes, the file filter in Qt's form,
// the UI font, and the scripted answers tests rely on.

#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/ScriptedPlatform.h"
#include "platform/UiFont.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace lodrin {
namespace {

TEST(MessageBoxesTest, EachKindHasItsCaptionIconAndButtons) {
    const struct {
        MessageKind kind;
        const char* caption;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    } kinds[] = {
        {MessageKind::Warning, "警告", QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel},
        {MessageKind::Error, "错误", QMessageBox::Critical, QMessageBox::Ok},
        {MessageKind::Information, "信息", QMessageBox::Information, QMessageBox::Ok},
        {MessageKind::Question, "提醒", QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
    };
    for (const auto& k : kinds) {
        const auto box = MakeMessageBox(nullptr, k.kind, QStringLiteral("text"));
        EXPECT_EQ(box->windowTitle(), QString::fromUtf8(k.caption));
        EXPECT_EQ(MessageCaption(k.kind), QString::fromUtf8(k.caption));
        EXPECT_EQ(box->icon(), k.icon);
        EXPECT_EQ(box->standardButtons(), k.buttons);
        EXPECT_EQ(box->text(), QStringLiteral("text"));
    }
}

TEST(FileDialogsTest, FiltersTurnIntoQtsForm) {
    EXPECT_EQ(QtFileFilter(QStringLiteral("关卡文档(*.xsb;*.txt)|*.xsb;*.txt")),
              QStringLiteral("关卡文档(*.xsb;*.txt) (*.xsb *.txt)"));
    EXPECT_EQ(QtFileFilter(QStringLiteral("Pictures|*.png;*.jpg|All|*.*")),
              QStringLiteral("Pictures (*.png *.jpg);;All (*.*)"));
    EXPECT_EQ(QtFileFilter(QString()), QString());
    EXPECT_EQ(QtFileFilter(QStringLiteral("dangling")), QString());
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
    EXPECT_EQ(platform.Files.Filters.size(), 3);

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
    EXPECT_TRUE(seams.Screen.GrabPrimaryScreen().isNull());
}

TEST(SteadyClockTest, NeverGoesBack) {
    TSteadyClock clock;
    const std::int64_t first = clock.NowMs();
    EXPECT_GE(clock.NowMs(), first);
}

} // namespace
} // namespace lodrin
