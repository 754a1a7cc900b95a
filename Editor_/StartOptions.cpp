#include "Editor_/StartOptions.h"

namespace lodrin {
namespace {

bool IsMouseWheelSwitch(const std::string& argument) {
    return argument == "/m" || argument == "/M";
}

} // namespace

StartOptions ReadStartOptions(const std::vector<std::string>& arguments) {
    StartOptions options;
    options.MouseWheelSwitch = arguments.size() == 1 && IsMouseWheelSwitch(arguments.front());
    for (const std::string& argument : arguments) {
        if (!IsMouseWheelSwitch(argument)) {
            options.LevelFile = argument;
            break;
        }
    }
    return options;
}

} // namespace lodrin
