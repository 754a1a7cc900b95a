// LodrinSolutions: imports solutions into the solution store.
// With --import mobile|old [--dir FOLDER] it imports once without a window. Started
// by itself with --read-old-store PATH, it is the reader child of an old-store run.

#include "ImportSolution/DateModule.h"
#include "ImportSolution/HeadlessImport.h"
#include "ImportSolution/ImportForm.h"
#include "ImportSolution/OldStoreReader.h"
#include "platform/ProgramArguments.h"
#include "platform/ProgramFolders.h"
#include "platform/QtTranslation.h"

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

// Whether the command line asks for the scripted import (no window system needed).
bool WantsScripted(const std::vector<std::string>& args) {
    return std::find(args.begin(), args.end(), "--import") != args.end();
}

// Answers --help and --version, or a wrong command line; -1 when the program goes on.
int Answer(const lodrin::HeadlessOptions& options) {
    if (options.ShowHelp) {
        std::cout << lodrin::ImporterHelpText;
        return 0;
    }
    if (options.ShowVersion) {
        std::cout << "LodrinSolutions " LODRIN_VERSION "\n";
        return 0;
    }
    if (!options.Error.empty()) {
        std::cerr << "LodrinSolutions: " << options.Error << "\n" << lodrin::HeadlessUsage << "\n";
        return 2;
    }
    return -1;
}

// The folder of the stores: the one given, else the program's own folder, or for an
// installed program the user's data folder (made when missing).
std::string StoreFolder(const lodrin::HeadlessOptions& options) {
    if (!options.Folder.empty()) {
        return options.Folder;
    }
    const lodrin::ProgramFolders folders = lodrin::ChooseProgramFolders(
        lodrin::LookAtProgramPlace(QCoreApplication::applicationDirPath().toStdString()));
    if (folders.Installed) {
        lodrin::MakeFolder(folders.Data); // a failure shows when the store is created
    }
    return folders.Data;
}

// The program itself, started with the reader option, reads every old store.
lodrin::OldStoreReaderCommand OldStoreReader() {
    return {{QCoreApplication::applicationFilePath().toStdString(), lodrin::ReadOldStoreOption},
            {},
            {}};
}

int RunScripted(lodrin::HeadlessOptions options) {
    options.Folder = StoreFolder(options);
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
    const std::vector<std::string> args = lodrin::ProgramArguments(argc, argv);
    const lodrin::HeadlessOptions asked = lodrin::ParseHeadlessArgs(args);
    if (asked.ShowHelp || asked.ShowVersion || WantsScripted(args)) {
        const int answered = Answer(asked);
        if (answered >= 0) {
            return answered;
        }
        QCoreApplication app(argc, argv);
        return RunScripted(asked);
    }
    QApplication app(argc, argv);
    const lodrin::TQtTranslation chinese;
    QGuiApplication::setDesktopFileName(QStringLiteral(LODRIN_APP_ID_PREFIX ".LodrinSolutions"));
    // Qt has taken its own options (-platform and the like) out of the arguments by now.
    const lodrin::HeadlessOptions options = lodrin::ParseHeadlessArgs(lodrin::ProgramArguments());
    if (const int answered = Answer(options); answered >= 0) {
        return answered;
    }
    const QString folder = QString::fromStdString(StoreFolder(options));
    lodrin::TDataModule1 DataModule1(OldStoreReader());
    lodrin::TImportForm ImportForm(DataModule1, folder);
    if (folder != QCoreApplication::applicationDirPath()) {
        ImportForm.ShowStoreFolder();
    }
    ImportForm.show();
    return app.exec();
}
