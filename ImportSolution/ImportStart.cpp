#include "ImportSolution/ImportStart.h"

#include "ImportSolution/ImportMessages.h"
#include "ImportSolution/MobileStore.h"
#include "ImportSolution/SolutionStore.h"

namespace lodrin {

ImportPaths ImportPaths::In(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder.push_back('/');
    }
    return {std::move(folder)};
}

std::string ImportPaths::Store() const {
    return Folder + std::string(SolutionStoreFileName);
}
std::string ImportPaths::MobileStore() const {
    return Folder + std::string(MobileStoreFileName);
}
std::string ImportPaths::OldStore() const {
    return Folder + std::string(OldStoreFileName);
}

ImportStart StartImport(const ImportPaths& paths, ImportSource kind, TDataModule1& data) {
    ImportStart start;
    if (!PrepareSolutionStoreAt(paths.Store(), &start.Reason)) {
        start.Message = std::string(StoreCreateFailedText) + "\n" + paths.Store();
        return start;
    }
    if (kind == ImportSource::Mobile) {
        start.Source = std::make_unique<TMobileSource>(paths.MobileStore());
        return start;
    }
    switch (data.OpenOldStore(paths.OldStore(), &start.Reason)) {
    case OldStoreOpen::Missing:
        start.Message = OldStoreMissingText;
        break;
    case OldStoreOpen::Failed:
        start.Message = OldStoreOpenFailedText;
        break;
    case OldStoreOpen::Opened:
        start.Source = data.MakeQuery();
        break;
    }
    return start;
}

} // namespace lodrin
