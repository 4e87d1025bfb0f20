// Reading resident memory from the kernel's status text.
#include "bench/process_usage.hpp"

#include <gtest/gtest.h>

namespace {

TEST(ProcessUsage, ReadsResidentAndPeakInKiB) {
    const bench::MemoryUse use =
        bench::parseProcStatus("Name:\tkvelnor\nVmPeak:\t  900000 kB\nVmHWM:\t   46712 kB\nVmRSS:\t   38012 kB\n");
    EXPECT_EQ(use.residentKiB, 38012);
    EXPECT_EQ(use.peakResidentKiB, 46712);
}

TEST(ProcessUsage, AKeyInsideAnotherLineIsNotTheKey) {
    const bench::MemoryUse use = bench::parseProcStatus("Name:\tVmRSS\nXVmHWM:\t5 kB\n");
    EXPECT_EQ(use.residentKiB, -1);
    EXPECT_EQ(use.peakResidentKiB, -1);
}

TEST(ProcessUsage, ThisProcessHasMemoryAndPeakIsNeverBelowNow) {
    const bench::MemoryUse use = bench::memoryUse();
    EXPECT_GT(use.residentKiB, 0);
    EXPECT_GE(use.peakResidentKiB, use.residentKiB);
    EXPECT_GE(bench::processorMs(), 0);
}

}  // namespace
