#pragma once
// Finds regenerable build outputs of the user's projects and deletes the chosen ones.

#include "models/DeveloperModels.h"
#include "platform/Layout.h"

namespace tornivo {

class DeveloperCleanEngine {
  public:
    explicit DeveloperCleanEngine(Layout layout);

  private:
    Layout layout_;
};

}  // namespace tornivo
