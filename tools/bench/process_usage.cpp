#include "bench/process_usage.hpp"

#include <sys/resource.h>

#include <charconv>
#include <fstream>
#include <sstream>

namespace bench {

namespace {

// The number after "Key:" on its line, in kB as the kernel writes it; -1 if the key is missing.
long fieldKiB(std::string_view status, std::string_view key) {
    std::size_t at = 0;
    while ((at = status.find(key, at)) != std::string_view::npos) {
        const bool lineStart = at == 0 || status[at - 1] == '\n';
        const std::size_t after = at + key.size();
        if (lineStart && after < status.size() && status[after] == ':') {
            std::size_t digits = status.find_first_not_of(" \t", after + 1);
            if (digits == std::string_view::npos) return -1;
            long value = -1;
            const char* begin = status.data() + digits;
            const auto parsed = std::from_chars(begin, status.data() + status.size(), value);
            return parsed.ec == std::errc() ? value : -1;
        }
        at = after;
    }
    return -1;
}

double toMs(const timeval& time) { return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0; }

}  // namespace

MemoryUse parseProcStatus(std::string_view status) {
    return {.residentKiB = fieldKiB(status, "VmRSS"), .peakResidentKiB = fieldKiB(status, "VmHWM")};
}

MemoryUse memoryUse() {
    std::ifstream in("/proc/self/status");
    std::stringstream text;
    text << in.rdbuf();
    return parseProcStatus(text.str());
}

double processorMs() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return toMs(usage.ru_utime) + toMs(usage.ru_stime);
}

}  // namespace bench
