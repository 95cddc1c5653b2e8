#pragma once
// The progress line of a long scan on standard error: redrawn in place a few times a second
// with the time spent so far, and erased when the scan ends. Only drawn when standard error is
// a terminal; otherwise every call does nothing and no thread is started.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "platform/ScanProgress.h"

namespace tornivo::cli {

class ProgressLine {
  public:
    explicit ProgressLine(bool enabled);
    ~ProgressLine();  // erases the line
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Shows a new text at once. Safe from any thread.
    void set(std::string text);
    // Erases the line and stops redrawing.
    void finish();

  private:
    void run();
    void draw();  // with mutex_ held

    bool enabled_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::string text_;
    std::chrono::steady_clock::time_point start_;
    std::thread ticker_;
};

// A scan's progress as a line: "Counted 12,345 files, in Music", and once the comparison of
// contents has begun, "Compared 1.2 GB of 3.4 GB of files that share a size".
std::string progressText(const ScanProgress& progress, const std::string& locale);

// A callback that shows a scan's progress on `line`, or none when the line is not drawn, so that
// a scan nobody watches does not count for it.
ScanProgressCallback showOn(ProgressLine& line, bool enabled, std::string locale);

}  // namespace tornivo::cli
