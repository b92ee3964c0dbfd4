#include "core/VersionInfo.h"

namespace {

VersionInfo::Block CompiledBlock() {
    return VersionInfo::Block{KORVANE_FILE_DESCRIPTION, KORVANE_FILE_VERSION, KORVANE_LEGAL_COPYRIGHT,
                              KORVANE_PRODUCT_NAME};
}

VersionInfo::Block& InstalledBlock() {
    static VersionInfo::Block block = CompiledBlock();
    return block;
}

}  // namespace

VersionInfo::VersionInfo(const std::string& fileName) : fileName_(fileName) {}

const std::string& VersionInfo::GetFileDescription() {
    return texts_.FileDescription = InstalledBlock().FileDescription;
}

const std::string& VersionInfo::GetFileVersion() {
    return texts_.FileVersion = InstalledBlock().FileVersion;
}

const std::string& VersionInfo::GetLegalCopyright() {
    return texts_.LegalCopyright = InstalledBlock().LegalCopyright;
}

const std::string& VersionInfo::GetProductName() {
    return texts_.ProductName = InstalledBlock().ProductName;
}

void VersionInfo::InstallVersionBlock(const Block& block) {
    InstalledBlock() = block;
}

void VersionInfo::RestoreVersionBlock() {
    InstalledBlock() = CompiledBlock();
}
