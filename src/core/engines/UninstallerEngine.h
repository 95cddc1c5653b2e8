#pragma once
// Lists installed applications, finds what each left behind, and moves an application and its
// chosen leftovers to the Trash.

#include "models/UninstallModels.h"
#include "platform/Layout.h"

namespace tornivo {

class UninstallerEngine {
  public:
    explicit UninstallerEngine(Layout layout);

  private:
    Layout layout_;
};

}  // namespace tornivo
