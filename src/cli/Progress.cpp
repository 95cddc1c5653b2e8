#include "Progress.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include "Output.h"
#include "platform/ByteFormatter.h"

namespace tornivo::cli {

namespace {
constexpr auto kRedrawEvery = std::chrono::milliseconds(200);

void writeAll(const std::string& text) {
    std::string_view rest(text);
    while (!rest.empty()) {
        const ssize_t n = ::write(STDERR_FILENO, rest.data(), rest.size());
        if (n <= 0) return;  // a closed terminal: progress is not worth failing for
        rest.remove_prefix(static_cast<std::size_t>(n));
    }
}

std::size_t terminalColumns() {
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
}
}  // namespace

ProgressLine::ProgressLine(bool enabled)
    : enabled_(enabled), start_(std::chrono::steady_clock::now()) {
    if (enabled_) ticker_ = std::thread([this] { run(); });
}

ProgressLine::~ProgressLine() {
    finish();
}

void ProgressLine::set(std::string text) {
    if (!enabled_) return;
    std::lock_guard lock(mutex_);
    text_ = std::move(text);
    draw();
}

void ProgressLine::finish() {
    if (!enabled_) return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (ticker_.joinable()) ticker_.join();
    writeAll("\r\033[K");
    enabled_ = false;
}

void ProgressLine::run() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        draw();
        wake_.wait_for(lock, kRedrawEvery, [this] { return stopping_; });
    }
}

void ProgressLine::draw() {
    if (text_.empty()) return;
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start_)
            .count();
    const std::string line = std::to_string(elapsed) + " s  " + text_;
    // One column is kept free so that the cursor never wraps to a new line.
    writeAll("\r\033[K" + fitWidth(line, terminalColumns() - 1));
}

std::string progressText(const ScanProgress& progress, const std::string& locale) {
    if (progress.bytesToHash > 0)
        return "Compared " + formatBytes(progress.bytesHashed, locale) + " of " +
               formatBytes(progress.bytesToHash, locale) + " of files that share a size";
    std::string text = "Counted " + counted(progress.files, "file", "files", locale);
    if (!progress.folder.empty()) text += ", in " + terminalText(progress.folder);
    return text;
}

ScanProgressCallback showOn(ProgressLine& line, bool enabled, std::string locale) {
    if (!enabled) return {};
    return [&line, locale = std::move(locale)](const ScanProgress& progress) {
        line.set(progressText(progress, locale));
    };
}

}  // namespace tornivo::cli
