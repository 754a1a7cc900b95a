#include "Editor_/EditorHelpForm.h"

#include "Editor_/HelpText.h"
#include "platform/UiFont.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace lodrin {

TEditorHelpForm::TEditorHelpForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EditorHelpForm"));
    setWindowTitle(QStringLiteral("帮助"));
    setFixedSize(648, 436);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFont(UiFont(13));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setPlainText(HelpText());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
}

} // namespace lodrin
