#include "platform/ScanProgress.h"

#include <algorithm>
#include <utility>

#include "platform/TreeWalker.h"

namespace tornivo {

ProgressMeter::ProgressMeter(ScanProgressCallback callback) : callback_(std::move(callback)) {}

std::int64_t ProgressMeter::addFiles(std::int64_t files, std::string_view folder) {
    if (!callback_) return kFilesEvery;
    std::lock_guard lock(mutex_);
    const std::int64_t before = now_.files;
    const std::int64_t total = before + files;
    now_.folder.assign(folder);
    for (std::int64_t mark = (before / kFilesEvery + 1) * kFilesEvery; mark <= total;
         mark += kFilesEvery) {
        now_.files = mark;
        report();
    }
    now_.files = total;
    return kFilesEvery - total % kFilesEvery;
}

void ProgressMeter::enter(std::string_view folder) {
    if (!callback_) return;
    std::lock_guard lock(mutex_);
    now_.folder.assign(folder);
    report();
}

void ProgressMeter::startHashing(ByteCount bytesToHash) {
    if (!callback_) return;
    std::lock_guard lock(mutex_);
    now_.bytesToHash = std::max(now_.bytesToHash, bytesToHash);
    report();
}

void ProgressMeter::addHashed(ByteCount bytes) {
    if (!callback_ || bytes <= 0) return;
    std::lock_guard lock(mutex_);
    const ByteCount before = now_.bytesHashed;
    const ByteCount total = before + bytes;
    for (ByteCount mark = (before / kBytesEvery + 1) * kBytesEvery; mark <= total;
         mark += kBytesEvery) {
        now_.bytesHashed = mark;
        report();
    }
    now_.bytesHashed = total;
}

void ProgressMeter::finish() {
    if (!callback_) return;
    std::lock_guard lock(mutex_);
    if (finished_) return;
    now_.folder.clear();
    report();
    finished_ = true;
}

void ProgressMeter::report() {
    if (!finished_) callback_(now_);
}

std::string folderName(const Path& folder) {
    const Path normal = folder.lexically_normal();
    std::string name = normal.filename().native();
    if (name.empty()) name = normal.parent_path().filename().native();
    return name.empty() ? normal.root_path().native() : name;
}

FileTally::FileTally(ProgressMeter& meter, std::string folder)
    : meter_(&meter), folder_(std::move(folder)) {}

void FileTally::count(const TreeWalker& walker) {
    if (++unreported_ < flushAt_) return;
    folder_.assign(walker.currentFolderName());
    flush();
}

void FileTally::flush() {
    const std::int64_t toMark = meter_->addFiles(unreported_, folder_);
    unreported_ = 0;
    flushAt_ = std::min(kBatch, toMark);
}

}  // namespace tornivo
