#include "ImportSolution/HeadlessImport.h"

#include "ImportSolution/ImportRun.h"
#include "ImportSolution/ImportStart.h"

namespace lodrin {

HeadlessOptions ParseHeadlessArgs(const std::vector<std::string>& args,
                                  const std::string& programFolder) {
    HeadlessOptions options;
    options.Folder = programFolder;
    bool folderGiven = false;
    for (std::size_t i = 0; i < args.size() && options.Error.empty(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--import" && hasValue &&
            (args[i + 1] == "mobile" || args[i + 1] == "old")) {
            options.Import = true;
            options.Source = args[++i] == "old" ? ImportSource::Old : ImportSource::Mobile;
        } else if (args[i] == "--dir" && hasValue && !args[i + 1].empty()) {
            options.Folder = args[++i];
            folderGiven = true;
        } else {
            options.Error = "unknown or incomplete argument: " + args[i];
        }
    }
    if (options.Error.empty() && folderGiven && !options.Import) {
        options.Error = "--dir needs --import";
    }
    return options;
}

int RunHeadlessImport(const HeadlessOptions& options, const OldStoreReaderCommand& reader,
                      std::ostream& out, std::ostream& err,
                      const std::atomic<bool>& StopRequested) {
    const ImportPaths paths = ImportPaths::In(options.Folder);
    TDataModule1 data(reader);
    ImportStart start = StartImport(paths, options.Source, data);
    if (!start.Message.empty()) {
        out << start.Message << '\n' << std::flush;
        if (!start.Reason.empty()) {
            err << start.Reason << '\n';
        }
        return 1;
    }
    const ImportOutcome outcome = RunImportAt(paths.Store(), *start.Source, StopRequested, {});
    start.Source.reset();
    out << outcome.Text << '\n' << std::flush;
    if (!outcome.Reason.empty()) {
        err << outcome.Reason << '\n';
    }
    return outcome.IsReport ? 0 : 1;
}

} // namespace lodrin
