#include "engines/InstallerScanner.h"

namespace tornivo {
InstallerScanner::InstallerScanner(Layout layout, std::vector<std::string> extensions)
    : layout_(std::move(layout)), extensions_(std::move(extensions)) {}
std::vector<InstallerFile> InstallerScanner::scan() const {
    return {};
}
ByteCount InstallerScanner::remove(const std::vector<InstallerFile>&) const {
    return 0;
}
}  // namespace tornivo
