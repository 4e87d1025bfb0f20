// Every dialogue line of the game fits the text panel in the desktop's font.
#include "app/component_table.hpp"
#include "desktop_fixture.hpp"
#include "story/all_lines.hpp"

namespace {

TEST(DialogueFit, EveryLineFitsTheTextPanel) {
    kvdesk::DesktopWindow w;
    const std::vector<story::DialogueLine> lines = story::allDialogueLines();
    ASSERT_FALSE(lines.empty());
    const QRect inside = w.window->textPanel().contentsRect();
    for (const story::DialogueLine& line : lines) {
        w.form.setLine(line.text);
        w.window->refresh();
        const QLabel& label = w.window->lineLabel();
        const QRect drawn(label.pos(), label.fontMetrics().size(0, label.text()));
        EXPECT_TRUE(inside.contains(drawn)) << line.where << ": " << line.text << " needs " << drawn.width() << " x "
                                            << drawn.height() << ", the panel has " << inside.width() << " x "
                                            << inside.height();
        EXPECT_LE(std::count(line.text.begin(), line.text.end(), '\n'), 1) << line.where;
    }
}

}  // namespace
