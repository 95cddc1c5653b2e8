#include "models/ScanModels.h"

namespace tornivo {

ByteCount ScanResult::selectedSize() const {
    ByteCount total = 0;
    for (const auto& item : items)
        if (item.isSelected) total += item.size;
    return total;
}

ByteCount ScanResult::totalSize() const {
    ByteCount total = 0;
    for (const auto& item : items) total += item.size;
    return total;
}

ByteCount ScanResult::size(CleanCategory category) const {
    ByteCount total = 0;
    for (const auto& item : items)
        if (item.category == category) total += item.size;
    return total;
}

}  // namespace tornivo
