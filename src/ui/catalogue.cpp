// Reading compiled gettext catalogues with nothing but the standard library, so every front end
// (the desktop, the browser, the headless driver) reads them alike.
#include "ui/catalogue.hpp"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace ui {

namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kMagicSwapped = 0xde120495;
constexpr std::size_t kHeaderBytes = 28;
// A catalogue of the game's few hundred lines is tens of kilobytes; anything far larger is no catalogue of ours.
constexpr std::uintmax_t kMaxCatalogueBytes = 16u << 20;

class Reader {
public:
    Reader(std::string_view bytes, bool swapped) : bytes_(bytes), swapped_(swapped) {}

    // The 32-bit word at offset; false when it lies outside the bytes.
    bool word(std::size_t offset, std::uint32_t& value) const {
        if (offset > bytes_.size() || bytes_.size() - offset < 4) return false;
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const auto byte = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[offset + static_cast<std::size_t>(i)]));
            v |= swapped_ ? byte << (8 * (3 - i)) : byte << (8 * i);
        }
        value = v;
        return true;
    }

    // The string of a table entry (its length and offset at entryOffset); false when out of range.
    bool string(std::size_t entryOffset, std::string_view& text) const {
        std::uint32_t length = 0;
        std::uint32_t offset = 0;
        if (!word(entryOffset, length) || !word(entryOffset + 4, offset)) return false;
        if (offset > bytes_.size() || bytes_.size() - offset < static_cast<std::size_t>(length)) return false;
        text = bytes_.substr(offset, length);
        return true;
    }

private:
    std::string_view bytes_;
    bool swapped_;
};

}  // namespace

std::optional<Catalogue> Catalogue::fromMo(std::string_view bytes, const std::string& language, std::string& error) {
    error = "Soubor překladu není platný katalog.";
    if (bytes.size() < kHeaderBytes) return std::nullopt;
    std::uint32_t magic = 0;
    Reader(bytes, false).word(0, magic);
    if (magic != kMagic && magic != kMagicSwapped) return std::nullopt;
    const Reader reader(bytes, magic == kMagicSwapped);
    std::uint32_t count = 0;
    std::uint32_t sourceTable = 0;
    std::uint32_t translationTable = 0;
    reader.word(8, count);
    reader.word(12, sourceTable);
    reader.word(16, translationTable);
    // Each entry takes 8 bytes in each table, so a count beyond the file's size is a lie.
    if (count > bytes.size() / 8) return std::nullopt;

    Catalogue catalogue;
    catalogue.language_ = language;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string_view source;
        std::string_view translation;
        if (!reader.string(std::size_t{sourceTable} + 8u * i, source) ||
            !reader.string(std::size_t{translationTable} + 8u * i, translation)) {
            error = "Soubor překladu je poškozený: odkazuje mimo sebe.";
            return std::nullopt;
        }
        // The header (empty source) and plural entries (a NUL between the forms) show nowhere.
        if (source.empty() || source.find('\0') != std::string_view::npos) continue;
        catalogue.texts_.emplace(std::string(source), std::string(translation));
    }
    error.clear();
    return catalogue;
}

const std::string& Catalogue::translate(const std::string& source) const {
    const auto found = texts_.find(source);
    return found == texts_.end() ? source : found->second;
}

std::vector<std::string> Catalogue::sources() const {
    std::vector<std::string> all;
    all.reserve(texts_.size());
    for (const auto& [source, translation] : texts_) all.push_back(source);
    std::sort(all.begin(), all.end());
    return all;
}

std::optional<Catalogue> loadCatalogue(const std::string& language, std::string& error, const std::string& dir) {
    error.clear();
    if (language == kSourceLanguage) return Catalogue();
    const std::string path = dir + "/" + language + ".mo";
    const bool plainName = !language.empty() && std::all_of(language.begin(), language.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    });
    std::error_code ec;
    if (!plainName || !std::filesystem::is_regular_file(path, ec)) {
        error = "Překlad do jazyka „" + language + "“ chybí (" + path + ").";
        return std::nullopt;
    }
    if (std::filesystem::file_size(path, ec) > kMaxCatalogueBytes || ec) {
        error = "Soubor překladu " + path + " nelze přečíst.";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        error = "Soubor překladu " + path + " nelze přečíst.";
        return std::nullopt;
    }
    std::optional<Catalogue> catalogue = Catalogue::fromMo(bytes, language, error);
    if (!catalogue) error = path + ": " + error;
    return catalogue;
}

std::vector<std::string> availableLanguages(const std::string& dir) {
    std::vector<std::string> languages;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::filesystem::path& path = it->path();
        if (path.extension() == ".mo" && path.stem() != kSourceLanguage) languages.push_back(path.stem().string());
    }
    std::sort(languages.begin(), languages.end());
    languages.insert(languages.begin(), kSourceLanguage);
    return languages;
}

std::string fill(const std::string& text, const std::string& value) {
    const std::size_t at = text.find("%s");
    if (at == std::string::npos) return text;
    return text.substr(0, at) + value + text.substr(at + 2);
}

}  // namespace ui
