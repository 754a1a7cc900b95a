#pragma once

#include "ImportSolution/DateModule.h"
#include "ImportSolution/SolutionSource.h"

#include <memory>
#include <string>

namespace lodrin {

// The program's folder (with its trailing separator) and the stores beside it.
struct ImportPaths {
    std::string Folder;

    // The folder as given, with a trailing '/' added when it has none.
    static ImportPaths In(std::string folder);
    std::string Store() const;
    std::string MobileStore() const;
    std::string OldStore() const;
};

// What pressing "导入" leads to before a worker starts: a message to show, or the
// source the run is to read.
struct ImportStart {
    std::string Message; // not empty: show it, start no run
    std::string Reason;  // why the message came, for the scripted import
    std::unique_ptr<TSolutionSource> Source;
};

// Prepares the solution store, then opens the chosen source: the old store through the
// data module, the mobile store by its path (it is read when the run starts).
ImportStart StartImport(const ImportPaths& paths, ImportSource kind, TDataModule1& data);

} // namespace lodrin
