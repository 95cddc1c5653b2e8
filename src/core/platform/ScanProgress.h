#pragma once
// How far a long scan has come, for a window or a terminal to show while it runs.
//
// The threads of a scan count what they meet in batches of their own and hand each batch to one
// ProgressMeter, which passes the figures on at marks (every kFilesEvery files, every
// kBytesEvery bytes read) and once more when the scan ends. Marks keep the calls few whatever
// the speed of the disk, and make them the same whatever the number of threads.

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "models/Types.h"

namespace tornivo {

class TreeWalker;

struct ScanProgress {
    std::int64_t files = 0;     // files met so far
    std::string folder;         // the name of the folder the scan is in; empty in the last report
    ByteCount bytesHashed = 0;  // contents read so far to compare files
    ByteCount bytesToHash = 0;  // the most the comparison reads, once it has started

    bool operator==(const ScanProgress&) const = default;
};

// Hears a scan's progress. Called from any thread, one call at a time, with figures that never
// go down; the last call comes when the scan is done, with the totals and no folder.
using ScanProgressCallback = std::function<void(const ScanProgress&)>;

class ProgressMeter {
  public:
    static constexpr std::int64_t kFilesEvery = 2'500;
    static constexpr ByteCount kBytesEvery = 32LL << 20;

    // An empty callback makes every call a cheap no-op.
    explicit ProgressMeter(ScanProgressCallback callback);
    ProgressMeter(const ProgressMeter&) = delete;
    ProgressMeter& operator=(const ProgressMeter&) = delete;

    bool active() const { return static_cast<bool>(callback_); }

    // Adds files met in `folder`, which later reports name, and reports each files mark they
    // reach, the mark as the count.
    // Returns how many files the count now lacks to its next mark.
    std::int64_t addFiles(std::int64_t files, std::string_view folder);
    // Reports that the scan moved on to `folder` (a step that counts no files).
    void enter(std::string_view folder);
    // Reports the most the comparison will read, as it starts.
    void startHashing(ByteCount bytesToHash);
    // Adds bytes read and reports each bytes mark they reach, the mark as the count.
    void addHashed(ByteCount bytes);
    // The last report: the totals and no folder. Only the first call reports.
    void finish();

  private:
    void report();  // with mutex_ held; nothing once finished

    ScanProgressCallback callback_;
    std::mutex mutex_;
    ScanProgress now_;
    bool finished_ = false;
};

// The name reports give a folder: its last component, a trailing slash ignored ("/" for the
// root).
std::string folderName(const Path& folder);

// The files one walking thread meets, handed to a meter in batches: few enough that progress
// still reads as continuous, many enough that the threads hardly ever meet at the meter's lock.
// A batch also ends at the count's next mark, so that a thread walking alone reports from the
// very file that reaches it.
class FileTally {
  public:
    static constexpr std::int64_t kBatch = 256;

    // `folder` is what a batch names until the walk has named one.
    explicit FileTally(ProgressMeter& meter, std::string folder = {});

    // One more file met by `walker`, in its current folder.
    void count(const TreeWalker& walker);
    // Hands what is left to the meter; call once the walk is over.
    void flush();

  private:
    ProgressMeter* meter_;
    std::string folder_;
    std::int64_t unreported_ = 0;
    std::int64_t flushAt_ = kBatch;
};

}  // namespace tornivo
