#include "engines/SecureEraser.h"

namespace tornivo {

SecureEraser::SecureEraser(Layout layout, std::size_t chunkSize)
    : layout_(std::move(layout)), chunkSize_(chunkSize) {}

}  // namespace tornivo
