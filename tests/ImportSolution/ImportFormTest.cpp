#include "ImportSolution/ImportForm.h"
#include "ImportSolution/ImportMessages.h"
#include "ImportSolution/ImportRun.h"
#include "ImportSolution/OldStoreFiles.h"
#include "support/MobileStoreFixture.h"
#include "support/SharedData.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

namespace lodrin {
namespace {

// Guards the waits for the worker; a run that needs it has failed.
constexpr int FailureGuardMs = 60000;

// A file that begins as a Jet database does, for the readers that do not read it.
void WriteJetSignatureFile(const std::string& path) {
    std::string bytes("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    bytes.resize(4096, '\0');
    test::WriteFileBytes(path, bytes);
}

// Counts of a report text, as the window shows it.
ImportCounters ParseReport(const std::string& text) {
    const std::regex pattern(
        "已处理的答案总数：(\\d+)\n成功导入数：(\\d+)\n因重复未导入数：(\\d+)\n无效答案数：(\\d+)");
    std::smatch m;
    if (!std::regex_match(text, m, pattern)) {
        ADD_FAILURE() << "not a report: " << text;
        return {};
    }
    return {std::stoll(m[1]), std::stoll(m[2]), std::stoll(m[3])};
}

class ImportFormTest : public testing::Test {
protected:
    test::TempDir Dir{"程序 folder"};
    std::unique_ptr<TDataModule1> Data;
    std::unique_ptr<TImportForm> Form;

    void SetUp() override { MakeForm(Dir.Folder()); }
    void MakeForm(const std::string& folder,
                  const OldStoreReaderCommand& reader = test::RealOldStoreReader()) {
        Form.reset();
        Data = std::make_unique<TDataModule1>(reader);
        Form = std::make_unique<TImportForm>(*Data, QString::fromStdString(folder));
        Form->show();
    }
    // A window whose old-store runs start the given reader, "Lodrin.dat" in place.
    void UseOldStoreReader(const OldStoreReaderCommand& reader) {
        MakeForm(Dir.Folder(), reader);
        WriteJetSignatureFile(Form->Paths().OldStore());
        Form->RadioButton2->setChecked(true);
    }
    // The process id the hanging readers leave beside the old store.
    pid_t ReaderPid() const {
        const std::string pid = test::ReadFileBytes(Form->Paths().OldStore() + ".pid");
        return pid.empty() ? -1 : std::stoi(pid);
    }
    std::string MemoText() const { return Form->Memo1->toPlainText().toStdString(); }
    bool WaitForEnd() {
        return QTest::qWaitFor([&] { return !Form->IsRunning(); }, FailureGuardMs);
    }
    bool WaitForProgress(int value) {
        return QTest::qWaitFor([&] { return Form->ProgressBar1->value() >= value; },
                               FailureGuardMs);
    }
    std::int64_t StoreRows() const { return test::StoreRowCount(Form->Paths().Store()); }
};

TEST_F(ImportFormTest, StartsWithItsLayoutCaptionsAndFont) {
    EXPECT_EQ(Form->windowTitle(), "导入答案");
    EXPECT_EQ(Form->size(), QSize(370, 185));
    EXPECT_EQ(Form->minimumSize(), Form->maximumSize()) << "not resizable";
    struct Place {
        QWidget* Control;
        const char* Name;
        QRect Geometry;
    };
    const Place places[] = {
        {Form->Label1, "Label1", {8, 4, 39, 19}},
        {Form->RadioButton1, "RadioButton1", {48, 8, 313, 17}},
        {Form->RadioButton2, "RadioButton2", {48, 32, 313, 17}},
        {Form->Memo1, "Memo1", {24, 64, 329, 73}},
        {Form->ProgressBar1, "ProgressBar1", {8, 80, 353, 25}},
        {Form->Button2, "Button2", {144, 152, 75, 25}},
        {Form->Button1, "Button1", {272, 152, 75, 25}},
    };
    for (const Place& p : places) {
        EXPECT_EQ(p.Control->objectName(), p.Name);
        EXPECT_EQ(p.Control->geometry(), p.Geometry) << p.Name;
        EXPECT_EQ(Form->findChild<QWidget*>(p.Name), p.Control);
    }
    EXPECT_EQ(Form->Label1->text(), "选择:");
    EXPECT_EQ(Form->RadioButton1->text(), "从手机版《Quarvo》答案库导入");
    EXPECT_EQ(Form->RadioButton2->text(), "从旧版《Lodrin》答案库导入");
    EXPECT_EQ(Form->Button2->text(), "中止");
    EXPECT_EQ(Form->Button1->text(), "导入");
    EXPECT_TRUE(Form->RadioButton1->isChecked());
    EXPECT_TRUE(Form->Memo1->isVisible());
    EXPECT_TRUE(Form->Memo1->isReadOnly());
    EXPECT_EQ(Form->Memo1->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(MemoText(), "");
    EXPECT_FALSE(Form->ProgressBar1->isVisible());
    EXPECT_EQ(Form->font().pixelSize(), 13);
    EXPECT_EQ(Form->Memo1->font().pixelSize(), 12);
    EXPECT_EQ(Form->Memo1->palette().color(QPalette::Base),
              Form->palette().color(QPalette::Window));
    const QStringList families = QFontDatabase::families();
    if (families.contains("WenQuanYi Micro Hei") && !families.contains("Microsoft YaHei")) {
        EXPECT_EQ(QFontInfo(Form->font()).family(), "WenQuanYi Micro Hei");
    }
}

TEST_F(ImportFormTest, ImportShowsTheProgressBarThenTheReport) {
    test::WriteMobileStore(
        Form->Paths().MobileStore(),
        {{"#####\n#@@$.#\n#####", "r"}, {test::SmallLevel, "ulR"}, {test::SmallLevel, "ulR"}});
    QTest::mouseClick(Form->Button1, Qt::LeftButton);
    EXPECT_TRUE(Form->IsRunning());
    EXPECT_TRUE(Form->ProgressBar1->isVisible());
    EXPECT_FALSE(Form->Memo1->isVisible());
    EXPECT_FALSE(Form->Button1->isEnabled()) << "no second start while a run lasts";
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(MemoText(), ReportText({3, 1, 1}));
    EXPECT_TRUE(Form->Memo1->isVisible());
    EXPECT_FALSE(Form->ProgressBar1->isVisible());
    EXPECT_TRUE(Form->Button1->isEnabled());
    EXPECT_EQ(Form->ProgressBar1->maximum(), 3);
    EXPECT_EQ(Form->ProgressBar1->value(), 3);
}

TEST_F(ImportFormTest, ProgressRisesToTheRowCount) {
    std::vector<test::GStateRow> rows;
    for (int i = 0; i < 3000; ++i) {
        rows.push_back({test::SmallLevel, "u" + std::to_string(i)});
    }
    test::WriteMobileStore(Form->Paths().MobileStore(), rows);
    QSignalSpy values(Form->ProgressBar1, &QProgressBar::valueChanged);
    Form->Button1Click();
    ASSERT_TRUE(WaitForEnd());
    ASSERT_GE(values.count(), 2);
    int last = -1;
    for (const QList<QVariant>& value : values) {
        EXPECT_GE(value.at(0).toInt(), last);
        last = value.at(0).toInt();
    }
    EXPECT_EQ(last, 3000);
    EXPECT_EQ(ParseReport(MemoText()).Imported, 3000);
}

// The stop tests run with a reader that sends two rows and then waits for ever: the run
// is still going when the stop arrives, however fast the machine.
TEST_F(ImportFormTest, EscStopsTheRunAndKeepsTheRows) {
    UseOldStoreReader(test::FakeOldStoreReader("hang-after"));
    Form->Button1Click();
    ASSERT_TRUE(WaitForProgress(2));
    QTest::keyRelease(Form->Button2, Qt::Key_Escape); // at a control: the window sees it first
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(MemoText(), ReportText({2, 2, 0}));
    EXPECT_EQ(StoreRows(), 2);
    EXPECT_EQ(kill(ReaderPid(), 0), -1) << "the reader child is gone";
}

TEST_F(ImportFormTest, StopBeforeAnyRunDoesNothingAndTheNextStartClearsIt) {
    QTest::keyRelease(Form.get(), Qt::Key_Escape);
    QTest::mouseClick(Form->Button2, Qt::LeftButton);
    EXPECT_FALSE(Form->StopRequested);
    test::WriteMobileStore(Form->Paths().MobileStore(), {{test::SmallLevel, "ulR"}});
    Form->Button1Click();
    ASSERT_TRUE(WaitForEnd());
    Form->Button2Click(); // after a finished run: only the flag
    EXPECT_TRUE(Form->StopRequested);
    Form->Button1Click();
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(MemoText(), ReportText({1, 0, 1})) << "the second run was not stopped";
}

TEST_F(ImportFormTest, ImportDuringARunIsIgnored) {
    UseOldStoreReader(test::FakeOldStoreReader("hang-after"));
    Form->Button1Click();
    Form->Button1Click();
    ASSERT_TRUE(WaitForProgress(2));
    Form->Button1Click();
    Form->Button2Click();
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(MemoText(), ReportText({2, 2, 0})) << "no second run went over the same rows";
    EXPECT_EQ(StoreRows(), 2);
}

TEST_F(ImportFormTest, ClosingDuringARunWaitsAndKeepsTheRows) {
    UseOldStoreReader(test::FakeOldStoreReader("hang-after"));
    Form->Button1Click();
    ASSERT_TRUE(WaitForProgress(2));
    ASSERT_TRUE(Form->IsRunning());
    Form->close(); // returns once the worker has committed and ended
    EXPECT_EQ(StoreRows(), 2);
    EXPECT_EQ(kill(ReaderPid(), 0), -1) << "the reader child is gone";
    QCoreApplication::processEvents(); // the report the worker sent before it ended
    EXPECT_EQ(MemoText(), ReportText({2, 2, 0}));
    SQLite::Database db(Form->Paths().Store(), SQLite::OPEN_READONLY);
    EXPECT_EQ(db.execAndGet("PRAGMA integrity_check").getString(), "ok");
}

TEST_F(ImportFormTest, EscAndClosingWorkWhileTheReaderHangsBeforeItsFirstRow) {
    UseOldStoreReader(test::FakeOldStoreReader("hang"));
    Form->Button1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ReaderPid() > 0; }, FailureGuardMs));
    QTest::keyRelease(Form.get(), Qt::Key_Escape);
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(MemoText(), ReportText({0, 0, 0}));
    EXPECT_EQ(kill(ReaderPid(), 0), -1);

    std::filesystem::remove(Form->Paths().OldStore() + ".pid");
    Form->Button1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ReaderPid() > 0; }, FailureGuardMs));
    Form->close();
    EXPECT_EQ(kill(ReaderPid(), 0), -1);
}

TEST_F(ImportFormTest, ReaderThatCrashesOrStallsEndsTheRunWithTheMessage) {
    OldStoreReaderCommand stalled = test::FakeOldStoreReader("hang");
    auto now = std::make_shared<std::atomic<std::int64_t>>(0);
    stalled.Clock = [now] { return *now += ReaderLimits{}.StallMs + 1; };
    const std::pair<OldStoreReaderCommand, std::string_view> cases[] = {
        {test::FakeOldStoreReader("crash"), OldStoreOpenFailedText},
        {stalled, OldStoreOpenFailedText},
        {test::FakeOldStoreReader("garbage"), OldStoreOpenFailedText},
        {test::FakeOldStoreReader("crash-after"), ImportFailedText},
    };
    for (const auto& [reader, text] : cases) {
        UseOldStoreReader(reader);
        Form->Button1Click();
        ASSERT_TRUE(WaitForEnd());
        EXPECT_EQ(MemoText(), text) << reader.Program[1];
        EXPECT_TRUE(Form->Memo1->isVisible());
        EXPECT_FALSE(Form->ProgressBar1->isVisible());
        std::filesystem::remove(Form->Paths().Store());
    }
}

TEST_F(ImportFormTest, WhatTheReaderPrintsDoesNotReachTheWindow) {
    const std::filesystem::path fixture = test::OldFixture("old_store.mdb");
    LODRIN_REQUIRE_SHARED(fixture);
    MakeForm(Dir.Folder(), test::FakeOldStoreReader("print"));
    std::filesystem::create_symlink(fixture, Form->Paths().OldStore());
    Form->RadioButton2->setChecked(true);
    Form->Button1Click();
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(MemoText(), ReportText({7, 6, 1}));
}

TEST_F(ImportFormTest, DamagedOldStoreEndsWithTheMessage) {
    LODRIN_REQUIRE_SHARED(test::OldFixture("old_store.mdb"));
    test::WriteFileBytes(Form->Paths().OldStore(), test::DamagedOldStoreBytes());
    Form->RadioButton2->setChecked(true);
    Form->Button1Click();
    EXPECT_TRUE(Form->IsRunning()) << "the window is free while the reader struggles";
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(MemoText(), OldStoreOpenFailedText);
    EXPECT_EQ(StoreRows(), 0);
}

TEST_F(ImportFormTest, RadioButtonsEmptyTheMemo) {
    Form->Button1Click();
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(MemoText(), MobileStoreMissingText);
    QTest::mouseClick(Form->RadioButton2, Qt::LeftButton);
    EXPECT_TRUE(Form->RadioButton2->isChecked());
    EXPECT_EQ(MemoText(), "");
    Form->Memo1->setPlainText("old report");
    QTest::mouseClick(Form->RadioButton1, Qt::LeftButton);
    EXPECT_EQ(MemoText(), "");
}

TEST_F(ImportFormTest, StoreFolderElsewhereIsNamedInTheCaptionAndTheMemo) {
    const std::string folder = Dir.Folder() + "数据 data";
    MakeForm(folder);
    Form->ShowStoreFolder();
    EXPECT_EQ(Form->windowTitle().toStdString(), "导入答案 - " + folder);
    EXPECT_EQ(MemoText(), "答案库目录：\n" + folder);
    EXPECT_EQ(Form->Paths().Store(), folder + "/Lodrin.db");
    QTest::mouseClick(Form->Button1, Qt::LeftButton); // the folder does not exist
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(MemoText(), std::string(StoreCreateFailedText) + "\n" + folder + "/Lodrin.db");
    EXPECT_EQ(Form->windowTitle().toStdString(), "导入答案 - " + folder) << "the caption stays";
}

TEST_F(ImportFormTest, OldStoreMissingOrBrokenIsSaidAtOnce) {
    Form->RadioButton2->setChecked(true);
    Form->Button1Click();
    EXPECT_FALSE(Form->IsRunning());
    EXPECT_EQ(MemoText(), OldStoreMissingText);
    EXPECT_TRUE(Form->Memo1->isVisible());
    EXPECT_FALSE(Form->ProgressBar1->isVisible());
    EXPECT_TRUE(SQLite::Database(Form->Paths().Store()).tableExists("Tab_Solution"));
    std::ofstream(Form->Paths().OldStore()) << "no Access file";
    Form->Button1Click();
    EXPECT_EQ(MemoText(), OldStoreOpenFailedText);
}

TEST_F(ImportFormTest, OldStoreRunReportsItsCounts) {
    const std::filesystem::path fixture = test::SharedDir() / "fixtures" / "old_store.mdb";
    LODRIN_REQUIRE_SHARED(fixture);
    std::filesystem::create_symlink(fixture, Form->Paths().OldStore());
    Form->RadioButton2->setChecked(true);
    Form->Button1Click();
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(MemoText(), ReportText({7, 6, 1}));
    Form->Button1Click(); // the data module reopens the store for the second run
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(MemoText(), ReportText({7, 0, 7}));
}

TEST_F(ImportFormTest, StoreThatCannotBeCreatedIsNamed) {
    const std::string file = Dir.Folder() + "plain.txt";
    std::ofstream(file) << "x";
    MakeForm(file);
    Form->Button1Click();
    EXPECT_FALSE(Form->IsRunning());
    EXPECT_EQ(MemoText(), "新版的答案库文档创建失败：\n" + file + "/Lodrin.db");
}

} // namespace
} // namespace lodrin
