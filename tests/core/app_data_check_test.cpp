// The start-up check of the data folder: one box for everything missing, cut short or damaged,
// and no box again when such a file is loaded later.
#include "app/data_check.hpp"
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "app/settle.hpp"
#include "ui/data_file_check.hpp"
#include "ui/recording_platform.hpp"
#include "ui/virtual_clock.hpp"

#include "../support/data_folder.hpp"
#include "../support/temp_dir.hpp"
#include "../support/working_directory.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using kvtest::bitmapBytes;
using kvtest::waveBytes;
using kvtest::writeBytes;

// The program started in the current directory, looking at its files as kvelnor-script does.
struct Started {
    Started() {
        form.checkpointPath = "data.dat";
        form.FormCreate();
    }
    ui::VirtualClock clock;
    ui::RecordingPlatform platform{true};
    app::TfrmHlavni form{clock, platform};
};

class DataCheckTest : public ::testing::Test {
protected:
    kvtest::TempDir dir;
    kvtest::WorkingDirectory here{dir.path()};
    [[nodiscard]] static std::string folder() { return (fs::current_path() / "data").string(); }
};

TEST_F(DataCheckTest, WithoutADataFolderOneBoxNamesTheFolderAndTheFirstFilesThenPlayGoesOnSilently) {
    Started game;
    ASSERT_EQ(game.platform.messages.size(), 2U) << ::testing::PrintToString(game.platform.messages);
    EXPECT_EQ(game.platform.messages[0],
              "Hra hledala své obrázky a zvuky ve složce\n" + folder() +
                  "\n\nChybí: bankomat1.bmp, bankomat2.bmp, credits1.bmp, credits2.bmp, dead.bmp a ještě 122 "
                  "souborů.\n\nHra poběží dál bez nich.");
    EXPECT_EQ(game.platform.messages[1], "Nepodařilo se otevřít soubor!");
    // The opening plays its pictures and sounds; none of them boxes again.
    ui::Menu::click(*game.form.mmNova);
    app::settle(game.form, game.clock);
    EXPECT_GE(game.form.state.storyTick, 21);
    EXPECT_FALSE(game.platform.sounds.empty());
    EXPECT_EQ(game.platform.messages.size(), 2U) << game.platform.messages.back();
}

TEST_F(DataCheckTest, MissingCutAndDamagedFilesAreNamedInTheSameBoxAndOnlyThere) {
    kvtest::writeDataFolder(".");
    fs::remove(pic::tv);
    fs::remove(snd::kasa);
    std::vector<char> half = bitmapBytes(2, 2);
    half.resize(half.size() - 5);  // the last row cut off
    writeBytes(pic::namesti1, half);
    std::vector<char> noise = waveBytes();
    for (std::size_t i = 12; i < noise.size(); ++i) noise[i] = static_cast<char>(0xA5);  // a valid header, no body
    writeBytes(snd::strelba, noise);

    Started game;
    EXPECT_EQ(game.platform.messages.at(0), "Hra hledala své obrázky a zvuky ve složce\n" + folder() +
                                                "\n\nChybí: tv.bmp, kasa.wav.\nNelze přečíst: namesti1.bmp, "
                                                "strelba.wav.\n\nHra poběží dál bez nich.");
    game.platform.messages.clear();
    game.form.state.soundOn = 1;
    game.form.showPicture(pic::namesti1);
    game.form.showPicture(pic::tv);
    game.form.playSound(snd::strelba);
    EXPECT_TRUE(game.platform.messages.empty());
    // A file that went missing after the check is named when it is loaded, once.
    fs::remove(pic::park);
    game.form.showPicture(pic::park);
    game.form.showPicture(pic::park);
    EXPECT_EQ(game.platform.messages, std::vector<std::string>{"Nelze načíst obrázek: data/park.bmp"});
}

TEST_F(DataCheckTest, AWholeDataFolderPassesSilently) {
    kvtest::writeDataFolder(".");
    kvtest::writeBytes("data.dat", {'1'});
    Started game;
    EXPECT_TRUE(game.platform.messages.empty()) << game.platform.messages.front();
}

TEST_F(DataCheckTest, PicturesAreWholeOnlyWithAllTheirRows) {
    writeBytes("whole.bmp", bitmapBytes(3, 5));
    EXPECT_EQ(ui::checkDataFile("whole.bmp"), ui::FileHealth::Readable);
    EXPECT_EQ(ui::checkDataFile("none.bmp"), ui::FileHealth::Missing);
    fs::create_directory("folder.bmp");
    EXPECT_EQ(ui::checkDataFile("folder.bmp"), ui::FileHealth::Unreadable);

    std::vector<char> cut = bitmapBytes(40, 40);
    cut.resize(cut.size() / 2);
    writeBytes("cut.bmp", cut);
    EXPECT_EQ(ui::checkDataFile("cut.bmp"), ui::FileHealth::Unreadable);

    // A header announcing 2^31 - 1 rows of 2^31 - 1 pixels over a few bytes: no overflow, no read.
    std::vector<char> huge = bitmapBytes(1, 1);
    for (int byte = 18; byte < 26; ++byte) huge[static_cast<std::size_t>(byte)] = byte % 4 == 1 ? '\x7f' : '\xff';
    writeBytes("huge.bmp", huge);
    EXPECT_EQ(ui::checkDataFile("huge.bmp"), ui::FileHealth::Unreadable);

    for (const std::vector<char>& bad : {std::vector<char>{}, std::vector<char>{'B', 'M'}, std::vector<char>(70, 'x')}) {
        writeBytes("bad.bmp", bad);
        EXPECT_EQ(ui::checkDataFile("bad.bmp"), ui::FileHealth::Unreadable) << bad.size();
    }
}

TEST_F(DataCheckTest, SoundsAreWholeOnlyWithAPlayableFormatAndAllTheirData) {
    writeBytes("whole.wav", waveBytes(100));
    EXPECT_EQ(ui::checkDataFile("whole.wav"), ui::FileHealth::Readable);

    std::vector<char> cut = waveBytes(100);
    cut.resize(cut.size() - 50);
    writeBytes("cut.wav", cut);
    EXPECT_EQ(ui::checkDataFile("cut.wav"), ui::FileHealth::Unreadable);

    std::vector<char> badAlign = waveBytes();
    badAlign[32] = 7;  // block align of a 16-bit mono sound must be 2
    writeBytes("align.wav", badAlign);
    EXPECT_EQ(ui::checkDataFile("align.wav"), ui::FileHealth::Unreadable);

    writeBytes("header-only.wav", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'});
    EXPECT_EQ(ui::checkDataFile("header-only.wav"), ui::FileHealth::Unreadable);

    // Chunks the game does not need (here a LIST of odd length, padded) are stepped over.
    std::vector<char> listed = waveBytes();
    const std::vector<char> list{'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    listed.insert(listed.begin() + 12, list.begin(), list.end());
    writeBytes("listed.wav", listed);
    EXPECT_EQ(ui::checkDataFile("listed.wav"), ui::FileHealth::Readable);
}

TEST(DataFilesMessage, CountsTheFilesNotListedInCzech) {
    const auto names = [](int n) {
        std::vector<std::string> out;
        for (int i = 1; i <= n; ++i) out.push_back(std::to_string(i) + ".bmp");
        return out;
    };
    const auto tail = [&](int n) {
        const std::string text = app::dataFilesMessage("/d", names(n), {});
        return text.substr(text.find("5.bmp"));
    };
    EXPECT_EQ(tail(5), "5.bmp.\n\nHra poběží dál bez nich.");
    EXPECT_EQ(tail(6), "5.bmp a ještě 1 soubor.\n\nHra poběží dál bez nich.");
    EXPECT_EQ(tail(9), "5.bmp a ještě 4 soubory.\n\nHra poběží dál bez nich.");
    EXPECT_EQ(tail(10), "5.bmp a ještě 5 souborů.\n\nHra poběží dál bez nich.");
}

}  // namespace
