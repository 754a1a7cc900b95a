#include "ImportSolution/DateModule.h"

#include <filesystem>

namespace lodrin {

OldStoreOpen TDataModule1::OpenOldStore(const std::string& path) {
    Close();
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return OldStoreOpen::Missing;
    }
    if (!std::filesystem::is_regular_file(path, error)) {
        return OldStoreOpen::Failed;
    }
    ADOConnection1 = TOldStoreFile::Open(path);
    return ADOConnection1 ? OldStoreOpen::Opened : OldStoreOpen::Failed;
}

std::unique_ptr<TSolutionSource> TDataModule1::MakeQuery() const {
    return std::make_unique<TOldSource>(*ADOConnection1);
}

} // namespace lodrin
