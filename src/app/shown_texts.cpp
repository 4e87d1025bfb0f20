// Gathering the shown texts from the tables that hold them, so no list of texts is kept by hand.
#include "app/shown_texts.hpp"

#include "app/component_table.hpp"
#include "app/form_texts.hpp"
#include "app/main_form.hpp"
#include "app/messages.hpp"
#include "app/title_texts.hpp"
#include "checkpoint/checkpoint_file.hpp"
#include "checkpoint/position_place.hpp"
#include "checkpoint/position_texts.hpp"
#include "info/about_text.hpp"
#include "info/controls_text.hpp"
#include "inventory/item_catalogue.hpp"
#include "story/all_lines.hpp"
#include "ui/catalogue.hpp"

#include <set>

namespace app {

std::vector<ShownText> allShownTexts() {
    std::vector<ShownText> texts;
    std::set<std::string> seen;
    const auto add = [&](const std::string& source, const std::string& where) {
        if (!source.empty() && seen.insert(source).second) texts.push_back({.source = source, .where = where});
    };
    for (const story::DialogueLine& line : story::allDialogueLines()) add(line.text, "dialogue, " + line.where);
    for (const std::string& line : locationCaptionTexts()) add(line, "location caption");
    for (const inventory::CatalogueItem& item : inventory::catalogue()) add(item.caption, "inventory list");
    for (const ComponentRow& row : componentTable()) add(row.hint, std::string("hint of ") + row.name);
    for (const MenuRow& row : kMenuRows) add(row.caption, std::string("menu ") + row.name);
    for (const char* caption : {kZpetCaption, kPruzkumCaption, kSpojitCaption}) add(caption, "button");
    for (const char* text : message::kAll) add(text, "message box");
    for (const char* text : {checkpoint::kCannotOpen, checkpoint::kCannotClose}) add(text, "message box");
    for (const char* text : checkpoint::text::kAll) add(text, "saving and loading positions");
    for (const std::string& words : checkpoint::placeWords()) add(words, "a saved position's place");
    for (const char* text : title::kAll) add(text, "the title picture (drawn by artgen in each language)");
    add(info::kControlsCaption, "Controls window title");
    add(info::kControlsHeading.text, "Controls window");
    for (const info::PlacedText& line : info::kHelpLines) add(line.text, "Controls window");
    add(info::kOkCaption, "information windows' button");
    add(info::kAboutCaption, "About window title");
    for (const info::PlacedText& line : info::kAboutLines) add(line.text, "About window");
    add(ui::kLanguageName, "the language's own name in the language menu");
    return texts;
}

}  // namespace app
