// Writing 16-bit PCM mono WAV files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

inline constexpr int kSampleRate = 22050;

// The bytes of a 16-bit PCM mono WAV file holding the samples.
std::vector<std::uint8_t> wavBytes(const std::vector<std::int16_t>& samples, int sampleRate = kSampleRate);

}  // namespace artgen
