#pragma once

#include <string>
#include <vector>

namespace lodrin {

// The arguments after the program's name as the system passed them, before Qt has
// looked at them (for --help and --version, which need no window system).
std::vector<std::string> ProgramArguments(int argc, char** argv);

// The arguments after the program's name once the application object has taken Qt's
// own options (-platform, -style and the like) out of them, in UTF-8.
std::vector<std::string> ProgramArguments();

} // namespace lodrin
