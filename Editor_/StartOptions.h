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
};

// Reads the arguments after the program name: the switch counts only when it is
// the one argument and equals "/m" in either case; the level file is the first
// argument that is not that switch.
StartOptions ReadStartOptions(const std::vector<std::string>& arguments);

} // namespace lodrin
