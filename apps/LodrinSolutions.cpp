// LodrinSolutions: imports solutions into the solution store beside the program.
// With --import mobile|old [--dir FOLDER] it imports once without a window.

#include "ImportSolution/DateModule.h"
#include "ImportSolution/HeadlessImport.h"
#include "ImportSolution/ImportForm.h"
#include "platform/QtTranslation.h"

#include <QApplication>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <iostream>

namespace {

std::atomic<bool> StopRequested{false};

extern "C" void RequestStop(int) {
    StopRequested = true;
}

std::vector<std::string> Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

// Whether the command line asks for the scripted import (the window leaves the rest to Qt).
bool WantsScripted(const std::vector<std::string>& args) {
    return std::find_if(args.begin(), args.end(), [](const std::string& arg) {
               return arg == "--import" || arg == "--dir";
           }) != args.end();
}

std::string ProgramFolder() {
    return QCoreApplication::applicationDirPath().toStdString() + "/";
}

int RunScripted(const lodrin::HeadlessOptions& options) {
    // Ctrl+C and kill end the run before its next row; the rows so far are kept.
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    return lodrin::RunHeadlessImport(options, std::cout, StopRequested);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = Arguments(argc, argv);
    if (WantsScripted(args)) {
        QCoreApplication app(argc, argv);
        const lodrin::HeadlessOptions options = lodrin::ParseHeadlessArgs(args, ProgramFolder());
        if (!options.Error.empty()) {
            std::cerr << options.Error << "\n" << lodrin::HeadlessUsage << "\n";
            return 2;
        }
        return RunScripted(options);
    }
    QApplication app(argc, argv);
    const lodrin::TQtTranslation chinese;
    lodrin::TDataModule1 DataModule1;
    lodrin::TImportForm ImportForm(DataModule1, QCoreApplication::applicationDirPath());
    ImportForm.show();
    return app.exec();
}
