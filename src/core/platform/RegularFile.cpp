#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>

#include "platform/Descriptor.h"

namespace tornivo {

std::string FileRead::problem() const {
    switch (status) {
        case Status::ok:
            return {};
        case Status::missing:
            return "does not exist";
        case Status::notRegular:
            return "is not a regular file";
        case Status::tooLarge:
            return "is too large";
        case Status::failed:
            break;
    }
    return std::string("cannot be read: ") + std::strerror(error);
}

FileRead readRegularFile(int dirfd, const char* name, off_t limit, bool followLink) {
    FileRead result;
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW);
    UniqueFd fd(retryOnInterrupt([&] { return ::openat(dirfd, name, flags); }));
    if (!fd) {
        result.status = errno == ENOENT                 ? FileRead::Status::missing
                        : errno == ELOOP && !followLink ? FileRead::Status::notRegular
                                                        : FileRead::Status::failed;
        result.error = errno;
        return result;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        result.error = errno;
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.status = FileRead::Status::notRegular;
        return result;
    }
    if (st.st_size > limit) {
        result.status = FileRead::Status::tooLarge;
        return result;
    }
    // The size may grow while it is read (files in /proc report 0): read to the end, but never
    // past the limit.
    char buffer[16384];
    for (;;) {
        const ssize_t n = retryOnInterrupt([&] { return ::read(fd.get(), buffer, sizeof buffer); });
        if (n < 0) {
            result.error = errno;
            result.text.clear();
            return result;
        }
        if (n == 0) break;
        if (static_cast<off_t>(result.text.size()) + n > limit) {
            result.status = FileRead::Status::tooLarge;
            result.text.clear();
            return result;
        }
        result.text.append(buffer, static_cast<std::size_t>(n));
    }
    result.status = FileRead::Status::ok;
    return result;
}

}  // namespace tornivo
