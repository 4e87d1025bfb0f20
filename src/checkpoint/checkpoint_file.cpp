#include "checkpoint/checkpoint_file.hpp"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <unistd.h>

namespace checkpoint {

namespace {

bool isSpace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isDigit(int c) { return c >= '0' && c <= '9'; }

// Scans "%d" from a character source (next() returns EOF at the end). Only whether the
// number is 1 matters, so digits are compared rather than added up: no overflow, whatever
// the length of the number.
bool scanHoldsOne(const std::function<int()>& next) {
    int c = next();
    while (isSpace(c)) c = next();
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = next();
    }
    if (!isDigit(c)) return false;
    while (c == '0') c = next();  // leading zeros: "001" is 1
    if (c != '1') return false;
    c = next();
    return !isDigit(c) && !negative;
}

}  // namespace

bool textHoldsOne(std::string_view text) {
    std::size_t i = 0;
    return scanHoldsOne([&] { return i < text.size() ? static_cast<unsigned char>(text[i++]) : EOF; });
}

ReadResult readFile(const std::string& path) {
    ReadResult result;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return result;
    std::FILE* f = std::fopen(path.c_str(), "r");
    if (f == nullptr) return result;
    result.opened = true;
    result.holdsOne = scanHoldsOne([f] { return std::fgetc(f); });
    result.closeFailed = std::fclose(f) != 0;
    return result;
}

WriteResult writeFile(const std::string& path, const std::function<void()>& beforeRename) {
    const std::string temporary = path + ".tmp";
    std::FILE* f = std::fopen(temporary.c_str(), "w");
    if (f == nullptr) return WriteResult::OpenFailed;
    std::fprintf(f, "%d", 1);
    bool ok = std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0;
    ok = std::fclose(f) == 0 && ok;
    if (!ok) {
        std::remove(temporary.c_str());
        return WriteResult::CloseFailed;
    }
    if (beforeRename) beforeRename();
    // The checkpoint itself could not be replaced (a directory of that name, say).
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return WriteResult::OpenFailed;
    }
    return WriteResult::Written;
}

}  // namespace checkpoint
