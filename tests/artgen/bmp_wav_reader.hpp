// Reads just enough of a BMP or WAV file to check what artgen wrote.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace artgen_test {

std::vector<std::uint8_t> readFile(const std::filesystem::path& path);

struct Bitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    // Rows top to bottom, three bytes (blue, green, red) per pixel, no padding.
    std::vector<std::uint8_t> pixels;
    [[nodiscard]] std::uint32_t rgb(int x, int y) const;
};

// Nullopt when the bytes are not an uncompressed 24-bit Windows bitmap.
std::optional<Bitmap> readBitmap(const std::vector<std::uint8_t>& bytes);

struct Wave {
    int format = 0;  // 1 is PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;
};

std::optional<Wave> readWave(const std::vector<std::uint8_t>& bytes);

}  // namespace artgen_test
