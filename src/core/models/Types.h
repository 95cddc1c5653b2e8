#pragma once
// Basic vocabulary shared by every record and engine.

#include <chrono>
#include <cstdint>
#include <filesystem>

namespace tornivo {

// A native file location: on POSIX, the exact bytes of the path. Never round-tripped through
// another encoding before a file operation.
using Path = std::filesystem::path;

using Clock = std::chrono::system_clock;
using TimePoint = Clock::time_point;

// A count of bytes, signed as everywhere in the program.
using ByteCount = std::int64_t;

}  // namespace tornivo
