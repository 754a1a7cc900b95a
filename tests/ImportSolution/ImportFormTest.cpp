#include "ImportSolution/ImportForm.h"
#include "ImportSolution/ImportMessages.h"
#include "ImportSolution/ImportRun.h"
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

// A mobile store big enough that a run is still going when the test stops it.
class BigMobileStore {
public:
    static constexpr int Rows = 60000;
    BigMobileStore() {
        std::vector<test::GStateRow> rows(Rows);
        for (int i = 0; i < Rows; ++i) {
            rows[static_cast<std::size_t>(i)] = {test::SmallLevel, "ulR" + std::to_string(i), 3, 1};
        }
        test::WriteMobileStore(Path(), rows);
    }
    std::string Path() const { return Dir_.Folder() + "Lodrin_An.db"; }

private:
    test::TempDir Dir_;
};

const BigMobileStore& Big() {
    static const BigMobileStore store;
    return store;
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
    TDataModule1 Data;
    std::unique_ptr<TImportForm> Form;

    void SetUp() override { MakeForm(Dir.Folder()); }
    void MakeForm(const std::string& folder) {
        Form = std::make_unique<TImportForm>(Data, QString::fromStdString(folder));
        Form->show();
    }
    std::string MemoText() const { return Form->Memo1->toPlainText().toStdString(); }
    bool WaitForEnd() {
        return QTest::qWaitFor([&] { return !Form->IsRunning(); }, FailureGuardMs);
    }
    bool WaitForProgress() {
        return QTest::qWaitFor([&] { return Form->ProgressBar1->value() >= 1; }, FailureGuardMs);
    }
    void UseBigStore() { std::filesystem::copy_file(Big().Path(), Form->Paths().MobileStore()); }
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

TEST_F(ImportFormTest, EscStopsTheRunAndKeepsTheRows) {
    UseBigStore();
    Form->Button1Click();
    ASSERT_TRUE(WaitForProgress());
    QTest::keyRelease(Form->Button2, Qt::Key_Escape); // at a control: the window sees it first
    ASSERT_TRUE(WaitForEnd());
    const ImportCounters counters = ParseReport(MemoText());
    EXPECT_LT(counters.Processed, BigMobileStore::Rows);
    EXPECT_EQ(counters.Imported, counters.Processed);
    EXPECT_EQ(StoreRows(), counters.Imported);
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
    UseBigStore();
    Form->Button1Click();
    Form->Button1Click();
    ASSERT_TRUE(WaitForProgress());
    Form->Button1Click();
    Form->Button2Click();
    ASSERT_TRUE(WaitForEnd());
    const ImportCounters counters = ParseReport(MemoText());
    EXPECT_EQ(counters.Duplicates, 0) << "no second run went over the same rows";
    EXPECT_EQ(StoreRows(), counters.Imported);
}

TEST_F(ImportFormTest, ClosingDuringARunWaitsAndKeepsTheRows) {
    UseBigStore();
    Form->Button1Click();
    ASSERT_TRUE(WaitForProgress());
    ASSERT_TRUE(Form->IsRunning());
    Form->close(); // returns once the worker has committed and ended
    const std::int64_t rows = StoreRows();
    EXPECT_GT(rows, 0);
    EXPECT_LT(rows, BigMobileStore::Rows);
    QCoreApplication::processEvents(); // the report the worker sent before it ended
    EXPECT_EQ(ParseReport(MemoText()).Imported, rows);
    SQLite::Database db(Form->Paths().Store(), SQLite::OPEN_READONLY);
    EXPECT_EQ(db.execAndGet("PRAGMA integrity_check").getString(), "ok");
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
