// LodrinSolutions: imports solutions into the solution store beside the program.
// With --import mobile|old [--dir FOLDER] it imports once without a window. Started
// by itself with --read-old-store PATH, it is the reader child of an old-store run.

#include "ImportSolution/DateModule.h"
#include "ImportSolution/HeadlessImport.h"
#include "ImportSolution/ImportForm.h"
#include "ImportSolution/OldStoreReader.h"

#include <QApplication>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>
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

// The program itself, started with the reader option, reads every old store.
lodrin::OldStoreReaderCommand OldStoreReader() {
    return {{QCoreApplication::applicationFilePath().toStdString(), lodrin::ReadOldStoreOption},
            {},
            {}};
}

int RunScripted(const lodrin::HeadlessOptions& options) {
    // Ctrl+C and kill end the run before its next row; the rows so far are kept.
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    return lodrin::RunHeadlessImport(options, OldStoreReader(), std::cout, std::cerr,
                                     StopRequested);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], lodrin::ReadOldStoreOption) == 0) {
        // The reader child of an old-store run: no window, no Qt, just the stream.
        return lodrin::RunOldStoreReader(argv[2], lodrin::ReaderStreamFd);
    }
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
    lodrin::TDataModule1 DataModule1(OldStoreReader());
    lodrin::TImportForm ImportForm(DataModule1, QCoreApplication::applicationDirPath());
    ImportForm.show();
    return app.exec();
}
