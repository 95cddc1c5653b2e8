#include "engines/DeveloperCleanEngine.h"

#include <fcntl.h>
#include <git2.h>
#include <sys/stat.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <unordered_map>
#include <utility>
#include <variant>

#include "engines/DiskAnalyzer.h"
#include "platform/Descriptor.h"
#include "platform/DirectoryReader.h"
#include "platform/FileStatus.h"
#include "platform/FileSystemHelper.h"
#include "platform/LayoutRoots.h"
#include "platform/ParallelTreeWalk.h"
#include "platform/SafeRemover.h"
#include "platform/ScanProgress.h"

namespace tornivo {

namespace {

// Opens a directory, following a final link: the roots (the home, the IDE's folder) may be links
// to another disk; nothing below them is ever reached through one.
constexpr int kRootFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// --- What counts as a build output ----------------------------------------------------------

// The marker files that make a folder of a given name a regenerable output when one of them
// lies beside it. A CMake build folder and Python's __pycache__ have rules of their own.
struct OutputRule {
    std::string_view output;
    std::array<std::string_view, 5> markers;  // unused places stay empty
};

constexpr std::array<OutputRule, 7> kOutputRules{{
    {"target", {"Cargo.toml", "pom.xml"}},
    {"node_modules", {"package.json"}},
    {"build",
     {"build.gradle", "build.gradle.kts", "settings.gradle", "settings.gradle.kts",
      "pubspec.yaml"}},
    {".gradle", {"build.gradle", "build.gradle.kts", "settings.gradle", "settings.gradle.kts"}},
    {".dart_tool", {"pubspec.yaml"}},
    {".build", {"Package.swift"}},
    {".tox", {"pyproject.toml", "setup.py", "tox.ini"}},
}};

constexpr std::string_view kPythonCache = "__pycache__";
constexpr std::array<std::string_view, 2> kPythonMarkers{"pyproject.toml", "setup.py"};

// Folders of installed dependencies: they never hold the user's own projects, so the walk does
// not look inside them even when no marker makes them an output (a node_modules whose
// package.json is gone, a virtual environment's site-packages).
constexpr std::array<std::string_view, 3> kDependencyTrees{"node_modules", "site-packages",
                                                           "dist-packages"};

const OutputRule* ruleFor(std::string_view name) {
    for (const auto& rule : kOutputRules)
        if (rule.output == name) return &rule;
    return nullptr;
}

// A CMake build folder can have any name; the walk considers those with "build" in it (build,
// build-debug, cmake-build-release, _build, ...), so that only they cost a look inside.
bool mayBeCMakeBuild(std::string_view name) {
    static constexpr std::string_view kWord = "build";
    if (name.size() < kWord.size()) return false;
    for (std::size_t i = 0; i + kWord.size() <= name.size(); ++i) {
        bool match = true;
        for (std::size_t k = 0; k < kWord.size() && match; ++k) {
            char c = name[i + k];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            match = c == kWord[k];
        }
        if (match) return true;
    }
    return false;
}

bool isRegularFile(int dirfd, const std::string& relative) {
    auto st = statEntry(dirfd, relative.c_str());
    return st && st->isRegular();
}

bool hasMarker(int dirfd, const std::string& up, std::span<const std::string_view> markers) {
    for (auto marker : markers)
        if (!marker.empty() && isRegularFile(dirfd, up + std::string(marker))) return true;
    return false;
}

// --- The walk ---------------------------------------------------------------------------------

struct Found {
    DeveloperCleanEngine::BuildOutput output;
    TreeWalker::OrderKey key;
    std::string repository;  // the folder holding the nearest ".git" at or above the project
};

// What one walking thread recognises. Everything it learns about a folder's ancestors it asks
// through "..", relative to the open folder, so no link is followed and no path is re-resolved;
// answers are remembered per folder, since outputs cluster in the same projects.
class ProjectFinder {
  public:
    ProjectFinder(const std::string& root, bool rootIsHome, ProgressMeter& meter)
        : root_(root), rootIsHome_(rootIsHome), files_(meter, folderName(root)) {}

    bool operator()(const TreeWalker& walker, const TreeWalker::Entry& e) {
        if (!e.status.isDirectory()) {
            files_.count(walker);
            return true;
        }
        const std::string_view name(e.name, e.length);
        if (DeveloperCleanEngine::isOutputName(name) && recognise(walker, e, name))
            return false;  // never into a found output
        if (name.front() == '.') return false;
        return std::find(kDependencyTrees.begin(), kDependencyTrees.end(), name) ==
               kDependencyTrees.end();
    }

    std::vector<Found>& found() { return found_; }
    // Hands the files counted since the last batch to the meter.
    void flush() { files_.flush(); }

    void skipped(const TreeWalker& walker, const TreeWalker::Entry& e, UnreadReason reason) {
        report_.add({walker.pathOf(e), reason});
    }
    const ScanReport& report() const { return report_; }

  private:
    using Cache = std::unordered_map<std::string, std::string>;

    bool recognise(const TreeWalker& walker, const TreeWalker::Entry& e, std::string_view name) {
        std::string path;
        std::string label;
        std::string project;
        if (name == kPythonCache) {
            path = walker.pathOf(e).native();
            const std::string folder = parentOf(path);
            // The home is no project: its markers are looked for only below it.
            project = nearest(
                pythonProjects_, e.dirfd, folder, levelsAbove(path) - (rootIsHome_ ? 1 : 0),
                [](int fd, const std::string& up) { return hasMarker(fd, up, kPythonMarkers); });
            if (project.empty()) return false;
            label = lastComponent(project) + " (" + path.substr(childOffset(project)) + ")";
        } else {
            path = walker.pathOf(e).native();
            if (rootIsHome_ && levelsAbove(path) == 0) return false;
            const OutputRule* rule = ruleFor(name);
            const bool marked = (rule && hasMarker(e.dirfd, {}, rule->markers)) ||
                                (mayBeCMakeBuild(name) && isCMakeBuild(e));
            if (!marked) return false;
            label = std::string(walker.currentFolderName()) + " (" + std::string(name) + ")";
            project = parentOf(path);
        }
        std::string repository =
            nearest(repositories_, e.dirfd, parentOf(path), levelsAbove(path),
                    [](int fd, const std::string& up) {
                        return statEntry(fd, (up + ".git").c_str()).has_value();
                    });
        found_.push_back({{Path(std::move(path)), std::move(label), e.status.dev, e.status.ino,
                           Path(std::move(project))},
                          walker.orderKey(e),
                          std::move(repository)});
        return true;
    }

    // CMakeLists.txt beside the folder and CMakeCache.txt inside it, but no CMakeLists.txt of
    // its own: a folder built in place (a subproject named "buildtools") is sources.
    static bool isCMakeBuild(const TreeWalker::Entry& e) {
        if (!isRegularFile(e.dirfd, "CMakeLists.txt")) return false;
        UniqueFd folder(openListedDirectory(e.dirfd, e.name, e.status));
        return folder && isRegularFile(folder.get(), "CMakeCache.txt") &&
               !statEntry(folder.get(), "CMakeLists.txt");
    }

    // How many times ".." may be taken from the entry's folder without leaving the walk (0 in
    // the root itself).
    int levelsAbove(const std::string& path) const {
        const std::size_t from = root_ == "/" ? 0 : root_.size();
        return static_cast<int>(
                   std::count(path.begin() + static_cast<std::ptrdiff_t>(from), path.end(), '/')) -
               1;
    }

    static std::string parentOf(const std::string& path) {
        const auto slash = path.rfind('/');
        return slash == 0 ? "/" : path.substr(0, slash);
    }
    static std::string lastComponent(const std::string& path) {
        return path.substr(path.rfind('/') + 1);
    }
    // Where the part of a path below `folder` starts.
    static std::size_t childOffset(const std::string& folder) {
        return folder == "/" ? 1 : folder.size() + 1;
    }

    // The nearest of `folder` (open as `dirfd`) and the `levels` folders above it for which
    // `has(dirfd, "../../")` holds; its path, or empty.
    template <class Has>
    static std::string nearest(Cache& cache, int dirfd, std::string folder, int levels, Has has) {
        std::vector<std::string> asked;
        std::string answer;
        std::string up;
        for (int level = 0; level <= levels; ++level) {
            if (auto it = cache.find(folder); it != cache.end()) {
                answer = it->second;
                break;
            }
            asked.push_back(folder);
            if (has(dirfd, up)) {
                answer = folder;
                break;
            }
            folder = parentOf(folder);
            up += "../";
        }
        for (auto& f : asked) cache.emplace(std::move(f), answer);
        return answer;
    }

    std::string root_;
    bool rootIsHome_;
    FileTally files_;
    std::vector<Found> found_;
    Cache pythonProjects_, repositories_;
    ScanReport report_;
};

// --- Outputs that git tracks ------------------------------------------------------------------

// Answers from the repositories' index files, read with libgit2 as plain files: no repository
// is opened, so no configuration, hook or filter of the repository runs. Each index is read at
// most once per scan, and only for repositories that hold an output.
class TrackedOutputs {
  public:
    // No index file is read beyond this size (a huge monorepo's outputs are then kept).
    static constexpr ByteCount kLargestIndex = 256LL << 20;

    TrackedOutputs() { git_libgit2_init(); }
    ~TrackedOutputs() {
        for (auto& [repository, index] : indexes_)
            if (index.index) git_index_free(index.index);
        git_libgit2_shutdown();
    }
    TrackedOutputs(const TrackedOutputs&) = delete;
    TrackedOutputs& operator=(const TrackedOutputs&) = delete;

    // Whether the repository whose work tree is `repository` tracks `relative` (a path inside
    // the work tree) or anything below it. When that cannot be told (an index or git directory
    // that cannot be read, a worktree whose git directory is gone) the answer is yes, and the
    // output is left alone.
    bool mayTrack(const std::string& repository, const std::string& relative) {
        auto it = indexes_.find(repository);
        if (it == indexes_.end()) it = indexes_.emplace(repository, load(repository)).first;
        const Index& index = it->second;
        if (index.unreadable) return true;
        if (!index.index) return false;  // no index yet: nothing tracked
        return git_index_find(nullptr, index.index, relative.c_str()) == 0 ||
               git_index_find_prefix(nullptr, index.index, (relative + "/").c_str()) == 0;
    }

  private:
    struct Index {
        git_index* index = nullptr;
        bool unreadable = false;
    };

    static Index load(const std::string& repository) {
        const std::string dotGit = (repository == "/" ? "" : repository) + "/.git";
        auto gitDir = gitDirectory(repository, dotGit);
        if (!gitDir) return {nullptr, true};
        // A git directory that is gone (a worktree whose repository moved) tells nothing.
        struct stat dirSt {};
        if (::stat(gitDir->c_str(), &dirSt) != 0 || !S_ISDIR(dirSt.st_mode)) return {nullptr, true};
        const std::string file = *gitDir + "/index";
        errno = 0;
        auto st = statEntry(AT_FDCWD, file.c_str());
        if (!st) return {nullptr, errno != ENOENT};
        // Not through a link, and never a pipe or device that a read could hang on.
        if (!st->isRegular() || st->logicalSize > kLargestIndex) return {nullptr, true};
        Index index;
        if (git_index_open(&index.index, file.c_str()) != 0) {
            index.index = nullptr;
            index.unreadable = true;
        }
        return index;
    }

    // The repository's git directory: .git itself, or where a .git file points (worktrees and
    // submodules: "gitdir: PATH", relative to the work tree).
    static std::optional<std::string> gitDirectory(const std::string& repository,
                                                   const std::string& dotGit) {
        auto st = statEntry(AT_FDCWD, dotGit.c_str());
        if (!st) return std::nullopt;
        if (st->isDirectory()) return dotGit;
        if (!st->isRegular()) return std::nullopt;
        UniqueFd fd(::open(dotGit.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!fd) return std::nullopt;
        char buffer[4096];
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n <= 0) return std::nullopt;
        std::string_view text(buffer, static_cast<std::size_t>(n));
        static constexpr std::string_view kPrefix = "gitdir: ";
        if (!text.starts_with(kPrefix)) return std::nullopt;
        text.remove_prefix(kPrefix.size());
        text = text.substr(0, text.find_first_of("\r\n"));
        if (text.empty() || text.find('\0') != std::string_view::npos) return std::nullopt;
        if (text.front() == '/') return std::string(text);
        return (repository == "/" ? "" : repository) + "/" + std::string(text);
    }

    std::map<std::string, Index> indexes_;
};

// A repository whose work tree holds the walk's root: a home kept inside a repository still has
// that repository's tracked folders. Empty when there is none; `undecidable` when a folder above
// could not be looked at.
struct RepositoryAbove {
    std::string workTree;    // resolved
    std::string rootInside;  // the root's path inside the work tree ("" for the work tree itself)
    bool undecidable = false;
};

std::optional<RepositoryAbove> repositoryAbove(const std::string& root) {
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(root.c_str(), nullptr), &std::free);
    if (!real) return RepositoryAbove{{}, {}, true};
    const std::string resolved(real.get());
    for (std::string folder = resolved; folder != "/";) {
        const auto slash = folder.rfind('/');
        folder = slash == 0 ? "/" : folder.substr(0, slash);
        struct stat st {};
        if (::lstat(((folder == "/" ? "" : folder) + "/.git").c_str(), &st) == 0)
            return RepositoryAbove{folder, resolved.substr(folder == "/" ? 1 : folder.size() + 1)};
        if (errno != ENOENT) return RepositoryAbove{{}, {}, true};
    }
    return std::nullopt;
}

// --- Removal ----------------------------------------------------------------------------------

std::string normalText(const Path& path) {
    std::string text = path.lexically_normal().native();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

// The components of `target` below `root`; empty when it does not lie below it.
std::vector<std::string> componentsBelow(const std::string& root, const std::string& target) {
    std::vector<std::string> parts;
    if (root.empty() || root.front() != '/' || target.size() <= root.size()) return parts;
    std::size_t at;
    if (root == "/") {
        at = 1;
    } else {
        if (target.compare(0, root.size(), root) != 0 || target[root.size()] != '/') return parts;
        at = root.size() + 1;
    }
    while (at <= target.size()) {
        std::size_t slash = target.find('/', at);
        if (slash == std::string::npos) slash = target.size();
        std::string part = target.substr(at, slash - at);
        if (part.empty() || part == "." || part == "..") return {};
        parts.push_back(std::move(part));
        at = slash + 1;
    }
    return parts;
}

// latestActivity of the entry `name` of the open folder `dirfd`.
TimePoint latestActivityAt(int dirfd, const char* name) {
    TimePoint latest{};
    if (auto st = statEntry(dirfd, name); st && st->modificationTime)
        latest = *st->modificationTime;
    UniqueFd fd(::openat(dirfd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd) return latest;
    DirectoryReader reader;
    reader.reset(fd.get());
    DirectoryReader::Entry e;
    while (reader.next(e)) {
        auto st = statEntry(fd.get(), e.name);
        if (st && st->modificationTime && *st->modificationTime > latest)
            latest = *st->modificationTime;
    }
    return latest;
}

}  // namespace

DeveloperCleanEngine::DeveloperCleanEngine(Layout layout, unsigned threads)
    : layout_(std::move(layout)), threads_(std::max(1u, threads)) {}

unsigned DeveloperCleanEngine::defaultThreads() {
    return DiskAnalyzer::defaultThreads();
}

bool DeveloperCleanEngine::isOutputName(std::string_view name) {
    return name == kPythonCache || ruleFor(name) || mayBeCMakeBuild(name);
}

std::string DeveloperCleanEngine::projectName(std::string_view folderName) {
    const auto dash = folderName.rfind('-');
    if (dash == std::string_view::npos) return std::string(folderName);
    const std::string_view suffix = folderName.substr(dash + 1);
    if (suffix.size() > static_cast<std::size_t>(INT32_MAX)) return std::string(folderName);
    const auto length = static_cast<std::int32_t>(suffix.size());
    std::int32_t at = 0, characters = 0;
    while (at < length) {
        UChar32 c;
        U8_NEXT(suffix.data(), at, length, c);
        // A byte that is not UTF-8 is no letter: the name stays whole.
        if (c < 0 || !(U_GET_GC_MASK(c) & (U_GC_L_MASK | U_GC_N_MASK)))
            return std::string(folderName);
        ++characters;
    }
    // Cutting a name that is nothing but the suffix would leave no name at all.
    if (characters < 20 || dash == 0) return std::string(folderName);
    return std::string(folderName.substr(0, dash));
}

TimePoint DeveloperCleanEngine::latestActivity(const Path& location) {
    return latestActivityAt(AT_FDCWD, location.c_str());
}

TimePoint DeveloperCleanEngine::protectionCutoff(int protectionDays, TimePoint now) {
    const auto days = std::clamp(protectionDays, 0, kMaxProtectionDays);
    const auto window = std::chrono::seconds(static_cast<std::int64_t>(days) * 24 * 60 * 60);
    return now - std::chrono::duration_cast<Clock::duration>(window);
}

UniqueFd DeveloperCleanEngine::openRoot(const Path& folder, ScanReport* report) const {
    // Checked as LayoutRoots.h says: the walk for projects may start at the home itself, a
    // folder of outputs may not be the home or any other folder of the layout.
    auto opened = LayoutRoots(layout_).open(
        folder, layout_.findsProjectsByWalking ? RootRole::projects : RootRole::outputs);
    if (auto* problem = std::get_if<RootProblem>(&opened)) {
        if (report && problem->reason != RootRefusal::missing) report->refused.push_back(*problem);
        return UniqueFd();
    }
    return std::move(std::get<CheckedRoot>(opened).fd);
}

std::vector<DeveloperCleanEngine::BuildOutput> DeveloperCleanEngine::findBuildOutputs() const {
    ProgressMeter silent{ScanProgressCallback()};
    return findBuildOutputs(silent, nullptr, {});
}

std::vector<DeveloperCleanEngine::BuildOutput> DeveloperCleanEngine::findBuildOutputs(
    ProgressMeter& meter, ScanReport* report, const std::stop_token& stop) const {
    std::vector<BuildOutput> outputs;
    std::set<std::pair<std::uint64_t, std::uint64_t>> seen;  // roots may overlap
    for (const Path& folder : layout_.buildOutputFolders) {
        std::vector<BuildOutput> part;
        meter.enter(folderName(folder));
        if (layout_.findsProjectsByWalking) {
            part = walkForProjects(folder, meter, report, stop);
        } else {
            // Every direct child that is not hidden, not a link and not another mount.
            UniqueFd fd = openRoot(folder, report);
            auto rootStatus = fd ? statDescriptor(fd.get()) : std::nullopt;
            if (!rootStatus) continue;
            std::vector<std::string> names;
            DirectoryReader reader;
            reader.reset(fd.get());
            DirectoryReader::Entry e;
            while (reader.next(e))
                if (e.name[0] != '.') names.emplace_back(e.name, e.length);
            meter.addFiles(static_cast<std::int64_t>(names.size()), folderName(folder));
            for (const auto& name : names) {
                auto st = statEntry(fd.get(), name.c_str());
                if (!st || st->isSymlink()) continue;
                if (st->isDirectory() && (st->isMountRoot || st->dev != rootStatus->dev)) continue;
                part.push_back({folder / name, projectName(name), st->dev, st->ino, {}});
            }
        }
        for (auto& output : part)
            if (seen.emplace(output.device, output.inode).second)
                outputs.push_back(std::move(output));
    }
    return outputs;
}

std::vector<DeveloperCleanEngine::BuildOutput> DeveloperCleanEngine::walkForProjects(
    const Path& root, ProgressMeter& meter, ScanReport* report, const std::stop_token& stop) const {
    const std::string rootText = normalText(root);
    UniqueFd fd = openRoot(root, report);
    auto rootStatus = fd ? statDescriptor(fd.get()) : std::nullopt;
    if (!rootStatus) return {};
    const bool rootIsHome = isHome(*rootStatus);
    auto finders = parallelTreeWalk(
        fd.get(), Path(rootText), threads_,
        [&] { return ProjectFinder(rootText, rootIsHome, meter); }, stop);
    std::vector<Found> found;
    for (auto& finder : finders) {
        finder.flush();
        if (report) report->merge(finder.report());
        std::move(finder.found().begin(), finder.found().end(), std::back_inserter(found));
    }
    std::sort(found.begin(), found.end(),
              [](const Found& a, const Found& b) { return a.key < b.key; });

    std::vector<BuildOutput> outputs;
    std::optional<TrackedOutputs> git;  // libgit2 is set up only when a repository is met
    std::optional<std::optional<RepositoryAbove>> above;  // looked for once, when needed
    auto below = [](const std::string& folder, const std::string& path) {
        return path.substr(folder == "/" ? 1 : folder.size() + 1);
    };
    for (auto& f : found) {
        const std::string& folder = f.output.folder.native();
        std::string repository = f.repository, relative;
        if (!repository.empty()) {
            relative = below(repository, folder);
        } else {
            if (!above) above = repositoryAbove(rootText);
            if (*above && (*above)->undecidable) continue;  // whether it is tracked is not known
            if (*above) {
                repository = (*above)->workTree;
                relative = (*above)->rootInside;
                relative += (relative.empty() ? "" : "/") + below(rootText, folder);
            }
        }
        if (!repository.empty()) {
            if (!git) git.emplace();
            if (git->mayTrack(repository, relative)) continue;
        }
        outputs.push_back(std::move(f.output));
    }
    return outputs;
}

DeveloperScanResult DeveloperCleanEngine::scan(int protectionDays, TimePoint now,
                                               const ScanProgressCallback& progress,
                                               ScanReport* report, std::stop_token stop) const {
    const TimePoint cutoff = protectionCutoff(protectionDays, now);
    ProgressMeter meter(progress);
    DeveloperScanResult result;
    if (report) *report = {};
    for (auto& output : findBuildOutputs(meter, report, stop)) {
        if (stop.stop_requested()) break;
        // Measured where it was found, and only while it is still the folder that was found.
        const Path parent = output.folder.parent_path();
        const std::string name = output.folder.filename().native();
        meter.enter(output.name);
        UniqueFd fd(::open(parent.c_str(), kRootFlags));
        auto folderSt = fd ? statDescriptor(fd.get()) : std::nullopt;
        auto st = folderSt ? statEntry(fd.get(), name.c_str()) : std::nullopt;
        if (!st || st->dev != output.device || st->ino != output.inode) continue;
        const ByteCount size = st->isDirectory() ? FileSystemHelper::directorySize(
                                                       fd.get(), name.c_str(), output.folder, stop)
                                                 : st->allocatedSize;
        if (size <= 0) continue;
        DeveloperProject project;
        project.id = Uuid::random();
        project.name = std::move(output.name);
        project.url = std::move(output.folder);
        project.project = std::move(output.project);
        project.size = size;
        project.identity = identityOf(*st, folderSt->dev, folderSt->ino);
        result.projects.push_back(std::move(project));
    }
    for (auto& project : result.projects) {
        project.lastActivity = latestActivity(project.url);
        project.isActive = project.lastActivity > cutoff;
        project.isSelected = !project.isActive;
    }
    std::stable_sort(result.projects.begin(), result.projects.end(),
                     [](const DeveloperProject& a, const DeveloperProject& b) {
                         if (a.isActive != b.isActive) return !a.isActive;
                         return a.size > b.size;
                     });
    meter.finish();
    return result;
}

RemovalOutcome DeveloperCleanEngine::clean(const std::vector<DeveloperProject>& projects,
                                           std::stop_token stop) const {
    RemovalOutcome outcome;
    for (const auto& project : projects) {
        if (!project.isSelected || project.isActive) continue;
        if (stop.stop_requested()) {
            outcome.leave(project.url, LeftReason::stopped);
            continue;
        }
        const auto removed = removeListed(project);
        if (!removed) {
            outcome.leave(project.url, removed.reason);
            continue;
        }
        outcome.freed += project.size;
        ++outcome.done;
    }
    return outcome;
}

bool DeveloperCleanEngine::isHome(const FileStatus& st) const {
    // The home's path may be a link (to another disk), as a root's may.
    UniqueFd fd(::open(layout_.home.c_str(), kRootFlags));
    const auto home = fd ? statDescriptor(fd.get()) : std::nullopt;
    return !home || (home->dev == st.dev && home->ino == st.ino);
}

SafeRemover::Result DeveloperCleanEngine::removeListed(const DeveloperProject& project) const {
    const SafeRemover::Result changed{false, LeftReason::changed};
    // Not from a scan: nothing says what it was.
    if (!project.identity.known()) return changed;
    const std::string target = normalText(project.url);
    for (const Path& root : layout_.buildOutputFolders) {
        const std::string base = normalText(root);
        const auto parts = componentsBelow(base, target);
        if (parts.empty()) continue;
        // Only what a scan can list: a direct child of the IDE's folder, or a recognised output
        // the walk reached through folders that are not hidden.
        if (!layout_.findsProjectsByWalking && parts.size() != 1) return changed;
        if (layout_.findsProjectsByWalking) {
            if (!isOutputName(parts.back())) return changed;
            for (std::size_t i = 0; i + 1 < parts.size(); ++i)
                if (parts[i].front() == '.') return changed;
        }

        // Down from the root as the walk went: no link followed, no other mount entered.
        UniqueFd fd = openRoot(root, nullptr);
        auto rootStatus = fd ? statDescriptor(fd.get()) : std::nullopt;
        if (!rootStatus) return changed;
        if (layout_.findsProjectsByWalking && parts.size() == 1 && isHome(*rootStatus))
            return changed;
        for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
            auto st = statEntry(fd.get(), parts[i].c_str());
            if (!st || !st->isDirectory() || st->isMountRoot || st->dev != rootStatus->dev)
                return changed;
            UniqueFd next(openListedDirectory(fd.get(), parts[i].c_str(), *st));
            if (!next) return changed;
            fd = std::move(next);
        }
        // The folder reached must be the one it was listed in, and the entry the one listed,
        // unchanged since.
        const FileIdentity& listed = project.identity;
        auto folderSt = statDescriptor(fd.get());
        const std::string& name = parts.back();
        auto st = statEntry(fd.get(), name.c_str());
        if (!folderSt || folderSt->dev != listed.folderDevice ||
            folderSt->ino != listed.folderInode || !st || st->isSymlink() || !isStill(*st, listed))
            return changed;
        // Worked on since the scan (the folder or anything directly in it written): it stays.
        if (latestActivityAt(fd.get(), name.c_str()) > project.lastActivity) return changed;
        if (st->isDirectory() && (st->isMountRoot || st->dev != rootStatus->dev))
            return {false, LeftReason::otherFileSystem};
        // Removed relative to the very folder reached above, so no folder on the way can be
        // swapped for a link or another folder before it acts; it checks the entry once more.
        return SafeRemover::removeAt(fd.get(), name.c_str());
    }
    return changed;
}

}  // namespace tornivo
