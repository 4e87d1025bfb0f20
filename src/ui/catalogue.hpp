// A translation catalogue: the game's Czech texts mapped to one other language, read from a
// compiled gettext catalogue (.mo). An empty catalogue is Czech itself: every text as written.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ui {

// The language the game's texts are written in, and its default whatever the system's locale.
inline constexpr const char* kSourceLanguage = "cs";
// A language's name in itself, as the language menu lists it: each catalogue translates this
// Czech name of Czech into its own language's name ("English").
inline constexpr const char* kLanguageName = "Čeština";

class Catalogue {
public:
    // The source language: no translations.
    Catalogue() = default;

    // Reads the bytes of a compiled catalogue; nullopt with the reason (in Czech) in error when
    // they are no catalogue or point outside themselves. Entries with plural forms are skipped.
    static std::optional<Catalogue> fromMo(std::string_view bytes, const std::string& language, std::string& error);

    // The text to show for a Czech source text: its translation, or the source when there is none.
    [[nodiscard]] const std::string& translate(const std::string& source) const;
    [[nodiscard]] bool translates(const std::string& source) const { return texts_.contains(source); }
    // The language code ("cs", "en"): the file name of its catalogue.
    [[nodiscard]] const std::string& language() const { return language_; }
    // Every source text the catalogue translates, sorted.
    [[nodiscard]] std::vector<std::string> sources() const;

private:
    std::string language_ = kSourceLanguage;
    std::unordered_map<std::string, std::string> texts_;
};

// The catalogue of a language from its file in dir ("dir/en.mo"); Czech needs none. nullopt
// with a Czech message naming the file when it is missing or damaged.
std::optional<Catalogue> loadCatalogue(const std::string& language, std::string& error, const std::string& dir);

// The languages the player can choose: Czech first, then those with a catalogue in dir, sorted.
std::vector<std::string> availableLanguages(const std::string& dir);

// Replaces the first "%s" of a text with the value ("Nelze načíst obrázek: %s").
std::string fill(const std::string& text, const std::string& value);

}  // namespace ui
