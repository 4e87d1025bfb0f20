// The texts of the Controls and About windows: reading order and the spacing players see.
#include "info/about_text.hpp"
#include "info/controls_text.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace {

TEST(ControlsText, HelpLinesReadTopToBottomInsideThePanelWithTheGamesOwnSpacing) {
    int previousTop = -1;
    for (const info::PlacedText& line : info::kHelpLines) {
        EXPECT_GT(line.rect.top, previousTop) << line.name;
        EXPECT_LT(line.rect.top, info::kHelpPanel.height) << line.name;
        previousTop = line.rect.top;
    }
    // The names are not in reading order; the tops are.
    EXPECT_STREQ(info::kHelpLines.front().name, "Label3");
    EXPECT_STREQ(info::kHelpLines.back().name, "Label2");
    const std::string first = info::kHelpLines[0].text;
    const std::string third = info::kHelpLines[2].text;
    const std::string sixth = info::kHelpLines[5].text;
    EXPECT_NE(first.find("inventáři :  Vezme"), std::string::npos);
    EXPECT_NE(third.find("okně  :  Použije"), std::string::npos);
    EXPECT_NE(sixth.find("Sebere,prozkoumá"), std::string::npos);
    EXPECT_STREQ(info::kControlsHeading.text, "Levé tlačítko myši:");
}

TEST(AboutText, MakerLinesHaveAYearAWebAddressAndAnEmailAddress) {
    EXPECT_STREQ(info::kAboutLines[info::kTitle].text, "Kvelnor");
    EXPECT_STREQ(info::kAboutLines[info::kVersion].text, "verze 1.0");
    EXPECT_TRUE(std::regex_search(info::kAboutLines[info::kMaker].text, std::regex("[A-Za-z].* (19|20)[0-9]{2}$")));
    EXPECT_TRUE(std::regex_match(info::kAboutLines[info::kWeb].text, std::regex("Web: www\\.[a-z]+\\.cz")));
    EXPECT_TRUE(std::regex_match(info::kAboutLines[info::kEmail].text, std::regex("E-mail: [a-z]+@[a-z]+\\.cz")));
}

}  // namespace
