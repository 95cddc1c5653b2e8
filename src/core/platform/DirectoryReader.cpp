#include "platform/DirectoryReader.h"

#include "platform/Descriptor.h"

#include <dirent.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tornivo {

namespace {
struct LinuxDirent64 {
    std::uint64_t d_ino;
    std::int64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[];
};
}  // namespace

DirectoryReader::DirectoryReader() : buffer_(new std::byte[kBufferSize]) {}
DirectoryReader::~DirectoryReader() = default;

void DirectoryReader::reset(int fd) {
    fd_ = fd;
    pos_ = len_ = 0;
    failed_ = false;
}

bool DirectoryReader::next(Entry& out) {
    for (;;) {
        if (pos_ >= len_) {
            if (fd_ < 0) return false;
            const long n = retryOnInterrupt(
                [&] { return syscall(SYS_getdents64, fd_, buffer_.get(), kBufferSize); });
            if (n <= 0) {
                failed_ = n < 0;
                fd_ = -1;
                return false;
            }
            pos_ = 0;
            len_ = static_cast<std::size_t>(n);
        }
        auto* d = reinterpret_cast<LinuxDirent64*>(buffer_.get() + pos_);
        pos_ += d->d_reclen;
        const char* name = d->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
        out.name = name;
        out.length = std::strlen(name);
        out.type = d->d_type;
        return true;
    }
}

}  // namespace tornivo
