// Small sound-synthesis kit: a float buffer, oscillators, noise, filters, envelopes and the loudness pass.
#pragma once

#include <cstdint>
#include <vector>

namespace artgen::synth {

using Buffer = std::vector<float>;

Buffer silence(double seconds);
// Adds `source` into `target` starting at `atSeconds`, scaled by `gain`.
void mixInto(Buffer& target, const Buffer& source, double atSeconds, float gain = 1.0f);

// Deterministic white noise.
Buffer noise(double seconds, std::uint32_t seed);
// A sine whose frequency glides from `from` to `to` Hz.
Buffer sine(double seconds, double from, double to);
// A bright buzz (sum of odd harmonics) at the frequency.
Buffer buzz(double seconds, double frequency, int harmonics);
// Exponentially decaying partials: a struck bell, bar or plate.
Buffer partials(double seconds, const std::vector<double>& frequencies, const std::vector<double>& decays,
                const std::vector<float>& gains);

// Envelopes.
void decay(Buffer& b, double timeConstantSeconds);
void attack(Buffer& b, double seconds);
void gate(Buffer& b, double fromSeconds, double toSeconds);

// Filters (two-pole state-variable; cutoff in Hz).
void lowPass(Buffer& b, double cutoff, double resonance = 0.7);
void highPass(Buffer& b, double cutoff, double resonance = 0.7);
void bandPass(Buffer& b, double centre, double resonance = 2.0);

// The finishing pass: one loudness for every sound, a soft limit against clipping, and short fades
// so that no sound starts or stops with a click.
std::vector<std::int16_t> finish(Buffer b);

}  // namespace artgen::synth
