#pragma once
// Empties the Trash so that what was in it is hard to recover: overwrites every regular file
// before deleting it.

#include "models/ShredModels.h"
#include "platform/Layout.h"

namespace tornivo {

class SecureEraser {
  public:
    SecureEraser(Layout layout, std::size_t chunkSize = 1'048'576);

  private:
    Layout layout_;
    std::size_t chunkSize_;
};

}  // namespace tornivo
