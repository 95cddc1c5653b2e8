#pragma once
// Live figures of the machine: processor, memory and the home folder's disk.

#include "models/Types.h"

namespace tornivo {

struct SystemStats {
    double memoryUsedFraction = 0;
    ByteCount memoryUsedBytes = 0;
    ByteCount memoryTotalBytes = 0;
    double cpuUsageFraction = 0;
    double diskUsedFraction = 0;
    ByteCount diskUsedBytes = 0;
    ByteCount diskTotalBytes = 0;

    bool operator==(const SystemStats&) const = default;
};

}  // namespace tornivo
