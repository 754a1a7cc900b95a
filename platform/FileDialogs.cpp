#include "platform/FileDialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace lodrin {
namespace {

std::optional<QString> Chosen(const QString& name) {
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

// A filter's description without the list of patterns it may end with, as in
// "关卡文档(*.xsb;*.txt)": Qt shows the patterns after the description itself.
QString WithoutPatternList(const QString& description) {
    const QString text = description.trimmed();
    const qsizetype open = text.lastIndexOf(QLatin1Char('('));
    if (open <= 0 || !text.endsWith(QLatin1Char(')')) ||
        !text.mid(open).contains(QLatin1Char('*'))) {
        return text;
    }
    return text.left(open).trimmed();
}

} // namespace

QString QtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
        }
        entries << WithoutPatternList(parts[i]) + QStringLiteral(" (") +
                       patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

std::optional<QString> TQtFileDialogs::SaveFileName(QWidget* parent, const QString& filter) {
    return Chosen(QFileDialog::getSaveFileName(parent, {}, {}, QtFileFilter(filter), nullptr,
                                               QFileDialog::DontConfirmOverwrite));
}

std::optional<QString> TQtFileDialogs::OpenFileName(QWidget* parent, const QString& filter) {
    return Chosen(QFileDialog::getOpenFileName(parent, {}, {}, QtFileFilter(filter)));
}

} // namespace lodrin
