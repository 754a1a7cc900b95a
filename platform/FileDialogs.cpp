#include "platform/FileDialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

namespace lodrin {
namespace {

std::optional<QString> Chosen(const QString& name) {
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

// The recent files as a list: the file's name, then its folder.
QListWidget* RecentList(QWidget* parent, const QStringList& recent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("RecentFiles"));
    for (const QString& path : recent) {
        const QFileInfo info(path);
        auto* item = new QListWidgetItem(info.fileName() + QStringLiteral("    ") +
                                             QDir::toNativeSeparators(info.absolutePath()),
                                         list);
        item->setData(Qt::UserRole, path);
        item->setToolTip(path);
    }
    const int rows = static_cast<int>(std::min<qsizetype>(recent.size(), 5));
    list->setFixedHeight(list->sizeHintForRow(0) * rows + 2 * list->frameWidth() + 4);
    return list;
}

// Qt's own file view, embedded, starting at the file.
QFileDialog* FileView(QWidget* parent, const QString& filter, const QString& start) {
    auto* view = new QFileDialog(parent);
    view->setWindowFlags(Qt::Widget); // QDialog makes itself a window whatever it is given
    view->setOption(QFileDialog::DontUseNativeDialog);
    view->setFileMode(QFileDialog::ExistingFile);
    view->setNameFilters(QtFileFilter(filter).split(QStringLiteral(";;")));
    if (!start.isEmpty()) {
        const QFileInfo info(start);
        view->setDirectory(info.absolutePath());
        view->selectFile(info.fileName());
    }
    return view;
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

std::optional<QString> TQtFileDialogs::OpenFileNameFrom(QWidget* parent, const QString& filter,
                                                        const OpenDialogStart& start) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("OpenFileDialog"));
    dialog.setWindowTitle(QStringLiteral("打开"));
    auto* layout = new QVBoxLayout(&dialog);
    QString chosen;
    if (!start.Recent.isEmpty()) {
        layout->addWidget(new QLabel(QStringLiteral("最近打开的文件："), &dialog));
        QListWidget* recent = RecentList(&dialog, start.Recent);
        layout->addWidget(recent);
        QObject::connect(recent, &QListWidget::itemActivated, &dialog,
                         [&chosen, &dialog](QListWidgetItem* item) {
                             chosen = item->data(Qt::UserRole).toString();
                             dialog.accept();
                         });
    }
    QFileDialog* files = FileView(&dialog, filter, start.Path);
    layout->addWidget(files, 1);
    QObject::connect(files, &QFileDialog::fileSelected, &dialog,
                     [&chosen, &dialog](const QString& name) {
                         chosen = name;
                         dialog.accept();
                     });
    QObject::connect(files, &QFileDialog::rejected, &dialog, &QDialog::reject);
    dialog.resize(860, start.Recent.isEmpty() ? 500 : 620);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return Chosen(chosen);
}

} // namespace lodrin
