// The main function of the window test programs: a QApplication on Qt's
// offscreen platform, with Qt's Chinese texts as the programs install them,
// around the GoogleTest run.

#include "platform/QtTranslation.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const lodrin::TQtTranslation chinese;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
