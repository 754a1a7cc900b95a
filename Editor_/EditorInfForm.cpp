#include "Editor_/EditorInfForm.h"

#include "platform/PlacedChild.h"
#include "platform/UiFont.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lodrin {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, int x, int y, const QString& text) {
    QLabel* label = PlacedChild<QLabel>(parent, name, QRect(x, y, 60, 28), text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

TEditorInfForm_::TEditorInfForm_(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EditorInfForm_"));
    setWindowTitle(QStringLiteral("关卡资料"));
    setFont(UiFont(15));
    setFixedSize(612, 415);
    Label1 = MakeLabel(this, "Label1", 24, 16, QStringLiteral("标题："));
    Label2 = MakeLabel(this, "Label2", 24, 56, QStringLiteral("作者："));
    Label3 = MakeLabel(this, "Label3", 24, 96, QStringLiteral("说明："));
    Edit1 = PlacedChild<QLineEdit>(this, "Edit1", QRect(88, 16, 497, 28));
    Edit2 = PlacedChild<QLineEdit>(this, "Edit2", QRect(88, 56, 497, 28));
    Memo1 = PlacedChild<QPlainTextEdit>(this, "Memo1", QRect(24, 128, 569, 233));
    Button1 = PlacedChild<QPushButton>(this, "Button1", QRect(480, 376, 91, 25),
                                       QStringLiteral("确定(&O)"));
    Button2 = PlacedChild<QPushButton>(this, "Button2", QRect(360, 376, 91, 25),
                                       QStringLiteral("取消(&C)"));
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);
    connect(Edit1, &QLineEdit::textChanged, this, &TEditorInfForm_::FieldChanged);
    connect(Edit2, &QLineEdit::textChanged, this, &TEditorInfForm_::FieldChanged);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TEditorInfForm_::FieldChanged);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &TEditorInfForm_::Button2Click);
}

void TEditorInfForm_::Fill(const QString& title, const QString& author, const QString& comment) {
    Edit1->setText(title);
    Edit2->setText(author);
    QString lines = comment;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Memo1->setPlainText(lines);
    Edit1->setFocus();
    Changed_ = false;
}

QString TEditorInfForm_::CommentText() const {
    QString text = Memo1->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void TEditorInfForm_::Button2Click() {
    Changed_ = false;
    reject();
}

} // namespace lodrin
