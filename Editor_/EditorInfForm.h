#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lodrin {

// The level-info dialog: edits the title, author and comment of the current
// level and remembers whether the user changed any of them.
class TEditorInfForm_ : public QDialog {
    Q_OBJECT
public:
    explicit TEditorInfForm_(QWidget* parent);

    // Puts the three texts into the fields and clears the changed flag.
    void Fill(const QString& title, const QString& author, const QString& comment);
    // Whether a field changed since Fill (cleared again by the cancel button).
    bool Changed() const { return Changed_; }
    // The comment as typed, with CR LF between its lines.
    QString CommentText() const;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPlainTextEdit* Memo1;
    QPushButton* Button1;
    QPushButton* Button2;

private:
    void FieldChanged() { Changed_ = true; }
    void Button2Click();

    bool Changed_ = false;
};

} // namespace lodrin
