#pragma once

#include <string>

namespace lodrin {

// What decides where a program reads its skins and keeps its stores, gathered at start.
struct ProgramPlace {
    std::string ProgramFolder;          // the folder of the program's own file
    bool ProgramFolderWritable = false; // whether the user may write there
    std::string ShareFolder;            // the installed share folder beside it; empty: none
    std::string DataHome;               // $XDG_DATA_HOME
    std::string Home;                   // $HOME
};

// Where a program reads its skins and keeps its stores (folders without a trailing '/').
struct ProgramFolders {
    // False when the program runs from a folder of its own (the build folder or a
    // copied folder): skins and stores are then in the program's folder.
    bool Installed = false;
    std::string Skins;
    std::string Data;
};

// An installed program (its folder not writable, or the installed share folder beside
// it) reads the shipped skins from the share folder and keeps its stores in the
// user's data folder, $XDG_DATA_HOME/lodrin or ~/.local/share/lodrin. A program run
// from a folder of its own keeps both in that folder.
ProgramFolders ChooseProgramFolders(const ProgramPlace& place);

// Looks at the file system and the environment for a program in programFolder. The
// share folder is looked for at the installed layout's place relative to it.
ProgramPlace LookAtProgramPlace(const std::string& programFolder);

// Makes the folder and its parents when they are missing; returns whether it exists.
bool MakeFolder(const std::string& folder);

} // namespace lodrin
