#include "engines/DuplicateFinder.h"

namespace tornivo {
DuplicateFinder::DuplicateFinder(ByteCount minSize) : minSize_(minSize) {}
std::vector<DuplicateGroup> DuplicateFinder::scan(const std::vector<Path>&) const {
    return {};
}
ByteCount DuplicateFinder::remove(const std::vector<Path>&, ByteCount) const {
    return 0;
}
}  // namespace tornivo
