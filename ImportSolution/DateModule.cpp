#include "ImportSolution/DateModule.h"

#include <filesystem>
#include <fstream>

namespace lodrin {
namespace {

OldStoreOpen Failed(std::string* reason, const char* why) {
    if (reason != nullptr) {
        *reason = why;
    }
    return OldStoreOpen::Failed;
}

} // namespace

OldStoreOpen TDataModule1::OpenOldStore(const std::string& path, std::string* reason) {
    Close();
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return OldStoreOpen::Missing;
    }
    if (!std::filesystem::is_regular_file(path, error)) {
        return Failed(reason, "the old store is not a file");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return Failed(reason, "the old store cannot be read");
    }
    std::string head(32, '\0');
    file.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(file.gcount()));
    if (!HasJetSignature(head)) {
        return Failed(reason, "the old store is not a Jet (Access) database file");
    }
    ADOConnection1 = path;
    return OldStoreOpen::Opened;
}

std::unique_ptr<TSolutionSource> TDataModule1::MakeQuery() const {
    return std::make_unique<TOldSource>(ADOConnection1, Reader_);
}

} // namespace lodrin
