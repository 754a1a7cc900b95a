#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace lodrin {

// The help window: the fixed help text about the editor and the recognition
// window, read-only.
class TEditorHelpForm : public QDialog {
    Q_OBJECT
public:
    explicit TEditorHelpForm(QWidget* parent);

    QPlainTextEdit* Memo1;
};

} // namespace lodrin
