#pragma once
// Lists an open directory with getdents64 into one reusable buffer: no allocation per entry.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace tornivo {

class DirectoryReader {
  public:
    struct Entry {
        const char* name;  // NUL-terminated, valid until the next call to next()
        std::size_t length;
        unsigned char type;  // DT_* value, DT_UNKNOWN when the file system does not say
    };

    DirectoryReader();
    ~DirectoryReader();
    DirectoryReader(const DirectoryReader&) = delete;
    DirectoryReader& operator=(const DirectoryReader&) = delete;

    // Starts reading `fd` from its current position; the descriptor stays owned by the caller.
    void reset(int fd);
    // The next entry other than "." and "..". False at the end or after an error.
    bool next(Entry& out);
    // Whether reading stopped on an error rather than at the end.
    bool failed() const { return failed_; }

  private:
    static constexpr std::size_t kBufferSize = 64 * 1024;
    std::unique_ptr<std::byte[]> buffer_;
    int fd_ = -1;
    std::size_t pos_ = 0, len_ = 0;
    bool failed_ = false;
};

}  // namespace tornivo
