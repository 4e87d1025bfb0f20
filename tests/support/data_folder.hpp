// Small but whole picture and sound files under the names the game loads, so a test can start
// the game with a data folder that passes the start-up check, then spoil single files.
#pragma once

#include "app/data_files.hpp"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kvtest {

inline void putLittleEndian(std::vector<char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// An uncompressed 24-bit Windows bitmap of one colour (bottom-up rows, each padded to 4 bytes).
inline std::vector<char> bitmapBytes(int width, int height, std::uint32_t rgb = 0x336699) {
    const std::uint32_t row = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::uint32_t pixels = row * static_cast<std::uint32_t>(height);
    std::vector<char> out{'B', 'M'};
    putLittleEndian(out, 54 + pixels, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, 54, 4);
    putLittleEndian(out, 40, 4);
    putLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(height), 4);
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, 24, 2);
    for (int i = 0; i < 6; ++i) putLittleEndian(out, 0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) putLittleEndian(out, rgb, 3);
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < row; ++pad) out.push_back(0);
    }
    return out;
}

// A black and white bitmap, one bit a pixel: a large picture in a small file.
inline std::vector<char> monochromeBitmapBytes(int width, int height) {
    const std::uint32_t row = (static_cast<std::uint32_t>(width) + 31) / 32 * 4;
    const std::uint32_t pixels = row * static_cast<std::uint32_t>(height);
    constexpr std::uint32_t kPixelsAt = 54 + 8;  // two palette entries
    std::vector<char> out{'B', 'M'};
    putLittleEndian(out, kPixelsAt + pixels, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, kPixelsAt, 4);
    putLittleEndian(out, 40, 4);
    putLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(height), 4);
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, pixels, 4);
    putLittleEndian(out, 2835, 4);
    putLittleEndian(out, 2835, 4);
    putLittleEndian(out, 2, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, 0x000000, 4);
    putLittleEndian(out, 0xFFFFFF, 4);
    out.insert(out.end(), pixels, '\x55');
    return out;
}

// A 16-bit mono PCM WAV file of `samples` samples of silence.
inline std::vector<char> waveBytes(std::uint32_t samples = 8) {
    std::vector<char> out{'R', 'I', 'F', 'F'};
    putLittleEndian(out, 36 + samples * 2, 4);
    for (const char c : std::string("WAVEfmt ")) out.push_back(c);
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2);  // PCM
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, 8000, 4);
    putLittleEndian(out, 16000, 4);
    putLittleEndian(out, 2, 2);
    putLittleEndian(out, 16, 2);
    for (const char c : std::string("data")) out.push_back(c);
    putLittleEndian(out, samples * 2, 4);
    out.insert(out.end(), samples * 2, 0);
    return out;
}

inline void writeBytes(const std::filesystem::path& file, const std::vector<char>& bytes) {
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Every file the game names, under root: 2 x 2 bitmaps and short silent sounds.
inline void writeDataFolder(const std::filesystem::path& root) {
    for (const std::string_view name : app::kAllDataFiles) {
        const std::filesystem::path file = root / name;
        writeBytes(file, file.extension() == ".wav" ? waveBytes() : bitmapBytes(2, 2));
    }
}

}  // namespace kvtest
