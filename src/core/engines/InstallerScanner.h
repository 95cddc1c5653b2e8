#pragma once
// Finds installer files lying at the top of the downloads and desktop folders and tells which
// belong to an application that is installed.

#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "models/InstallerModels.h"
#include "models/Outcome.h"
#include "platform/Layout.h"
#include "platform/LayoutRoots.h"

namespace tornivo {

class InstallerScanner {
  public:
    // `installerExtensions`: lower case, without the dot.
    InstallerScanner(Layout layout, std::vector<std::string> installerExtensions);

    const std::vector<std::string>& installerExtensions() const { return extensions_; }
    const Layout& layout() const { return layout_; }

    // Regular files of Downloads then Desktop (not recursive, hidden entries skipped) whose
    // extension, lower-cased, is an installer extension; largest first (on-disk size), equal
    // sizes in folder and listing order. Those matched to an installed application start
    // selected. The folders are opened as PersonalFolders does; `report`, when given, receives
    // those it refused.
    std::vector<InstallerFile> scan(ScanReport* report = nullptr, std::stop_token stop = {}) const;
    // Moves the selected files to the Trash, each only while it is the file listed
    // (trashSelected).
    RemovalOutcome remove(const std::vector<InstallerFile>& files, std::stop_token stop = {}) const;

    // The names of the installed applications (installedApplications in DesktopEntries.h, the
    // list the uninstaller shows too), in its order.
    std::vector<std::string> installedAppNames() const;

    // Lower-cased (Unicode, no locale's special rules), composed (NFC, so that both spellings of
    // "é" agree), keeping only lower-case letters (general category Ll): "Firefox 120.0" gives
    // "firefox". Bytes that are not UTF-8 count as neither.
    static std::string normalize(std::string_view name);
    // The first installed name whose normalised form contains the installer's or is contained
    // in it, as listed; nothing when the installer's has fewer than 3 letters. Names whose
    // normalised form has fewer than 3 letters are passed over.
    static std::optional<std::string> matchInstalledApp(std::string_view installerName,
                                                        const std::vector<std::string>& installed);

  private:
    Layout layout_;
    std::vector<std::string> extensions_;
};

}  // namespace tornivo
