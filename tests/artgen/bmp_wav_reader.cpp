// Header parsing for the 24-bit bitmaps and 16-bit PCM waves artgen writes.
#include "bmp_wav_reader.hpp"

#include <cstring>
#include <fstream>
#include <iterator>

namespace artgen_test {

namespace {

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 | static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace

std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Bitmap::rgb(int x, int y) const {
    const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
    return static_cast<std::uint32_t>(pixels[at + 2]) << 16 | static_cast<std::uint32_t>(pixels[at + 1]) << 8 | pixels[at];
}

std::optional<Bitmap> readBitmap(const std::vector<std::uint8_t>& b) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    const std::uint32_t offset = le32(b, 10);
    Bitmap bmp;
    bmp.width = static_cast<int>(le32(b, 18));
    const auto rawHeight = static_cast<std::int32_t>(le32(b, 22));
    bmp.bitsPerPixel = le16(b, 28);
    const std::uint32_t compression = le32(b, 30);
    if (bmp.bitsPerPixel != 24 || compression != 0 || bmp.width <= 0 || rawHeight == 0) return std::nullopt;
    const bool bottomUp = rawHeight > 0;
    bmp.height = bottomUp ? rawHeight : -rawHeight;
    const std::size_t stride = (static_cast<std::size_t>(bmp.width) * 3 + 3) / 4 * 4;
    if (b.size() < offset + stride * static_cast<std::size_t>(bmp.height)) return std::nullopt;
    bmp.pixels.resize(static_cast<std::size_t>(bmp.width) * static_cast<std::size_t>(bmp.height) * 3);
    for (int y = 0; y < bmp.height; ++y) {
        const int fileRow = bottomUp ? bmp.height - 1 - y : y;
        std::memcpy(&bmp.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(bmp.width) * 3],
                    &b[offset + static_cast<std::size_t>(fileRow) * stride], static_cast<std::size_t>(bmp.width) * 3);
    }
    return bmp;
}

std::optional<Wave> readWave(const std::vector<std::uint8_t>& b) {
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) return std::nullopt;
    Wave w;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::uint32_t size = le32(b, at + 4);
        const std::size_t body = at + 8;
        if (body + size > b.size()) return std::nullopt;
        if (std::memcmp(b.data() + at, "fmt ", 4) == 0 && size >= 16) {
            w.format = le16(b, body);
            w.channels = le16(b, body + 2);
            w.sampleRate = static_cast<int>(le32(b, body + 4));
            w.bitsPerSample = le16(b, body + 14);
            haveFormat = true;
        } else if (std::memcmp(b.data() + at, "data", 4) == 0 && haveFormat && w.bitsPerSample == 16) {
            w.samples.resize(size / 2);
            for (std::size_t i = 0; i < w.samples.size(); ++i) w.samples[i] = static_cast<std::int16_t>(le16(b, body + i * 2));
            return w;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace artgen_test
