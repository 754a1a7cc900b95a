#include "Editor_/StartOptions.h"

namespace lodrin {

StartOptions ReadStartOptions(const std::vector<std::string>& arguments) {
    StartOptions options;
    options.MouseWheelSwitch =
        arguments.size() == 1 && (arguments.front() == "/m" || arguments.front() == "/M");
    return options;
}

} // namespace lodrin
