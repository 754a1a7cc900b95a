#include "Editor_/StartOptions.h"

namespace lodrin {
namespace {

bool IsOption(const std::string& argument) {
    return !argument.empty() && argument.front() == '-';
}

// Reads one option; returns false when it is not one of the editor's.
bool ReadOption(const std::string& option, StartOptions& options) {
    if (option == "-h" || option == "--help") {
        options.ShowHelp = true;
    } else if (option == "-v" || option == "--version") {
        options.ShowVersion = true;
    } else if (option == "--list-skins") {
        options.ListSkins = true;
    } else {
        return false;
    }
    return true;
}

void KeepFirstError(StartOptions& options, std::string error) {
    if (options.Error.empty()) {
        options.Error = std::move(error);
    }
}

void ReadLevelFile(const std::string& argument, StartOptions& options) {
    if (argument.empty()) {
        KeepFirstError(options, "empty file name");
    } else if (!options.LevelFile.empty()) {
        KeepFirstError(options, "only one level file can be opened: " + argument);
    } else {
        options.LevelFile = argument;
    }
}

} // namespace

StartOptions ReadStartOptions(const std::vector<std::string>& arguments) {
    StartOptions options;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "/m" || argument == "/M")) {
            options.MouseWheelSwitch = true;
        } else if (!optionsEnded && IsOption(argument)) {
            if (!ReadOption(argument, options)) {
                KeepFirstError(options, "unknown option: " + argument);
            }
        } else {
            ReadLevelFile(argument, options);
        }
    }
    return options;
}

} // namespace lodrin
