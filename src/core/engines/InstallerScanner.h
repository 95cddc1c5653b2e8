#pragma once
// Finds installer files lying at the top of the downloads and desktop folders and tells which
// belong to an application that is installed.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "models/InstallerModels.h"
#include "platform/Layout.h"

namespace tornivo {

class InstallerScanner {
  public:
    InstallerScanner(Layout layout, std::vector<std::string> installerExtensions);

    const std::vector<std::string>& installerExtensions() const { return extensions_; }

    // Installer files of Downloads then Desktop (not recursive, hidden entries skipped), largest
    // first; those matched to an installed application start selected.
    std::vector<InstallerFile> scan() const;
    // Moves the selected files to the Trash; the sum of the sizes of those moved.
    ByteCount remove(const std::vector<InstallerFile>& files) const;

    // The names of the installed applications, in folder and listing order.
    std::vector<std::string> installedAppNames() const;
    // Lower-cased, keeping only lower-case letters: "Firefox 120.0" gives "firefox".
    static std::string normalize(std::string_view name);
    // The first installed name whose normalised form contains the installer's or is contained
    // in it; nothing when either is shorter than 3 letters.
    static std::optional<std::string> matchInstalledApp(std::string_view installerName,
                                                        const std::vector<std::string>& installed);

  private:
    Layout layout_;
    std::vector<std::string> extensions_;
};

}  // namespace tornivo
