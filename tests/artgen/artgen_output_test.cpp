// Runs artgen twice and checks what it wrote: every file the game names, of the right kind and size,
// not blank, overlays that match their scenes, sounds without clicks at one loudness, the same bytes twice.
#include "bmp_wav_reader.hpp"

#include "app/component_table.hpp"
#include "app/data_files.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using artgen_test::readBitmap;
using artgen_test::readFile;
using artgen_test::readWave;

namespace {

bool isSound(std::string_view name) { return name.size() > 4 && name.substr(name.size() - 4) == ".wav"; }
bool isHeldPicture(std::string_view name) { return name.find("-mini") != std::string_view::npos; }

// The overlay pictures, the component they are drawn into, and the scene they lie on.
struct Overlay {
    const char* file;
    const char* component;
    const char* scene;
};

const Overlay kOverlays[] = {
    {pic::elhrebik, "imgCur17", pic::elektr1}, {pic::trkladivo, "imgCur21", pic::trafika1}, {pic::el1, "imgCur22", pic::elektr3},
    {pic::el2, "imgCur22", pic::elektr3},      {pic::el3, "imgCur22", pic::elektr3},        {pic::el4, "imgCur22", pic::elektr3},
    {pic::elvlasec, "imgCur25", pic::elektr4}, {pic::eldrat, "imgCur26", pic::elektr5},     {pic::totyc, "imgCur30", pic::tovarna3},
    {pic::tomatka, "imgCur32", pic::tovarna4a}, {pic::maptov, "imgMap4", pic::mapa},
};

ui::Rect componentRect(const char* name) {
    for (const app::ComponentRow& row : app::componentTable())
        if (std::strcmp(row.name, name) == 0) return row.rect;
    ADD_FAILURE() << "no component " << name;
    return {};
}

const Overlay* overlayFor(std::string_view file) {
    for (const Overlay& o : kOverlays)
        if (file == o.file) return &o;
    return nullptr;
}

class ArtgenOutput : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        base_ = fs::temp_directory_path() / ("kvelnor-artgen-test-" + std::to_string(::getpid()));
        fs::remove_all(base_);
        for (const char* run : {"first", "second"}) {
            const fs::path out = base_ / run;
            fs::create_directories(out / "data" / "lang");
            // The English catalogue beside the data: the title is drawn again in its words.
            fs::copy_file(fs::path(KVELNOR_CATALOGUE_DIR) / "en.mo", out / "data" / "lang" / "en.mo");
            const std::string command = std::string("\"") + ARTGEN_PROGRAM + "\" \"" + out.string() + "\"";
            exitCodes_.push_back(std::system(command.c_str()));
        }
    }
    static void TearDownTestSuite() { fs::remove_all(base_); }

    static fs::path data(const char* run = "first") { return base_ / run / "data"; }
    static fs::path file(std::string_view name, const char* run = "first") { return base_ / run / std::string(name); }

    static inline fs::path base_;
    static inline std::vector<int> exitCodes_;
};

TEST_F(ArtgenOutput, RunsCleanlyBothTimes) {
    ASSERT_EQ(exitCodes_.size(), 2u);
    EXPECT_EQ(exitCodes_[0], 0);
    EXPECT_EQ(exitCodes_[1], 0);
}

TEST_F(ArtgenOutput, WritesEveryFileTheGameNames) {
    for (std::string_view name : app::kAllDataFiles) EXPECT_TRUE(fs::is_regular_file(file(name))) << name << " was not written";
}

TEST_F(ArtgenOutput, WritesNothingTheGameDoesNotName) {
    std::set<std::string> named(app::kAllDataFiles.begin(), app::kAllDataFiles.end());
    ASSERT_TRUE(fs::is_directory(data()));
    for (const fs::directory_entry& entry : fs::directory_iterator(data()))
        if (entry.path().filename() != "lang") {
            EXPECT_TRUE(named.count("data/" + entry.path().filename().string())) << entry.path() << " is not named by the game";
        }
    // Beside the catalogue only the pictures with the game's own words, in its language.
    std::set<std::string> besideCatalogue;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(data() / "lang"))
        if (entry.is_regular_file()) besideCatalogue.insert(fs::relative(entry.path(), data()).string());
    EXPECT_EQ(besideCatalogue, (std::set<std::string>{"lang/en.mo", "lang/en/Uvod.bmp"}));
}

TEST_F(ArtgenOutput, TheTitleIsDrawnAgainInEnglishOnTheSamePicture) {
    const auto czech = readBitmap(readFile(file(pic::uvod)));
    const auto english = readBitmap(readFile(data() / "lang" / "en" / "Uvod.bmp"));
    ASSERT_TRUE(czech.has_value());
    ASSERT_TRUE(english.has_value()) << "no English title, or not a 24-bit bitmap";
    ASSERT_EQ(english->width, czech->width);
    ASSERT_EQ(english->height, czech->height);
    // Only the words differ: most of the picture is the same, the lines of text are not.
    std::size_t differing = 0;
    for (std::size_t i = 0; i < czech->pixels.size(); ++i) differing += czech->pixels[i] != english->pixels[i];
    EXPECT_GT(differing, czech->pixels.size() / 200);
    EXPECT_LT(differing, czech->pixels.size() / 5);
}

TEST_F(ArtgenOutput, EveryPictureIsA24BitBitmapOfItsComponentsSize) {
    for (std::string_view name : app::kAllDataFiles) {
        if (isSound(name)) continue;
        const auto bmp = readBitmap(readFile(file(name)));
        ASSERT_TRUE(bmp.has_value()) << name << " is not an uncompressed 24-bit bitmap";
        int width = 800;
        int height = 600;
        if (const Overlay* o = overlayFor(name)) {
            width = componentRect(o->component).width;
            height = componentRect(o->component).height;
        } else if (isHeldPicture(name)) {
            width = height = 60;
        }
        EXPECT_EQ(bmp->width, width) << name;
        EXPECT_EQ(bmp->height, height) << name;
    }
}

TEST_F(ArtgenOutput, NoPictureIsBlankOrAPlaceholder) {
    std::map<std::vector<std::uint8_t>, std::string> seen;
    for (std::string_view name : app::kAllDataFiles) {
        if (isSound(name)) continue;
        const auto bmp = readBitmap(readFile(file(name)));
        ASSERT_TRUE(bmp.has_value()) << name;
        std::set<std::uint32_t> colours;
        for (int y = 0; y < bmp->height; ++y)
            for (int x = 0; x < bmp->width; ++x) colours.insert(bmp->rgb(x, y));
        // A drawn picture has shading and detail: hundreds of colours, not a handful.
        const std::size_t enough = bmp->width >= 400 ? 2000 : 150;
        EXPECT_GE(colours.size(), enough) << name << " has only " << colours.size() << " colours";
        const auto [it, fresh] = seen.emplace(bmp->pixels, std::string(name));
        EXPECT_TRUE(fresh) << name << " is the same picture as " << it->second;
    }
}

TEST_F(ArtgenOutput, OverlaysContinueTheirScenesAtTheirEdges) {
    for (const Overlay& o : kOverlays) {
        const auto overlay = readBitmap(readFile(file(o.file)));
        const auto scene = readBitmap(readFile(file(o.scene)));
        ASSERT_TRUE(overlay && scene) << o.file;
        const ui::Rect r = componentRect(o.component);
        const int left = r.left - app::kSceneRect.left;
        const int top = r.top - app::kSceneRect.top;
        int same = 0;
        int total = 0;
        for (int x = 0; x < overlay->width; ++x)
            for (int y : {0, overlay->height - 1}) {
                ++total;
                same += overlay->rgb(x, y) == scene->rgb(left + x, top + y);
            }
        for (int y = 0; y < overlay->height; ++y)
            for (int x : {0, overlay->width - 1}) {
                ++total;
                same += overlay->rgb(x, y) == scene->rgb(left + x, top + y);
            }
        // The object lies inside; its soft shadow may touch an edge here and there.
        EXPECT_GE(same * 10, total * 8) << o.file << " does not continue " << o.scene << " (" << same << " of " << total << " edge pixels)";
        // And the object is really there: the inside differs from the bare scene.
        int differing = 0;
        for (int y = 0; y < overlay->height; ++y)
            for (int x = 0; x < overlay->width; ++x) differing += overlay->rgb(x, y) != scene->rgb(left + x, top + y);
        EXPECT_GE(differing, overlay->width * overlay->height / 20) << o.file << " shows nothing over its scene";
    }
}

double loudestWindowRms(const std::vector<std::int16_t>& s, int rate) {
    const std::size_t window = static_cast<std::size_t>(rate / 20);
    double best = 0;
    double sum = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        sum += static_cast<double>(s[i]) * s[i];
        if (i >= window) sum -= static_cast<double>(s[i - window]) * s[i - window];
        best = std::max(best, sum / static_cast<double>(window));
    }
    return std::sqrt(best);
}

TEST_F(ArtgenOutput, SoundsAre16BitPcmMonoWithoutClicksAtOneLoudness) {
    std::vector<std::pair<std::string, double>> loudness;
    for (std::string_view name : app::kAllDataFiles) {
        if (!isSound(name)) continue;
        const auto wav = readWave(readFile(file(name)));
        ASSERT_TRUE(wav.has_value()) << name << " is not a WAV file";
        EXPECT_EQ(wav->format, 1) << name;
        EXPECT_EQ(wav->channels, 1) << name;
        EXPECT_EQ(wav->bitsPerSample, 16) << name;
        ASSERT_GE(wav->samples.size(), static_cast<std::size_t>(wav->sampleRate / 20)) << name << " is too short to hear";
        // Starting or stopping away from silence clicks.
        EXPECT_LE(std::abs(wav->samples.front()), 64) << name;
        EXPECT_LE(std::abs(wav->samples.back()), 64) << name;
        int peak = 0;
        for (std::int16_t v : wav->samples) peak = std::max(peak, std::abs(static_cast<int>(v)));
        EXPECT_LT(peak, 32767) << name << " clips";
        loudness.emplace_back(std::string(name), loudestWindowRms(wav->samples, wav->sampleRate));
    }
    ASSERT_FALSE(loudness.empty());
    const auto [quiet, loud] = std::minmax_element(loudness.begin(), loudness.end(), [](auto& a, auto& b) { return a.second < b.second; });
    // Within 3 dB of each other.
    EXPECT_LT(20 * std::log10(loud->second / quiet->second), 3.0) << quiet->first << " and " << loud->first << " differ in loudness";
}

TEST_F(ArtgenOutput, TheFourTypewriterKeysSoundDifferent) {
    const char* keys[] = {snd::key1, snd::key2, snd::key3, snd::key4};
    std::set<std::vector<std::uint8_t>> distinct;
    for (const char* key : keys) distinct.insert(readFile(file(key)));
    EXPECT_EQ(distinct.size(), 4u);
}

TEST_F(ArtgenOutput, WritesTheSameBytesOnEveryRun) {
    for (std::string_view name : app::kAllDataFiles)
        EXPECT_TRUE(readFile(file(name, "first")) == readFile(file(name, "second"))) << name << " differs between two runs";
}

}  // namespace
