#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace tornivo {

bool makeFolders(const Path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return std::filesystem::is_directory(folder, ec);
}

UniqueFd lockExclusively(const Path& lockPath) {
    UniqueFd fd(retryOnInterrupt([&] {
        return ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                      0600);
    }));
    struct stat st {};
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return UniqueFd();
    if (retryOnInterrupt([&] { return ::flock(fd.get(), LOCK_EX); }) != 0) return UniqueFd();
    return fd;
}

bool replaceFile(const Path& file, std::string_view data) {
    std::string tmpl = file.native() + ".tmp-XXXXXX";
    const int fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool good = ::fchmod(fd, 0600) == 0 && writeAll(fd, data) && ::fsync(fd) == 0;
    good = (::close(fd) == 0) && good;
    if (!good || ::rename(tmpl.c_str(), file.c_str()) != 0) {
        ::unlink(tmpl.c_str());
        return false;
    }
    UniqueFd folder(::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder) ::fsync(folder.get());
    return true;
}

}  // namespace tornivo
