// Every state found so far: its key once, in large blocks, found again through an open
// addressing hash table of state numbers; about the key's length plus 20 bytes a state.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace explore {

// Appends without ever moving what it holds, so growing never needs twice the memory.
template <class T>
class BlockArray {
public:
    static constexpr std::size_t kBlock = std::size_t{1} << 20;

    void push_back(const T& v) {
        if (size_ % kBlock == 0) blocks_.push_back(std::make_unique_for_overwrite<T[]>(kBlock));
        blocks_.back()[size_ % kBlock] = v;
        ++size_;
    }
    T& operator[](std::size_t i) { return blocks_[i / kBlock][i % kBlock]; }
    const T& operator[](std::size_t i) const { return blocks_[i / kBlock][i % kBlock]; }
    [[nodiscard]] std::size_t size() const { return size_; }
    [[nodiscard]] std::size_t bytes() const { return blocks_.size() * kBlock * sizeof(T); }

private:
    std::vector<std::unique_ptr<T[]>> blocks_;
    std::size_t size_ = 0;
};

std::uint64_t hashBytes(std::span<const std::uint8_t> bytes);

class StateStore {
public:
    static constexpr std::uint32_t kMissing = UINT32_MAX;

    // The number of the state with this key, or kMissing. Safe from several threads while
    // nothing is added.
    [[nodiscard]] std::uint32_t find(std::span<const std::uint8_t> key, std::uint64_t hash) const;
    // Adds a key that find() does not know and returns its number (0, 1, 2, ...).
    std::uint32_t add(std::span<const std::uint8_t> key, std::uint64_t hash);

    [[nodiscard]] std::span<const std::uint8_t> key(std::uint32_t state) const;
    [[nodiscard]] std::size_t size() const { return where_.size(); }
    [[nodiscard]] std::size_t bytes() const;

private:
    static constexpr std::size_t kArenaBlock = std::size_t{1} << 22;

    void grow();

    std::vector<std::unique_ptr<std::uint8_t[]>> arena_;
    std::size_t arenaUsed_ = kArenaBlock;  // in the last block; full before the first
    BlockArray<std::uint64_t> where_;      // each key's block and offset; its length leads it
    std::vector<std::uint64_t> slots_;     // high half: hash, low half: state number + 1; 0: empty
};

}  // namespace explore
