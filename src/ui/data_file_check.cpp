#include "ui/data_file_check.hpp"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace ui {

namespace {

// Enough chunks for any real WAV file before its data; a file of endless tiny chunks is broken.
constexpr int kMaxChunksBeforeData = 64;

std::uint32_t le16(const unsigned char* p) { return static_cast<std::uint32_t>(p[0] | (p[1] << 8)); }
std::uint32_t le32(const unsigned char* p) { return le16(p) | (le16(p + 2) << 16); }
std::int32_t signed32(const unsigned char* p) { return static_cast<std::int32_t>(le32(p)); }

bool endsWith(const std::string& s, const char* suffix) {
    const std::string tail(suffix);
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

template <std::size_t N>
bool readAt(std::ifstream& in, std::uint64_t offset, std::array<unsigned char, N>& bytes) {
    in.seekg(static_cast<std::streamoff>(offset));
    return static_cast<bool>(in.read(reinterpret_cast<char*>(bytes.data()), N));
}

// The file header (14 bytes), then an info header: the old core one of 12 bytes or one of 40 to
// 124 bytes; the pixel rows (or their coded form) must all lie in the file.
bool bitmapIsWhole(std::ifstream& in, std::uint64_t size) {
    std::array<unsigned char, 26> core{};
    if (size < core.size() || !readAt(in, 0, core) || core[0] != 'B' || core[1] != 'M') return false;
    const std::uint64_t pixelsAt = le32(core.data() + 10);
    const std::uint32_t infoSize = le32(core.data() + 14);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    if (infoSize == 12) {
        width = le16(core.data() + 18);
        height = le16(core.data() + 20);
        if (le16(core.data() + 22) != 1) return false;
        bits = le16(core.data() + 24);
    } else if (infoSize >= 40 && infoSize <= 124) {
        std::array<unsigned char, 40> info{};
        if (!readAt(in, 14, info)) return false;
        width = signed32(info.data() + 4);
        height = signed32(info.data() + 8);
        if (le16(info.data() + 12) != 1) return false;
        bits = le16(info.data() + 14);
        compression = le32(info.data() + 16);
        imageSize = le32(info.data() + 20);
    } else {
        return false;
    }
    if (height < 0) height = -height;  // rows stored top-down
    if (width <= 0 || height <= 0) return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
    if (pixelsAt < 14 + static_cast<std::uint64_t>(infoSize) || pixelsAt >= size) return false;
    const std::uint64_t available = size - pixelsAt;
    switch (compression) {
        case 0:  // uncompressed
        case 3:  // bit fields
        case 6: {  // bit fields with alpha
            const std::uint64_t row = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
            return static_cast<std::uint64_t>(height) <= available / row;
        }
        case 1:  // run-length coded: the coded size, when given, must be there
        case 2:
            return imageSize <= available;
        default:
            return false;
    }
}

// The RIFF form WAVE with a "fmt " chunk the game can play and a "data" chunk that is all there.
bool waveIsWhole(std::ifstream& in, std::uint64_t size) {
    std::array<unsigned char, 12> riff{};
    if (size < 12 || !readAt(in, 0, riff)) return false;
    if (std::string(riff.begin(), riff.begin() + 4) != "RIFF" || std::string(riff.begin() + 8, riff.end()) != "WAVE")
        return false;
    bool format = false;
    std::uint64_t at = 12;
    for (int chunk = 0; chunk < kMaxChunksBeforeData && at + 8 <= size; ++chunk) {
        std::array<unsigned char, 8> head{};
        if (!readAt(in, at, head)) return false;
        const std::string id(head.begin(), head.begin() + 4);
        const std::uint64_t length = le32(head.data() + 4);
        const std::uint64_t body = at + 8;
        if (length > size - body) return false;  // announced, but cut off
        if (id == "fmt ") {
            std::array<unsigned char, 16> f{};
            if (length < 16 || !readAt(in, body, f)) return false;
            const std::uint32_t tag = le16(f.data());
            const std::uint32_t channels = le16(f.data() + 2);
            const std::uint32_t rate = le32(f.data() + 4);
            const std::uint32_t byteRate = le32(f.data() + 8);
            const std::uint32_t blockAlign = le16(f.data() + 12);
            const std::uint32_t bits = le16(f.data() + 14);
            const bool knownTag = tag == 1 || tag == 3 || tag == 0xFFFE;  // PCM, float, extensible
            const bool knownBits = bits == 8 || bits == 16 || bits == 24 || bits == 32;
            if (!knownTag || !knownBits || channels < 1 || channels > 8 || rate < 1 || rate > 384000) return false;
            if (blockAlign != channels * bits / 8 || byteRate != rate * blockAlign) return false;
            format = true;
        } else if (id == "data") {
            return format && length > 0;
        }
        at = body + length + (length & 1);  // chunks are padded to an even length
    }
    return false;
}

}  // namespace

FileHealth checkDataFile(const std::string& path) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) return FileHealth::Missing;
    if (!std::filesystem::is_regular_file(status)) return FileHealth::Unreadable;
    const std::uint64_t size = std::filesystem::file_size(path, ec);
    std::ifstream in(path, std::ios::binary);
    if (ec || !in) return FileHealth::Unreadable;
    bool whole = true;
    if (endsWith(path, ".bmp")) whole = bitmapIsWhole(in, size);
    else if (endsWith(path, ".wav")) whole = waveIsWhole(in, size);
    return whole ? FileHealth::Readable : FileHealth::Unreadable;
}

}  // namespace ui
