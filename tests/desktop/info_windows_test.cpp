// The Controls and About windows: their texts in place and readable, the About slide-in on screen.
#include "desktop/about_window.hpp"
#include "desktop/controls_window.hpp"
#include "info/about_text.hpp"
#include "info/controls_text.hpp"
#include "ui/virtual_clock.hpp"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The text a label draws fits inside the widget that holds it.
void expectWholeTextInside(const QLabel& label, const QWidget& holder) {
    const int textWidth = label.fontMetrics().horizontalAdvance(label.text());
    EXPECT_LE(label.x() + textWidth, holder.contentsRect().right()) << label.text().toStdString();
    EXPECT_LE(textWidth, label.width()) << label.text().toStdString();
}

TEST(ControlsWindow, ShowsTheSevenHelpLinesTopToBottomInsideThePanel) {
    desktop::TfrmOvladani controls;
    EXPECT_EQ(controls.windowTitle(), "Ovládání");
    EXPECT_TRUE(controls.isModal());
    EXPECT_GE(controls.width(), info::kControlsWindow.width);
    EXPECT_EQ(controls.height(), info::kControlsWindow.height);
    ASSERT_EQ(controls.helpLines().size(), info::kHelpLines.size());
    int previousTop = -1;
    for (std::size_t n = 0; n < info::kHelpLines.size(); ++n) {
        const QLabel& label = *controls.helpLines()[n];
        EXPECT_EQ(label.text(), QString::fromUtf8(info::kHelpLines[n].text));
        EXPECT_GT(label.y(), previousTop);
        previousTop = label.y();
        expectWholeTextInside(label, controls.panel());
    }
    EXPECT_LE(controls.panel().geometry().right(), controls.width());
    // The OK button stays centred under the panel.
    EXPECT_NEAR(controls.okButton().geometry().center().x(), controls.panel().geometry().center().x(), 8);
}

TEST(ControlsWindow, OkHidesTheWindowWhichIsShownAgainUnchanged) {
    desktop::TfrmOvladani controls;
    controls.show();
    QApplication::processEvents();
    QTest::mouseClick(&controls.okButton(), Qt::LeftButton);
    EXPECT_TRUE(controls.isHidden());
    controls.show();
    EXPECT_TRUE(controls.isVisible());
    controls.hide();
}

struct AboutWindowTest : ::testing::Test {
    void showAndTick(int ticks) {
        about.show();
        QApplication::processEvents();
        clock.advance(static_cast<std::int64_t>(ticks) * info::kSlideTickMs);
    }
    int labelX(info::AboutLine line) { return about.line(line).x(); }

    ui::VirtualClock clock;
    desktop::TfrmOprogramu about{clock};
};

TEST_F(AboutWindowTest, EachShowingSlidesTheTextsInFromTheRightEdge) {
    showAndTick(0);
    EXPECT_EQ(about.groupBox().x(), info::kAboutWindow.width);
    EXPECT_EQ(labelX(info::kTitle), info::kAboutWindow.width);
    clock.advance(258 * info::kSlideTickMs);
    EXPECT_EQ(labelX(info::kVersion), info::kAboutLines[info::kVersion].rect.left);
    EXPECT_EQ(about.groupBox().x(), info::kAboutWindow.width - 258);
    clock.advance((402 - 258) * info::kSlideTickMs);
    EXPECT_EQ(about.groupBox().x(), info::kAboutGroupBox.left);
    EXPECT_EQ(labelX(info::kTitle), info::kAboutLines[info::kTitle].rect.left);
    const int buttonX = about.okButton().x();
    about.hide();
    showAndTick(0);
    EXPECT_EQ(about.groupBox().x(), info::kAboutWindow.width);
    EXPECT_EQ(about.okButton().x(), buttonX);  // the button never moves
    about.hide();
}

TEST_F(AboutWindowTest, ShowsTheTitleAndTheMakersLinesWhole) {
    EXPECT_EQ(about.windowTitle(), "O programu");
    EXPECT_TRUE(about.isModal());
    EXPECT_EQ(about.size(), QSize(info::kAboutWindow.width, info::kAboutWindow.height));
    EXPECT_EQ(about.line(info::kTitle).text(), "Kvelnor");
    EXPECT_EQ(about.line(info::kTitle).palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(about.line(info::kTitle).font().bold());
    EXPECT_EQ(about.line(info::kTitle).font().pixelSize(), 32);
    for (int n = 0; n < info::kAboutLineCount; ++n)
        expectWholeTextInside(about.line(static_cast<info::AboutLine>(n)), about.groupBox());
}

TEST_F(AboutWindowTest, OkClosesTheWindowAtOnceInTheMiddleOfTheSlideIn) {
    showAndTick(50);
    QTest::mouseClick(&about.okButton(), Qt::LeftButton);
    EXPECT_TRUE(about.isHidden());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
