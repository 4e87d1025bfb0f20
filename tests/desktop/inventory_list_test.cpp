// The inventory list widget mirrors the model's list and passes every kind of click to it.
#include "desktop_fixture.hpp"

#include <QListWidget>

#include <string>
#include <vector>

namespace {

struct InventoryListTest : ::testing::Test {
    void SetUp() override {
        w.takeControl();
        for (const char* caption : {"Služební průkaz", "Kreditní karta", "Zbraň"}) w.form.lbPredmety.append(caption);
        w.form.lbPredmety.onClick = [this] { events.push_back("click " + selection()); };
        w.form.lbPredmety.onDoubleClick = [this] { events.push_back("double " + selection()); };
        w.window->refresh();
    }

    std::string selection() const {
        const auto selected = w.form.lbPredmety.selected();
        return selected ? w.form.lbPredmety.caption(*selected) : "none";
    }
    desktop::InventoryListWidget& list() { return w.window->inventoryList(); }
    QPoint centreOf(int row) { return list().visualItemRect(list().item(row)).center(); }
    QPoint belowTheEntries() {
        const QRect last = list().visualItemRect(list().item(list().count() - 1));
        return {last.center().x(), last.bottom() + 20};
    }

    kvdesk::DesktopWindow w;
    std::vector<std::string> events;
};

TEST_F(InventoryListTest, ShowsTheModelsEntriesInTheModelsOrder) {
    std::vector<std::string> shown;
    for (int row = 0; row < list().count(); ++row) shown.push_back(list().item(row)->text().toStdString());
    EXPECT_EQ(shown, w.form.lbPredmety.captions());
    w.form.lbPredmety.removeAt(0);
    w.window->refresh();
    EXPECT_EQ(list().count(), 2);
    EXPECT_EQ(list().item(0)->text().toStdString(), w.form.lbPredmety.caption(0));
}

TEST_F(InventoryListTest, EveryCaptionFitsOnOneLine) {
    w.form.lbPredmety.clear();
    for (const char* caption : {"Služební průkaz", "Mobilní telefon", "Vlasec + matka", "Kreditní karta"})
        w.form.lbPredmety.append(caption);
    w.window->refresh();
    const int lineHeight = list().fontMetrics().height();
    for (int row = 0; row < list().count(); ++row)
        EXPECT_LT(list().visualItemRect(list().item(row)).height(), 2 * lineHeight) << list().item(row)->text().toStdString();
}

TEST_F(InventoryListTest, AClickOnAnEntrySelectsItThenRunsTheHandler) {
    const std::string second = w.form.lbPredmety.caption(1);
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, centreOf(1));
    EXPECT_EQ(events, (std::vector<std::string>{"click " + second}));
    EXPECT_TRUE(list().item(1)->isSelected());
    // A selection the game makes by itself shows too.
    w.form.lbPredmety.select(2);
    w.window->refresh();
    EXPECT_TRUE(list().item(2)->isSelected());
    EXPECT_FALSE(list().item(1)->isSelected());
}

TEST_F(InventoryListTest, AClickBelowTheEntriesSelectsNothingAndStillRunsTheHandler) {
    w.form.lbPredmety.select(0);
    w.window->refresh();
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, belowTheEntries());
    EXPECT_EQ(events, (std::vector<std::string>{"click none"}));
    EXPECT_TRUE(list().selectedItems().isEmpty());
}

TEST_F(InventoryListTest, ADoubleClickIsOneClickThenTheDoubleClickHandler) {
    const std::string first = w.form.lbPredmety.caption(0);
    // What the window system delivers: press, release, press, double click, release.
    QWidget* viewport = list().viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, centreOf(0));
    QTest::mousePress(viewport, Qt::LeftButton, {}, centreOf(0));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, centreOf(0));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, centreOf(0));
    EXPECT_EQ(events, (std::vector<std::string>{"click " + first, "double " + first}));
    // The next plain click is a click again.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, centreOf(1));
    EXPECT_EQ(events.size(), 3u);
}

TEST_F(InventoryListTest, AHiddenOrDisabledListTakesNoClicks) {
    w.form.lbPredmety.setEnabled(false);
    w.window->refresh();
    EXPECT_FALSE(list().isEnabled());
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, centreOf(0));
    w.form.lbPredmety.setVisible(false);
    w.window->refresh();
    EXPECT_TRUE(list().isHidden());
    EXPECT_TRUE(events.empty());
}

}  // namespace
