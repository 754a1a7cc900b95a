#include "ImportSolution/ImportForm.h"

#include "platform/PlacedChild.h"
#include "platform/UiFont.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>

namespace lodrin {
namespace {

constexpr int EscapeKey = 27;

} // namespace

TImportForm::TImportForm(TDataModule1& data, const QString& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), Data_(data),
      ProgramFolder_(programFolder) {
    setObjectName(QStringLiteral("ImportForm"));
    setFont(UiFont(13));
    setFixedSize(370, 185);
    Label1 = PlacedChild<QLabel>(this, "Label1", QRect(8, 4, 39, 19));
    RadioButton1 = PlacedChild<QRadioButton>(this, "RadioButton1", QRect(48, 8, 313, 17));
    RadioButton2 = PlacedChild<QRadioButton>(this, "RadioButton2", QRect(48, 32, 313, 17));
    Memo1 = PlacedChild<QPlainTextEdit>(this, "Memo1", QRect(24, 64, 329, 73));
    ProgressBar1 = PlacedChild<QProgressBar>(this, "ProgressBar1", QRect(8, 80, 353, 25));
    Button2 = PlacedChild<QPushButton>(this, "Button2", QRect(144, 152, 75, 25));
    Button1 = PlacedChild<QPushButton>(this, "Button1", QRect(272, 152, 75, 25));
    connect(Button1, &QPushButton::clicked, this, &TImportForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TImportForm::Button2Click);
    connect(RadioButton1, &QRadioButton::clicked, this, &TImportForm::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TImportForm::RadioButton1Click);
    FormCreate();
}

TImportForm::~TImportForm() {
    FormClose();
}

void TImportForm::FormCreate() {
    setWindowTitle(QStringLiteral("导入答案"));
    Label1->setText(QStringLiteral("选择:"));
    RadioButton1->setText(QStringLiteral("从手机版《Quarvo》答案库导入"));
    RadioButton2->setText(QStringLiteral("从旧版《Lodrin》答案库导入"));
    RadioButton1->setChecked(true);
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setFont(UiFont(12));
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    Memo1->setPalette(palette);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    Button2->setText(QStringLiteral("中止"));
    Button1->setText(QStringLiteral("导入"));
    Paths_ = ImportPaths::In(ProgramFolder_.toStdString());
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this); // the window sees every key before its controls
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TImportForm::Button1Click() {
    if (Running_) {
        return;
    }
    Worker_.reset(); // the finished worker's source must go before the old store reopens
    const ImportSource kind = RadioButton2->isChecked() ? ImportSource::Old : ImportSource::Mobile;
    ImportStart start = StartImport(Paths_, kind, Data_);
    if (!start.Message.empty()) {
        ShowMessage(QString::fromStdString(start.Message));
        return;
    }
    StopRequested = false;
    ShowRunning();
    TLoadMapThread::Receiver receiver{this, [this](int m) { SetMaximum(m); },
                                      [this](int p) { ProgressBar1->setValue(p); },
                                      [this](const QString& text) { RunFinished(text); }};
    Worker_ = std::make_unique<TLoadMapThread>(Paths_.Store(), std::move(start.Source),
                                               StopRequested, std::move(receiver));
}

void TImportForm::Button2Click() {
    if (Worker_) {
        StopRequested = true;
    }
}

void TImportForm::FormKeyUp(int key) {
    if (key == EscapeKey) {
        Button2Click();
    }
}

void TImportForm::RadioButton1Click() {
    Memo1->clear();
}

void TImportForm::FormClose() {
    StopRequested = true;
    Worker_.reset(); // waits: the run stops before its next row and commits
}

void TImportForm::ShowStoreFolder() {
    const QString folder = QDir::toNativeSeparators(ProgramFolder_);
    setWindowTitle(QStringLiteral("导入答案 - ") + folder);
    Memo1->setPlainText(QStringLiteral("答案库目录：\n") + folder);
}

void TImportForm::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TImportForm::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) {
        FormKeyUp(event->key() == Qt::Key_Escape ? EscapeKey : event->key());
    }
    QWidget::keyReleaseEvent(event);
}

bool TImportForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            if (!key->isAutoRepeat()) {
                FormKeyUp(EscapeKey);
            }
            return true; // handled here, not again where it would bubble up
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TImportForm::ShowMessage(const QString& text) {
    Memo1->setPlainText(text);
    ProgressBar1->hide();
    Memo1->show();
}

void TImportForm::ShowRunning() {
    Running_ = true;
    Button1->setEnabled(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    Memo1->hide();
    ProgressBar1->show();
}

void TImportForm::SetMaximum(int maximum) {
    ProgressBar1->setMaximum(std::max(maximum, 1));
}

void TImportForm::RunFinished(const QString& text) {
    Running_ = false;
    Button1->setEnabled(true);
    ShowMessage(text);
}

} // namespace lodrin
