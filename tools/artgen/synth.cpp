// Oscillators, filters, envelopes and the loudness pass of the sound kit.
#include "synth.hpp"

#include "wav.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artgen::synth {

namespace {

std::size_t samplesFor(double seconds) { return static_cast<std::size_t>(std::max(0.0, seconds) * kSampleRate); }

// The state-variable filter; `mode` 0 low, 1 high, 2 band.
void svf(Buffer& b, double cutoff, double resonance, int mode) {
    const double f = 2.0 * std::sin(std::numbers::pi * std::min(cutoff, kSampleRate * 0.24) / kSampleRate);
    const double q = 1.0 / std::max(0.5, resonance);
    double low = 0;
    double band = 0;
    for (float& s : b) {
        // Two passes per sample keep the filter stable near the top of the range.
        double high = 0;
        for (int i = 0; i < 2; ++i) {
            low += f * 0.5 * band;
            high = s - low - q * band;
            band += f * 0.5 * high;
        }
        s = static_cast<float>(mode == 0 ? low : mode == 1 ? high : band);
    }
}

}  // namespace

Buffer silence(double seconds) { return Buffer(samplesFor(seconds), 0.0f); }

void mixInto(Buffer& target, const Buffer& source, double atSeconds, float gain) {
    const std::size_t start = samplesFor(atSeconds);
    if (target.size() < start + source.size()) target.resize(start + source.size(), 0.0f);
    for (std::size_t i = 0; i < source.size(); ++i) target[start + i] += source[i] * gain;
}

Buffer noise(double seconds, std::uint32_t seed) {
    Buffer b(samplesFor(seconds));
    std::uint32_t state = seed * 747796405u + 2891336453u;
    for (float& s : b) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        s = static_cast<float>(state % 20001u) / 10000.0f - 1.0f;
    }
    return b;
}

Buffer sine(double seconds, double from, double to) {
    Buffer b(samplesFor(seconds));
    double phase = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = b.size() > 1 ? static_cast<double>(i) / static_cast<double>(b.size() - 1) : 0.0;
        phase += 2 * std::numbers::pi * (from + (to - from) * t) / kSampleRate;
        b[i] = static_cast<float>(std::sin(phase));
    }
    return b;
}

Buffer buzz(double seconds, double frequency, int harmonics) {
    Buffer b(samplesFor(seconds));
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double v = 0;
        for (int h = 1; h <= harmonics; h += 2) v += std::sin(2 * std::numbers::pi * frequency * h * t) / h;
        b[i] = static_cast<float>(v * 0.8);
    }
    return b;
}

Buffer partials(double seconds, const std::vector<double>& frequencies, const std::vector<double>& decays,
                const std::vector<float>& gains) {
    Buffer b(samplesFor(seconds));
    for (std::size_t k = 0; k < frequencies.size(); ++k) {
        for (std::size_t i = 0; i < b.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            b[i] += gains[k] * static_cast<float>(std::sin(2 * std::numbers::pi * frequencies[k] * t) * std::exp(-t / decays[k]));
        }
    }
    return b;
}

void decay(Buffer& b, double timeConstantSeconds) {
    for (std::size_t i = 0; i < b.size(); ++i) b[i] *= static_cast<float>(std::exp(-static_cast<double>(i) / kSampleRate / timeConstantSeconds));
}

void attack(Buffer& b, double seconds) {
    const std::size_t n = std::min(b.size(), samplesFor(seconds));
    for (std::size_t i = 0; i < n; ++i) b[i] *= static_cast<float>(i) / static_cast<float>(std::max<std::size_t>(1, n));
}

void gate(Buffer& b, double fromSeconds, double toSeconds) {
    const std::size_t from = samplesFor(fromSeconds);
    const std::size_t to = samplesFor(toSeconds);
    for (std::size_t i = 0; i < b.size(); ++i)
        if (i < from || i >= to) b[i] = 0.0f;
}

void lowPass(Buffer& b, double cutoff, double resonance) { svf(b, cutoff, resonance, 0); }
void highPass(Buffer& b, double cutoff, double resonance) { svf(b, cutoff, resonance, 1); }
void bandPass(Buffer& b, double centre, double resonance) { svf(b, centre, resonance, 2); }

std::vector<std::int16_t> finish(Buffer b) {
    // Loudness: the RMS over the 50 ms window where the sound is loudest, brought to one target,
    // so short clicks and long whirs sound equally loud. The soft limiter that keeps peaks from
    // clipping lowers that RMS again, so the gain is refined over a few rounds.
    const std::size_t window = samplesFor(0.05);
    auto loudest = [window](const Buffer& x) {
        double best = 1e-12;
        double running = 0;
        for (std::size_t i = 0; i < x.size(); ++i) {
            running += static_cast<double>(x[i]) * x[i];
            if (i >= window) running -= static_cast<double>(x[i - window]) * x[i - window];
            best = std::max(best, running / static_cast<double>(window));
        }
        return std::sqrt(best);
    };
    constexpr double kTargetRms = 0.22;
    constexpr float kLimit = 0.97f;
    auto limited = [](const Buffer& x, double gain) {
        Buffer out(x.size());
        for (std::size_t i = 0; i < x.size(); ++i) out[i] = kLimit * std::tanh(static_cast<float>(x[i] * gain) / kLimit);
        return out;
    };
    double gain = kTargetRms / loudest(b);
    for (int round = 0; round < 6; ++round) gain *= kTargetRms / loudest(limited(b, gain));
    b = limited(b, gain);
    // Fades: 4 ms in, 15 ms out, each ending exactly at silence.
    const std::size_t in = std::min(b.size(), samplesFor(0.004));
    const std::size_t out = std::min(b.size(), samplesFor(0.015));
    for (std::size_t i = 0; i < in; ++i) b[i] *= static_cast<float>(i) / static_cast<float>(in);
    for (std::size_t i = 0; i < out; ++i) b[b.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
    std::vector<std::int16_t> pcm(b.size());
    for (std::size_t i = 0; i < b.size(); ++i)
        pcm[i] = static_cast<std::int16_t>(std::lround(std::clamp(b[i], -1.0f, 1.0f) * 32000.0f));
    return pcm;
}

}  // namespace artgen::synth
