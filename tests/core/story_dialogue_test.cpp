// Every dialogue line in one place: printed for reading, checked for speaker, form and fit in the panel.
#include "story/all_lines.hpp"
#include "story/script.hpp"
#include "story/speakers.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace story;

// The longest physical line the 800-pixel panel takes in the desktop's 13-pixel font, in characters.
constexpr int kMaxCharactersPerLine = 95;

struct Row {
    int from;
    int to;
    std::string prefix;  // the speaker as shown, up to and including the colon
    int lines = 1;
};

std::vector<Row> scriptRows() {
    const std::string agent = say(kAgent, "");
    const std::string agentAside = say(aside(kAgent), "");
    const std::string mayor = say(kMayor, "");
    const std::string inn = say(kInnkeeper, "");
    const std::string reception = say(kReceptionist, "");
    const std::string shop = say(kShopAssistant, "");
    const std::string keeper = say(kMaintenanceMan, "");
    const std::string director = say(kDirector, "");
    const std::string drinker1 = say(kDrinker1, "");
    const std::string drinker2 = say(kDrinker2, "");
    const std::string worker1 = say(kWorker1, "");
    const std::string worker2 = say(kWorker2, "");
    const std::string madman = say(kMadman, "");
    const std::string engineer = say(kEngineer, "");
    return {
        {11, 21, "Již", 2},  // the news has no speaker
        {22, 31, agent}, {32, 36, mayor}, {38, 48, std::string(kMayor) + " : ", 2}, {49, 56, agent, 2},
        {57, 63, mayor}, {64, 67, agent}, {68, 70, mayor}, {73, 79, agent}, {80, 84, inn}, {86, 92, agent},
        {93, 97, reception}, {98, 102, agent}, {103, 107, reception}, {108, 112, agent}, {113, 117, reception},
        {118, 122, agent}, {124, 125, reception}, {128, 132, agentAside}, {135, 139, agent}, {140, 144, mayor},
        {145, 147, agent}, {148, 149, mayor}, {150, 152, agent},

        {154, 159, agentAside}, {160, 164, agentAside}, {165, 169, agentAside}, {171, 176, agent},
        {177, 180, shop}, {181, 184, agent}, {185, 189, shop}, {190, 192, agent}, {193, 194, shop},
        {196, 199, agentAside}, {201, 204, agent}, {205, 209, keeper}, {210, 215, agent}, {216, 219, keeper},
        {221, 224, keeper}, {225, 228, agent}, {229, 231, keeper}, {232, 235, agent}, {237, 240, agentAside},
        {245, 248, agentAside}, {254, 258, agentAside}, {260, 262, agent}, {263, 265, keeper}, {266, 269, agent},
        {270, 274, keeper}, {275, 278, agent}, {279, 284, keeper}, {285, 289, agent}, {291, 296, agentAside},
        {299, 306, agent}, {307, 310, director}, {311, 313, agent}, {314, 319, director}, {320, 324, agent},
        {325, 327, director}, {329, 332, agent}, {333, 339, inn}, {341, 345, agent}, {346, 348, drinker1},
        {349, 351, drinker2}, {353, 355, drinker1}, {356, 362, agent}, {363, 371, drinker1, 2},
        {372, 377, drinker2}, {378, 380, agent}, {381, 382, drinker1}, {383, 384, drinker2}, {392, 395, agent},
        {400, 402, agent}, {404, 407, agentAside},

        {413, 417, agent}, {418, 422, shop}, {423, 425, agent}, {427, 432, agent}, {433, 438, director},
        {439, 443, agent}, {444, 446, director}, {448, 453, worker1}, {454, 459, worker2}, {460, 463, worker1},
        {465, 470, " " + agentAside}, {472, 476, agent}, {477, 479, madman}, {480, 484, agent},
        {485, 486, madman}, {487, 490, agent}, {491, 495, madman}, {496, 499, agent}, {500, 501, madman},
        {502, 504, agent}, {505, 508, madman}, {509, 510, agent}, {512, 516, agentAside}, {518, 520, agentAside},
        {522, 525, agentAside}, {529, 531, agentAside}, {533, 538, agentAside}, {540, 544, reception},
        {545, 550, agent}, {552, 555, agentAside}, {557, 561, agentAside}, {570, 572, say(shouting(kGardener), "")},
        {573, 575, agentAside}, {577, 579, agent}, {580, 582, engineer}, {583, 585, agent}, {586, 590, engineer},
        {591, 594, agent}, {595, 601, engineer, 2}, {602, 605, agent}, {606, 611, engineer, 2}, {612, 614, agent},
        {615, 619, engineer}, {620, 622, agent}, {623, 625, engineer}, {627, 629, mayor}, {630, 634, engineer},
        {635, 638, mayor}, {639, 640, say(kHenchman, "")}, {641, 642, engineer}, {643, 645, mayor},
        {646, 648, agentAside}, {650, 654, mayor}, {655, 660, agent}, {661, 665, mayor}, {666, 669, agent},
        {670, 677, mayor, 2}, {678, 680, agent}, {683, 684, say(shouting(kMayor), "")}, {687, 689, agentAside},
    };
}

std::vector<std::string> physicalLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

// Characters of well-formed UTF-8, or -1 if the text is not well-formed.
int utf8Characters(const std::string& text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size()) return -1;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return -1;
        i += length;
    }
    return count;
}

TEST(Dialogue, PrintsEveryLineTheGameCanShow) {
    const std::vector<DialogueLine> all = allDialogueLines();
    for (const DialogueLine& line : all) std::cout << "[" << line.where << "] " << line.text << "\n";
    EXPECT_EQ(all.size(), scriptRows().size() + 4) << "every script row with a speaker, and the four remarks";
}

TEST(Dialogue, EveryRowWithASpeakerHasItsLineWithThatSpeakerAndNumberOfLines) {
    std::map<std::string, std::string> byTicks;
    for (const DialogueLine& line : allDialogueLines()) byTicks[line.where] = line.text;
    for (const Row& row : scriptRows()) {
        const std::string where = "ticks " + std::to_string(row.from) + "-" + std::to_string(row.to);
        SCOPED_TRACE(where);
        ASSERT_EQ(byTicks.count(where), 1u) << "no line for this row";
        const std::string& text = byTicks[where];
        EXPECT_EQ(text.rfind(row.prefix, 0), 0u) << text;
        EXPECT_GT(text.size(), row.prefix.size()) << "the line says nothing";
        EXPECT_EQ(physicalLines(text).size(), static_cast<std::size_t>(row.lines)) << text;
    }
}

TEST(Dialogue, EveryLineIsWellFormedAndFitsThePanel) {
    for (const DialogueLine& line : allDialogueLines()) {
        SCOPED_TRACE(line.where + ": " + line.text);
        const std::vector<std::string> lines = physicalLines(line.text);
        EXPECT_LE(lines.size(), 2u);
        for (const std::string& physical : lines) {
            const int characters = utf8Characters(physical);
            EXPECT_GT(characters, 0);
            EXPECT_LE(characters, kMaxCharactersPerLine);
            EXPECT_EQ(physical.find('\r'), std::string::npos);
        }
        // The colon after the speaker stands between no spaces, except in the mayor's one line.
        const std::size_t colon = line.text.find(':');
        if (line.where == "ticks 11-21" || colon == std::string::npos) continue;
        if (line.where == "ticks 38-48") continue;
        EXPECT_NE(line.text.at(colon - 1), ' ');
        EXPECT_NE(line.text.at(colon + 1), ' ');
    }
}

TEST(Dialogue, RemarksAreTheAgentToHimself) {
    int remarks = 0;
    for (const DialogueLine& line : allDialogueLines()) {
        if (line.where.rfind("remark", 0) != 0) continue;
        ++remarks;
        EXPECT_EQ(line.text.rfind(say(aside(kAgent), ""), 0), 0u) << line.text;
    }
    EXPECT_EQ(remarks, 4);
}

}  // namespace
