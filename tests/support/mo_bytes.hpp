// Compiled gettext catalogues built in memory, so the catalogue reader can be tested on exact
// bytes, damaged ones included.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kvtest {

using Translations = std::vector<std::pair<std::string, std::string>>;

inline void putWord(std::string& out, std::uint32_t value, bool bigEndian) {
    for (int i = 0; i < 4; ++i) {
        const int shift = bigEndian ? 8 * (3 - i) : 8 * i;
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

// The bytes of a catalogue holding the pairs (source, translation), a header entry first.
inline std::string moBytes(Translations pairs, bool bigEndian = false) {
    pairs.insert(pairs.begin(), {"", "Content-Type: text/plain; charset=UTF-8\n"});
    const auto count = static_cast<std::uint32_t>(pairs.size());
    const std::uint32_t sources = 28;
    const std::uint32_t translations = sources + 8 * count;
    std::uint32_t next = translations + 8 * count;
    std::string tables;
    std::string strings;
    for (const bool translated : {false, true})
        for (const auto& [source, translation] : pairs) {
            const std::string& text = translated ? translation : source;
            putWord(tables, static_cast<std::uint32_t>(text.size()), bigEndian);
            putWord(tables, next, bigEndian);
            strings += text;
            strings.push_back('\0');
            next += static_cast<std::uint32_t>(text.size() + 1);
        }
    std::string out;
    putWord(out, 0x950412de, bigEndian);
    putWord(out, 0, bigEndian);
    putWord(out, count, bigEndian);
    putWord(out, sources, bigEndian);
    putWord(out, translations, bigEndian);
    putWord(out, 0, bigEndian);  // no hash table
    putWord(out, 0, bigEndian);
    return out + tables + strings;
}

}  // namespace kvtest
