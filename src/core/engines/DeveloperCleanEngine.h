#pragma once
// Finds regenerable build outputs of the user's projects, tells the outputs of projects in
// active use from idle ones by the protection window, and deletes the chosen ones permanently
// with the hardened remover.
//
// Where outputs are depends on the layout:
// - macos: every direct child (not hidden) of the IDE's build-output folders is one output.
// - freedesktop: one walk of the home recognises a project by a marker file beside a
//   regenerable output folder (see isOutputName and the table in the .cpp). Hidden folders,
//   other mounts and recognised outputs are not entered, nor anything named node_modules; links
//   are never followed. An output folder that git tracks is not an artifact.

#include <cstdint>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "models/DeveloperModels.h"
#include "models/ScanReport.h"
#include "platform/Descriptor.h"
#include "platform/FileStatus.h"
#include "platform/Layout.h"
#include "platform/SafeRemover.h"
#include "platform/ScanProgress.h"
#include "platform/Settings.h"

namespace tornivo {

class DeveloperCleanEngine {
  public:
    // The longest protection window the arithmetic takes, in days: far beyond any sensible
    // choice, well inside the range of the clock (the setting's own limit).
    static constexpr int kMaxProtectionDays =
        static_cast<int>(setting::developerProtectionDays.max);

    // `threads` walk the home side by side; the result does not depend on how many.
    explicit DeveloperCleanEngine(Layout layout, unsigned threads = defaultThreads());
    const Layout& layout() const { return layout_; }
    // The X-Ray's choice: the project walk has the same shape (metadata reads, mostly waiting on
    // the disk when the cache is cold).
    static unsigned defaultThreads();

    // Every output found, measured (entries of 0 bytes or less are dropped), with its last
    // activity; active when that lies strictly after `now` minus `protectionDays` days (a
    // negative window counts as 0), selected exactly when not active. Inactive outputs first,
    // then by size, largest first; equal sizes in the order they were found. Nothing when no
    // output folder can be read.
    //
    // `progress` hears the files the walk meets (the entries listed, on macos), with the folder
    // it is in, then the name of each output as it is measured; as ScanProgress.h describes.
    // `report`, when given, receives the roots refused and the folders the walk could not read.
    // A stop asked through `stop` ends the walk at its next folder.
    DeveloperScanResult scan(int protectionDays, TimePoint now = Clock::now(),
                             const ScanProgressCallback& progress = {},
                             ScanReport* report = nullptr, std::stop_token stop = {}) const;

    // Deletes the output of every given project that is selected and not active; `freed` sums
    // the listed sizes of those that went in full. Before deleting, it makes sure the location
    // still holds the folder that was listed, unchanged (identity, length, modification time),
    // in the folder it was listed in, reached from the scanned root without following a link or
    // crossing a mount; anything else is left with its reason.
    RemovalOutcome clean(const std::vector<DeveloperProject>& projects,
                         std::stop_token stop = {}) const;

    // The display name of an output folder: a generated suffix of 20 or more letters and digits
    // after the last "-" is cut off ("MyApp-<28 letters>" gives "MyApp").
    static std::string projectName(std::string_view folderName);
    // The latest modification time of `location` and of its direct children (hidden ones too);
    // nothing deeper. The distant past (TimePoint{}) when none can be read.
    static TimePoint latestActivity(const Path& location);
    // `now` minus `protectionDays` whole days, the window clamped to 0 .. kMaxProtectionDays.
    static TimePoint protectionCutoff(int protectionDays, TimePoint now);

    // One recognised output, before it is measured.
    struct BuildOutput {
        Path folder;
        std::string name;  // "site (node_modules)", or the folder's own name on macos
        std::uint64_t device = 0, inode = 0;
        Path project;  // the folder with the marker ("site"); empty on macos
    };
    // The outputs below the layout's build-output folders, in the order a single walk (or
    // listing) meets them, without those git tracks.
    std::vector<BuildOutput> findBuildOutputs() const;
    // Whether the walk takes a folder of this name for an output (given the right marker).
    static bool isOutputName(std::string_view name);

  private:
    // A root of the layout's build-output folders, opened through the root checks; empty when
    // refused.
    UniqueFd openRoot(const Path& folder, ScanReport* report) const;
    std::vector<BuildOutput> findBuildOutputs(ProgressMeter& meter, ScanReport* report,
                                              const std::stop_token& stop) const;
    std::vector<BuildOutput> walkForProjects(const Path& root, ProgressMeter& meter,
                                             ScanReport* report, const std::stop_token& stop) const;
    SafeRemover::Result removeListed(const DeveloperProject& project) const;
    // Whether the open root `st` is the home. The home is no project: a build file left there (a
    // build.gradle, a Cargo.toml) would make ~/build, ~/target or Gradle's own ~/.gradle outputs,
    // so nothing directly in it is one.
    bool isHome(const FileStatus& st) const;

    Layout layout_;
    unsigned threads_;
};

}  // namespace tornivo
