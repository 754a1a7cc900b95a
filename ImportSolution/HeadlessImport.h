#pragma once

#include "ImportSolution/SolutionSource.h"

#include <atomic>
#include <ostream>
#include <string>
#include <vector>

namespace lodrin {

// The importer's command line: [--dir FOLDER] [--import mobile|old], --help, --version.
struct HeadlessOptions {
    bool Import = false; // false: no --import, the window opens
    ImportSource Source = ImportSource::Mobile;
    std::string Folder;       // the folder named by --dir; empty: the program's default folder
    bool ShowHelp = false;    // --help: print the help and quit
    bool ShowVersion = false; // --version: print the version and quit
    std::string Error;        // not empty: the command line is wrong (the first fault)
};

// Reads the arguments after the program name. --help and --version are recognised
// even after a fault, so that asking for help always answers.
HeadlessOptions ParseHeadlessArgs(const std::vector<std::string>& args);

// The line that follows a command-line fault.
inline constexpr const char* HeadlessUsage =
    "usage: LodrinSolutions [--dir FOLDER] [--import mobile|old]  (see --help)";

// The importer's --help text.
inline constexpr const char* ImporterHelpText =
    "Usage: LodrinSolutions [--dir FOLDER] [--import mobile|old]\n"
    "Imports Sokoban solutions into the solution store Lodrin.db. Without --import the\n"
    "import window opens.\n"
    "\n"
    "  --import mobile  import once, without a window, from the mobile answer store\n"
    "                   Lodrin_An.db\n"
    "  --import old     import once, without a window, from the old answer store Lodrin.dat\n"
    "  --dir FOLDER     the folder that holds the stores (default: the program's folder;\n"
    "                   for an installed program ~/.local/share/lodrin)\n"
    "  -h, --help       print this help and quit\n"
    "  -v, --version    print the version and quit\n"
    "\n"
    "An import prints the same message or report as the window. Exit code: 0 after a\n"
    "report, 1 after a message, 2 for a wrong command line. Ctrl+C stops the run before\n"
    "its next row and keeps the rows imported so far.\n";

// Runs one import as "导入" in the window would, printing its message or report to
// `out`. Returns 0 after a report, 1 after a message.
int RunHeadlessImport(const HeadlessOptions& options, std::ostream& out,
                      const std::atomic<bool>& StopRequested);

} // namespace lodrin
