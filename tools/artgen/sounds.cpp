// The game's sounds, synthesised: typewriter keys, cash machine, till, hammer, shot and the notebook set down.
#include "catalogue.hpp"
#include "synth.hpp"

#include "app/data_files.hpp"

namespace artgen {

namespace {

using synth::Buffer;

// One typewriter key: the sharp strike of the type bar, the thud of the platen and a short metallic ring.
// The four keys differ in pitch, weight and ring so a typed caption sounds alive.
struct KeyVoice {
    double strikeHz;
    double thudHz;
    double ringHz;
    float ring;
    std::uint32_t seed;
};

Buffer typewriterKey(const KeyVoice& v) {
    Buffer out = synth::silence(0.14);
    Buffer strike = synth::noise(0.012, v.seed);
    synth::bandPass(strike, v.strikeHz, 1.5);
    synth::decay(strike, 0.003);
    synth::mixInto(out, strike, 0.0, 2.2f);
    Buffer thud = synth::sine(0.06, v.thudHz * 1.4, v.thudHz);
    synth::decay(thud, 0.012);
    synth::mixInto(out, thud, 0.004, 0.55f);
    Buffer ring = synth::partials(0.1, {v.ringHz, v.ringHz * 2.76}, {0.018, 0.01}, {1.0f, 0.4f});
    synth::mixInto(out, ring, 0.003, v.ring);
    // The key returning a moment later.
    Buffer release = synth::noise(0.006, v.seed + 7);
    synth::highPass(release, 2500);
    synth::decay(release, 0.0015);
    synth::mixInto(out, release, 0.065, 0.5f);
    return out;
}

Buffer beep(double seconds, double hz) {
    Buffer b = synth::sine(seconds, hz, hz);
    Buffer over = synth::sine(seconds, hz * 2, hz * 2);
    synth::mixInto(b, over, 0, 0.15f);
    synth::attack(b, 0.005);
    for (std::size_t i = 0; i < 200 && i < b.size(); ++i) b[b.size() - 1 - i] *= static_cast<float>(i) / 200.0f;
    return b;
}

// The cash machine: two beeps, the note counter whirring and flicking, the notes pushed out, a last beep.
Buffer cashMachine() {
    Buffer out = synth::silence(2.4);
    synth::mixInto(out, beep(0.11, 1180), 0.02, 0.35f);
    synth::mixInto(out, beep(0.11, 1180), 0.2, 0.35f);
    Buffer motor = synth::buzz(1.3, 96, 9);
    Buffer hiss = synth::noise(1.3, 11);
    synth::bandPass(hiss, 900, 1.2);
    synth::mixInto(motor, hiss, 0, 0.4f);
    synth::lowPass(motor, 1600);
    synth::attack(motor, 0.08);
    for (std::size_t i = 0; i < 1200 && i < motor.size(); ++i) motor[motor.size() - 1 - i] *= static_cast<float>(i) / 1200.0f;
    synth::mixInto(out, motor, 0.45, 0.35f);
    for (int note = 0; note < 14; ++note) {
        Buffer flick = synth::noise(0.02, 40 + static_cast<std::uint32_t>(note));
        synth::bandPass(flick, 3200, 1.3);
        synth::decay(flick, 0.004);
        synth::mixInto(out, flick, 0.55 + note * 0.075, 0.9f);
    }
    Buffer push = synth::noise(0.25, 77);
    synth::lowPass(push, 700);
    synth::attack(push, 0.05);
    synth::decay(push, 0.08);
    synth::mixInto(out, push, 1.78, 0.6f);
    synth::mixInto(out, beep(0.18, 1480), 2.12, 0.35f);
    return out;
}

// The till: keys pressed, the bell ringing and the drawer sliding open.
Buffer till() {
    Buffer out = synth::silence(1.6);
    const double keys[] = {0.0, 0.12, 0.22};
    for (int i = 0; i < 3; ++i) {
        Buffer k = typewriterKey({1900.0 + i * 300, 160, 1500, 0.2f, 90u + static_cast<std::uint32_t>(i)});
        synth::mixInto(out, k, keys[i], 0.8f);
    }
    Buffer bell = synth::partials(1.2, {2093, 2637, 3951, 5274}, {0.45, 0.3, 0.2, 0.12}, {1.0f, 0.6f, 0.35f, 0.2f});
    synth::attack(bell, 0.002);
    synth::mixInto(out, bell, 0.36, 0.45f);
    Buffer drawer = synth::noise(0.28, 5);
    synth::bandPass(drawer, 500, 1.0);
    synth::attack(drawer, 0.03);
    synth::decay(drawer, 0.12);
    synth::mixInto(out, drawer, 0.4, 0.8f);
    Buffer stop = synth::sine(0.08, 140, 90);
    synth::decay(stop, 0.02);
    synth::mixInto(out, stop, 0.66, 0.7f);
    return out;
}

// A hammer on a nail in a steel lock: three blows, each a crack, a thud and a short metal ring.
Buffer hammer() {
    Buffer out = synth::silence(1.5);
    for (int blow = 0; blow < 3; ++blow) {
        const double at = 0.02 + blow * 0.42;
        Buffer crack = synth::noise(0.03, 300 + static_cast<std::uint32_t>(blow));
        synth::bandPass(crack, 2600, 1.0);
        synth::decay(crack, 0.006);
        synth::mixInto(out, crack, at, 1.6f);
        Buffer ring = synth::partials(0.4, {1720 + blow * 40.0, 2950, 4410}, {0.09, 0.05, 0.03}, {1.0f, 0.6f, 0.3f});
        synth::mixInto(out, ring, at, 0.45f);
        Buffer thud = synth::sine(0.12, 180, 110);
        synth::decay(thud, 0.03);
        synth::mixInto(out, thud, at, 0.7f);
    }
    return out;
}

// A shot in a small yard: the bang, a low boom and the echo from the walls.
Buffer shot() {
    Buffer out = synth::silence(1.6);
    Buffer bang = synth::noise(0.5, 2024);
    synth::lowPass(bang, 3800);
    synth::decay(bang, 0.045);
    synth::mixInto(out, bang, 0.0, 1.6f);
    Buffer boom = synth::sine(0.5, 110, 42);
    synth::decay(boom, 0.09);
    synth::mixInto(out, boom, 0.0, 1.0f);
    Buffer tail = synth::noise(1.4, 2025);
    synth::lowPass(tail, 900);
    synth::attack(tail, 0.03);
    synth::decay(tail, 0.32);
    synth::mixInto(out, tail, 0.05, 0.35f);
    Buffer echo = bang;
    synth::lowPass(echo, 1200);
    synth::mixInto(out, echo, 0.19, 0.35f);
    return out;
}

// The notebook set down on a table: a paper rustle, then a soft slap and a small thud.
Buffer notebook() {
    Buffer out = synth::silence(0.55);
    Buffer rustle = synth::noise(0.16, 808);
    synth::bandPass(rustle, 4200, 0.8);
    synth::attack(rustle, 0.06);
    synth::decay(rustle, 0.05);
    synth::mixInto(out, rustle, 0.0, 0.25f);
    Buffer slap = synth::noise(0.12, 809);
    synth::lowPass(slap, 1800);
    synth::decay(slap, 0.018);
    synth::mixInto(out, slap, 0.17, 1.3f);
    Buffer thud = synth::sine(0.15, 150, 95);
    synth::decay(thud, 0.03);
    synth::mixInto(out, thud, 0.17, 0.8f);
    return out;
}

}  // namespace

void addSounds(Catalogue& c) {
    c.sound(snd::key1, [] { return synth::finish(typewriterKey({2600, 190, 1850, 0.25f, 1})); });
    c.sound(snd::key2, [] { return synth::finish(typewriterKey({3300, 230, 2350, 0.2f, 2})); });
    c.sound(snd::key3, [] { return synth::finish(typewriterKey({2100, 160, 1500, 0.32f, 3})); });
    c.sound(snd::key4, [] { return synth::finish(typewriterKey({3900, 260, 2900, 0.16f, 4})); });
    c.sound(snd::bankomat, [] { return synth::finish(cashMachine()); });
    c.sound(snd::kasa, [] { return synth::finish(till()); });
    c.sound(snd::kladivo, [] { return synth::finish(hammer()); });
    c.sound(snd::strelba, [] { return synth::finish(shot()); });
    c.sound(snd::zapisnik, [] { return synth::finish(notebook()); });
}

}  // namespace artgen
