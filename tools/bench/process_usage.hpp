// What this process uses: resident memory now and at its peak, and processor time so far.
#pragma once

#include <string_view>

namespace bench {

struct MemoryUse {
    long residentKiB = -1;      // VmRSS; -1 when unknown
    long peakResidentKiB = -1;  // VmHWM
};

// The figures of a /proc/<pid>/status text.
MemoryUse parseProcStatus(std::string_view status);
// This process's figures.
MemoryUse memoryUse();
// User and system time of all threads of this process, in milliseconds.
double processorMs();

}  // namespace bench
