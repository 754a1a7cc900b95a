#pragma once

#include "ImportSolution/DateModule.h"
#include "ImportSolution/ImportStart.h"
#include "ImportSolution/LoadMapThread.h"

#include <QWidget>

#include <atomic>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace lodrin {

// The importer's window: choose a source store, start an import, watch it, stop it,
// read its report.
class TImportForm : public QWidget {
    Q_OBJECT
public:
    // The stores are looked for in programFolder (the folder the program keeps them in);
    // the old store opens through `data`.
    TImportForm(TDataModule1& data, const QString& programFolder, QWidget* parent = nullptr);
    ~TImportForm() override;

    // Sets the captions, the paths and the key preview.
    void FormCreate();
    // "导入": prepares the store, opens the source and starts a worker (ignored while a
    // run lasts).
    void Button1Click();
    // "中止": asks a running worker to stop before its next row.
    void Button2Click();
    // Esc (key code 27) acts as "中止".
    void FormKeyUp(int key);
    // Either radio button: empties the memo.
    void RadioButton1Click();
    // Stops the worker and waits for it.
    void FormClose();
    // Says which folder holds the stores, for a program that keeps them elsewhere than
    // in its own folder: in the caption, and in the memo until it shows something else.
    void ShowStoreFolder();

    // Whether a run has started and not yet reported its end.
    bool IsRunning() const { return Running_; }
    // The solution store's path.
    const ImportPaths& Paths() const { return Paths_; }

    QLabel* Label1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QPlainTextEdit* Memo1;
    QProgressBar* ProgressBar1;
    QPushButton* Button2;
    QPushButton* Button1;

    // Shared with the worker: set to stop the run.
    std::atomic<bool> StopRequested{false};

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowMessage(const QString& text);
    void ShowRunning();
    void RunFinished(const QString& text);
    void SetMaximum(int maximum);

    TDataModule1& Data_;
    QString ProgramFolder_;
    ImportPaths Paths_;
    bool Running_ = false;
    std::unique_ptr<TLoadMapThread> Worker_; // after Data_: gone before the old store closes
};

} // namespace lodrin
