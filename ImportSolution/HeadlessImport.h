#pragma once

#include "ImportSolution/OldStore.h"
#include "ImportSolution/SolutionSource.h"

#include <atomic>
#include <ostream>
#include <string>
#include <vector>

namespace lodrin {

// The scripted import's command line: --import mobile|old [--dir FOLDER].
struct HeadlessOptions {
    bool Import = false; // false: no --import, the window opens
    ImportSource Source = ImportSource::Mobile;
    std::string Folder; // the folder that holds the stores
    std::string Error;  // not empty: the command line is wrong
};

// Reads the arguments after the program name; the folder defaults to programFolder.
HeadlessOptions ParseHeadlessArgs(const std::vector<std::string>& args,
                                  const std::string& programFolder);

// How to call the scripted import.
inline constexpr const char* HeadlessUsage =
    "usage: LodrinSolutions [--import mobile|old [--dir FOLDER]]";

// Runs one import as "导入" in the window would, printing its message or report to
// `out` and, after a message, the reason behind it to `err`. `reader` starts the
// old store's reader child. Returns 0 after a report, 1 after a message.
int RunHeadlessImport(const HeadlessOptions& options, const OldStoreReaderCommand& reader,
                      std::ostream& out, std::ostream& err, const std::atomic<bool>& StopRequested);

} // namespace lodrin
