// Fuzzes the data.dat reader: any bytes give an answer, never a crash, and agree with a file read.
#include "checkpoint/checkpoint_file.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool fromText = checkpoint::textHoldsOne(text);
    char path[] = "/tmp/kvelnor-fuzz-XXXXXX";
    const int fd = ::mkstemp(path);
    if (fd < 0) return 0;
    if (::write(fd, data, size) != static_cast<ssize_t>(size)) {
        ::close(fd);
        ::unlink(path);
        return 0;
    }
    ::close(fd);
    const checkpoint::ReadResult read = checkpoint::readFile(path);
    ::unlink(path);
    if (!read.opened || read.holdsOne != fromText) __builtin_trap();
    return 0;
}
