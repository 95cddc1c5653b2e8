#pragma once
// Records of the installer scanner.

#include <optional>
#include <string>

#include "models/FileIdentity.h"
#include "models/Types.h"
#include "models/Uuid.h"

namespace tornivo {

// An installer image or package lying in the downloads or desktop folder.
struct InstallerFile {
    Uuid id;
    Path url;
    ByteCount size = 0;
    std::string kind;                       // the lower-cased extension
    std::optional<std::string> matchedApp;  // the installed application it belongs to
    bool isSelected = false;                // true at creation when matchedApp is present
    FileIdentity identity;                  // the file and its folder when scanned

    bool operator==(const InstallerFile&) const = default;
};

}  // namespace tornivo
