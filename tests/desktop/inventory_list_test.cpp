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

TEST_F(InventoryListTest, EveryCaptionFitsOnOneLineAtEveryScale) {
    w.form.lbPredmety.clear();
    for (const char* caption : {"Služební průkaz", "Mobilní telefon", "Vlasec + matka", "Kreditní karta"})
        w.form.lbPredmety.append(caption);
    w.window->refresh();
    for (const double factor : {0.75, 0.91, 0.98, 1.0, 1.34, 1.5, 2.0}) {
        w.showLayoutAt(factor);
        const int lineHeight = list().fontMetrics().height();
        for (int row = 0; row < list().count(); ++row) {
            const QRect place = list().visualItemRect(list().item(row));
            // One line of text and the row's padding above and below it.
            EXPECT_LT(place.height(), 2 * lineHeight + 8 * factor - 1) << list().item(row)->text().toStdString() << " at " << factor;
            // Whole, not cut short with an ellipsis: room to spare beside the text.
            EXPECT_LE(list().fontMetrics().horizontalAdvance(list().item(row)->text()) + 8, place.width())
                << list().item(row)->text().toStdString() << " at " << factor;
        }
        // Rows are roomy, yet fifteen entries still fit the list's height.
        EXPECT_GT(list().visualItemRect(list().item(0)).height(), lineHeight + factor * 6) << factor;
        EXPECT_LT(15 * list().visualItemRect(list().item(0)).height(), list().viewport()->height() + 2) << factor;
    }
}

TEST_F(InventoryListTest, AClickOnAnEntrySelectsItThenRunsTheHandler) {
    const std::string second = w.form.lbPredmety.caption(1);
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, centreOf(1));
    EXPECT_EQ(events, (std::vector<std::string>{"click " + second}));
    EXPECT_EQ(w.form.lbPredmety.selected(), 1);
    // The handler here took nothing into the hand, so nothing is highlighted.
    EXPECT_TRUE(list().selectedItems().isEmpty());
}

TEST_F(InventoryListTest, TheEntryIsHighlightedExactlyWhileItsItemIsInTheHand) {
    w.form.lbPredmety.onClick = [this] { w.form.lbPredmetyClick(); };
    w.form.state.itemCount = w.form.lbPredmety.count();
    const auto highlighted = [this] {
        std::vector<std::string> shown;
        for (QListWidgetItem* item : list().selectedItems()) shown.push_back(item->text().toStdString());
        return shown;
    };
    int cardRow = -1;
    for (int row = 0; row < list().count(); ++row)
        if (list().item(row)->text() == QStringLiteral("Kreditní karta")) cardRow = row;
    ASSERT_GE(cardRow, 0);
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, centreOf(cardRow));
    ASSERT_TRUE(w.form.holding(2));
    EXPECT_EQ(highlighted(), (std::vector<std::string>{"Kreditní karta"}));

    // Zpět empties the hand: the entry stays selected in the model, but no longer looks held.
    w.form.btnZpetClick();
    w.window->refresh();
    EXPECT_EQ(w.form.lbPredmety.selected(), cardRow);
    EXPECT_TRUE(highlighted().empty());

    // Taken again, then used up by a rule that empties the hand: the highlight goes with it.
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, centreOf(cardRow));
    EXPECT_EQ(highlighted(), (std::vector<std::string>{"Kreditní karta"}));
    w.form.dropHeldItem();
    w.window->refresh();
    EXPECT_TRUE(highlighted().empty());

    // The gun with its magazine out is still the gun.
    w.form.setHeld(4, 1);
    w.form.changes.bump();
    w.window->refresh();
    EXPECT_EQ(highlighted(), (std::vector<std::string>{"Zbraň"}));
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
