// Saves pictures of the programs' windows as PNG files, for checking their layout by eye.
// usage: lodrin_screenshots OUTPUT_FOLDER [SECTION...]; sections: solutions

#include "ImportSolution/DateModule.h"
#include "ImportSolution/ImportForm.h"
#include "platform/QtTranslation.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <iostream>
#include <map>

namespace {

bool Save(QWidget& window, const QString& folder, const QString& name) {
    window.show();
    QCoreApplication::processEvents();
    const QString path = QDir(folder).filePath(name + ".png");
    const bool saved = window.grab().save(path);
    std::cout << (saved ? "saved " : "cannot save ") << path.toStdString() << "\n";
    return saved;
}

// LodrinSolutions: the import window idle, during a run and with a report.
bool Solutions(const QString& out) {
    QTemporaryDir folder;
    lodrin::TDataModule1 data({}); // no old-store run: no reader child
    lodrin::TImportForm form(data, folder.path());
    bool ok = Save(form, out, "solutions-idle");
    form.Memo1->hide();
    form.ProgressBar1->setValue(40);
    form.ProgressBar1->show();
    form.Button1->setEnabled(false); // as during a run
    ok = Save(form, out, "solutions-running") && ok;
    form.Button1->setEnabled(true);
    form.Button1Click(); // no mobile store in the empty folder: the message asks for it
    ok = QTest::qWaitFor([&] { return !form.IsRunning(); }, 10000) && ok;
    ok = Save(form, out, "solutions-message") && ok;
    form.Memo1->setPlainText(
        QStringLiteral("已处理的答案总数：3\n成功导入数：1\n因重复未导入数：1\n无效答案数：1"));
    ok = Save(form, out, "solutions-report") && ok;
    form.close();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const lodrin::TQtTranslation chinese;
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::cerr << "usage: lodrin_screenshots OUTPUT_FOLDER [SECTION...]\n";
        return 2;
    }
    const std::map<QString, std::function<bool(const QString&)>> sections = {
        {QStringLiteral("solutions"), Solutions},
    };
    QDir().mkpath(args[1]);
    QStringList wanted = args.mid(2);
    if (wanted.isEmpty()) {
        for (const auto& [name, section] : sections) {
            wanted << name;
        }
    }
    bool ok = true;
    for (const QString& name : wanted) {
        const auto section = sections.find(name);
        if (section == sections.end()) {
            std::cerr << "unknown section " << name.toStdString() << "\n";
            ok = false;
        } else {
            ok = section->second(args[1]) && ok;
        }
    }
    return ok ? 0 : 1;
}
