#include "ImportSolution/HeadlessImport.h"

#include "ImportSolution/ImportRun.h"
#include "ImportSolution/ImportStart.h"

namespace lodrin {

namespace {

void KeepFirstError(HeadlessOptions& options, std::string error) {
    if (options.Error.empty()) {
        options.Error = std::move(error);
    }
}

// Reads the option at args[i] and its value; returns the index of the last argument used.
std::size_t ReadOption(const std::vector<std::string>& args, std::size_t i,
                       HeadlessOptions& options) {
    const std::string& option = args[i];
    const bool hasValue = i + 1 < args.size();
    if (option == "-h" || option == "--help") {
        options.ShowHelp = true;
    } else if (option == "-v" || option == "--version") {
        options.ShowVersion = true;
    } else if (option == "--import" && hasValue &&
               (args[i + 1] == "mobile" || args[i + 1] == "old")) {
        options.Import = true;
        options.Source = args[++i] == "old" ? ImportSource::Old : ImportSource::Mobile;
    } else if (option == "--dir" && hasValue && !args[i + 1].empty()) {
        options.Folder = args[++i];
    } else {
        KeepFirstError(options, "unknown or incomplete argument: " + option);
    }
    return i;
}

} // namespace

HeadlessOptions ParseHeadlessArgs(const std::vector<std::string>& args) {
    HeadlessOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        i = ReadOption(args, i, options);
    }
    return options;
}

int RunHeadlessImport(const HeadlessOptions& options, std::ostream& out,
                      const std::atomic<bool>& StopRequested) {
    const ImportPaths paths = ImportPaths::In(options.Folder);
    TDataModule1 data;
    ImportStart start = StartImport(paths, options.Source, data);
    if (!start.Message.empty()) {
        out << start.Message << '\n';
        return 1;
    }
    const ImportOutcome outcome = RunImportAt(paths.Store(), *start.Source, StopRequested, {});
    start.Source.reset(); // before the data module closes the old store
    out << outcome.Text << '\n';
    return outcome.IsReport ? 0 : 1;
}

} // namespace lodrin
