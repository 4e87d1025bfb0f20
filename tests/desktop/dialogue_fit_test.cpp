// Every dialogue line of the game fits the text panel in the desktop's font, at the normal and
// the larger text size, at every scale the window may take.
#include "app/component_table.hpp"
#include "desktop_fixture.hpp"
#include "story/all_lines.hpp"

namespace {

// Czech and every language with a catalogue.
std::vector<ui::Catalogue> everyLanguage() {
    std::vector<ui::Catalogue> languages;
    for (const std::string& code : ui::availableLanguages(KVELNOR_CATALOGUE_DIR)) {
        std::string error;
        std::optional<ui::Catalogue> catalogue = ui::loadCatalogue(code, error, KVELNOR_CATALOGUE_DIR);
        EXPECT_TRUE(catalogue) << error;
        if (catalogue) languages.push_back(std::move(*catalogue));
    }
    EXPECT_GE(languages.size(), 2u);
    return languages;
}

TEST(DialogueFit, EveryLineFitsTheTextPanelAtEveryTextSizeAndScaleInEveryLanguage) {
    kvdesk::DesktopWindow w;
    const std::vector<story::DialogueLine> lines = story::allDialogueLines();
    ASSERT_FALSE(lines.empty());
    for (const ui::Catalogue& language : everyLanguage()) {
        w.form.setCatalogue(language);
        SCOPED_TRACE("language " + language.language());
        for (const bool larger : {false, true}) {
            w.window->setViewOptions({.fullScreen = false, .sharpPixels = false, .largerText = larger});
            for (const double factor : {0.75, 1.0, 1.34, 1.5, 2.0}) {
                w.showLayoutAt(factor);
                const QRect inside = w.window->textPanel().contentsRect();
                for (const story::DialogueLine& line : lines) {
                    w.form.setLine(line.text);
                    w.window->refresh();
                    const QLabel& label = w.window->lineLabel();
                    const QSize text = label.fontMetrics().size(0, label.text());
                    // Broken again where needed, the line's text keeps inside the panel.
                    const QRect drawn(label.pos(), QSize(label.width(), label.heightForWidth(label.width())));
                    // At the designed size in the normal font no line needs breaking again.
                    if (factor == 1.0 && !larger) {
                        EXPECT_LE(text.width(), label.width()) << line.where << ": " << label.text().toStdString();
                    }
                    EXPECT_TRUE(inside.contains(drawn))
                        << line.where << (larger ? " (larger text)" : "") << " at " << factor << "x: " << label.text().toStdString() << " needs "
                        << drawn.width() << " x " << drawn.height() << " from " << drawn.left() << "," << drawn.top()
                        << ", the panel has " << inside.width() << " x " << inside.height();
                }
            }
        }
    }
    for (const story::DialogueLine& line : lines)
        EXPECT_LE(std::count(line.text.begin(), line.text.end(), '\n'), 1) << line.where;
}

TEST(DialogueFit, LargerTextIsLargerAtEveryScale) {
    kvdesk::DesktopWindow w;
    for (const double factor : {0.75, 1.0, 2.0}) {
        w.showLayoutAt(factor);
        w.window->setViewOptions({});
        const int normal = w.window->lineLabel().font().pixelSize();
        w.window->setViewOptions({.fullScreen = false, .sharpPixels = false, .largerText = true});
        EXPECT_GE(w.window->lineLabel().font().pixelSize(), normal + std::max(2.0, 2 * factor)) << factor;
    }
}

}  // namespace
