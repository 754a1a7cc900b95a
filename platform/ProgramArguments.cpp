#include "platform/ProgramArguments.h"

#include <QCoreApplication>
#include <QStringList>

namespace lodrin {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

std::vector<std::string> ProgramArguments() {
    const QStringList given = QCoreApplication::arguments();
    std::vector<std::string> arguments;
    for (qsizetype i = 1; i < given.size(); ++i) {
        arguments.push_back(given[i].toStdString());
    }
    return arguments;
}

} // namespace lodrin
