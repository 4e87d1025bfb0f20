#include "explore/state_store.hpp"

#include <cstring>
#include <stdexcept>

namespace explore {

namespace {

std::uint32_t slotHash(std::uint64_t hash) { return static_cast<std::uint32_t>(hash ^ (hash >> 32)); }

}  // namespace

std::uint64_t hashBytes(std::span<const std::uint8_t> bytes) {
    std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ bytes.size();
    const std::uint8_t* p = bytes.data();
    std::size_t n = bytes.size();
    const auto mix = [&h](std::uint64_t w) {
        h = (h ^ w) * 0xFF51AFD7ED558CCDULL;
        h ^= h >> 32;
    };
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t w = 0;
        std::memcpy(&w, p, 8);
        mix(w);
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, p, n);
    mix(tail);
    h *= 0xC4CEB9FE1A85EC53ULL;
    return h ^ (h >> 29);
}

std::span<const std::uint8_t> StateStore::key(std::uint32_t state) const {
    const std::uint64_t at = where_[state];
    const std::uint8_t* p = arena_[at / kArenaBlock].get() + at % kArenaBlock;
    const std::size_t length = p[0] | (static_cast<std::size_t>(p[1]) << 8);
    return {p + 2, length};
}

std::uint32_t StateStore::find(std::span<const std::uint8_t> key, std::uint64_t hash) const {
    if (slots_.empty()) return kMissing;
    const std::uint32_t h = slotHash(hash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = h & mask;; i = (i + 1) & mask) {
        const std::uint64_t slot = slots_[i];
        if (slot == 0) return kMissing;
        if (static_cast<std::uint32_t>(slot >> 32) != h) continue;
        const auto state = static_cast<std::uint32_t>(slot) - 1;
        const std::span<const std::uint8_t> stored = this->key(state);
        if (stored.size() == key.size() && std::memcmp(stored.data(), key.data(), key.size()) == 0) return state;
    }
}

std::uint32_t StateStore::add(std::span<const std::uint8_t> key, std::uint64_t hash) {
    if (key.size() > 0xFFFF) throw std::length_error("explorer: a state key is longer than 65535 bytes");
    if (where_.size() >= kMissing - 1) throw std::length_error("explorer: too many states");
    // Linear probing stays short up to 70 % full.
    if ((where_.size() + 1) * 10 > slots_.size() * 7) grow();
    if (arenaUsed_ + key.size() + 2 > kArenaBlock) {
        arena_.push_back(std::make_unique_for_overwrite<std::uint8_t[]>(kArenaBlock));
        arenaUsed_ = 0;
    }
    const std::uint64_t at = (arena_.size() - 1) * kArenaBlock + arenaUsed_;
    std::uint8_t* p = arena_.back().get() + arenaUsed_;
    p[0] = static_cast<std::uint8_t>(key.size());
    p[1] = static_cast<std::uint8_t>(key.size() >> 8);
    std::memcpy(p + 2, key.data(), key.size());
    arenaUsed_ += key.size() + 2;

    const auto state = static_cast<std::uint32_t>(where_.size());
    where_.push_back(at);
    const std::uint32_t h = slotHash(hash);
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = h & mask;
    while (slots_[i] != 0) i = (i + 1) & mask;
    slots_[i] = (static_cast<std::uint64_t>(h) << 32) | (state + 1);
    return state;
}

void StateStore::grow() {
    std::vector<std::uint64_t> old = std::move(slots_);
    slots_.assign(old.empty() ? 1024 : old.size() * 2, 0);
    const std::size_t mask = slots_.size() - 1;
    for (const std::uint64_t slot : old) {
        if (slot == 0) continue;
        std::size_t i = static_cast<std::uint32_t>(slot >> 32) & mask;
        while (slots_[i] != 0) i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

std::size_t StateStore::bytes() const {
    return arena_.size() * kArenaBlock + where_.bytes() + slots_.capacity() * sizeof(std::uint64_t);
}

}  // namespace explore
