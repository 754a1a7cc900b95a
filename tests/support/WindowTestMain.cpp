// The main function of the window test programs: a QApplication on Qt's
// offscreen platform, with Qt's Chinese texts as the programs install them,
// around the GoogleTest run. The program's settings go to a temporary folder,
// never to the user's own configuration.

#include "platform/QtTranslation.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const lodrin::TQtTranslation chinese;
    QApplication::setOrganizationName(QStringLiteral("LodrinTests"));
    const QTemporaryDir settings;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, settings.path());
        QSettings::setPath(format, QSettings::SystemScope, settings.path());
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
