#pragma once

#include <string>
#include <vector>

namespace lodrin {

// What the editor's command line says.
struct StartOptions {
    // The "/m" switch: the recognition window turns its mouse wheel the other way.
    bool MouseWheelSwitch = false;
    // The level file named on the command line, to open at start; empty when none.
    std::string LevelFile;
    // --help and --version: print the text and quit without a window.
    bool ShowHelp = false;
    bool ShowVersion = false;
    // --list-skins: print the skins folder and the files the skin chooser lists, then quit.
    bool ListSkins = false;
    // Not empty: the command line is wrong; the program says so and ends with code 2.
    std::string Error;
};

// Reads the arguments after the program name: "/m" in either case, at most one level
// file, and the options above; "--" ends the options. The first fault found is kept
// in Error, while --help and --version are still recognised after it.
StartOptions ReadStartOptions(const std::vector<std::string>& arguments);

// The editor's --help text.
inline constexpr const char* EditorHelpText =
    "Usage: LodrinEditor [/m] [FILE]\n"
    "Level editor for Sokoban levels: draw, paste, normalize and save levels, try them\n"
    "in the trial field, recognize them from screenshots.\n"
    "\n"
    "  FILE           a level file (.xsb or .txt) to open at start\n"
    "  /m             turn the mouse wheel the other way in the recognition window\n"
    "  --list-skins   print the skins folder and the skin files in it, then quit\n"
    "  -h, --help     print this help and quit\n"
    "  -v, --version  print the version and quit\n";

// The line that follows a command-line fault.
inline constexpr const char* EditorUsage = "usage: LodrinEditor [/m] [FILE]  (see --help)";

} // namespace lodrin
