// The game's boxes speak Czech, with Qt's own button texts from its Czech translation.
#include "desktop/qt_language.hpp"
#include "desktop/picture_store.hpp"
#include "desktop/qt_clock.hpp"
#include "desktop/qt_platform.hpp"
#include "desktop/sound_player.hpp"
#include "modal_box.hpp"

#include <QLocale>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

struct CzechBoxes : ::testing::Test {
    desktop::QtClock clock;
    desktop::PictureStore pictures;
    desktop::SoundPlayer sound;
    desktop::QtPlatform platform{clock, pictures, sound};
};

// The texts of the open box's buttons, in alphabetical order.
QStringList buttonTexts(QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* button : box.buttons()) texts << button->text();
    texts.sort();
    return texts;
}

TEST_F(CzechBoxes, TheQuestionsSayAnoAndNeAndAnswerToTheirLettersWhateverTheSystemLanguage) {
    // A player whose desktop speaks another language.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(desktop::useCzech(*QCoreApplication::instance()));
    EXPECT_EQ(QLocale().language(), QLocale::Czech);

    QStringList texts;
    kvdesk::handleNextBox([&](QMessageBox& box) {
        texts = buttonTexts(box);
        QTest::keyClick(&box, Qt::Key_N);  // the accelerator of "Ne"
    });
    EXPECT_FALSE(platform.ask("Dotaz", "Opravdu chcete začít novou hru?"));
    EXPECT_EQ(texts, (QStringList{"&Ano", "&Ne"}));

    kvdesk::handleNextBox([&](QMessageBox& box) {
        texts = buttonTexts(box);
        QTest::keyClick(&box, Qt::Key_A);  // the accelerator of "Ano"
    });
    EXPECT_TRUE(platform.ask("Konec", "Opravdu chcete skončit?"));
    EXPECT_EQ(texts, (QStringList{"&Ano", "&Ne"}));

    kvdesk::handleNextBox([&](QMessageBox& box) {
        texts = buttonTexts(box);
        box.button(QMessageBox::Ok)->click();
    });
    platform.inform("Nepodařilo se otevřít soubor!");
    EXPECT_EQ(texts, (QStringList{"OK"}));
}

}  // namespace
