#include "desktop/main_window.hpp"

#include "app/component_table.hpp"
#include "desktop/frame_theme.hpp"
#include "desktop/held_view.hpp"
#include "desktop/history_box.hpp"
#include "desktop/letterbox_area.hpp"
#include "desktop/pace_input.hpp"
#include "desktop/pace_menu.hpp"
#include "desktop/view_menu.hpp"
#include "inventory/combine_step.hpp"

#include <QCloseEvent>
#include <QEvent>
#include <QMenuBar>

#include <utility>

namespace desktop {

namespace {

// A new font makes a widget lay out again: set only one that differs.
void setFontIfChanged(QWidget& widget, const QFont& font) {
    if (widget.font() != font) widget.setFont(font);
}

}  // namespace

MainWindow::MainWindow(app::TfrmHlavni& form, const CursorTable& cursors, PictureStore* pictures)
    : form_(form), pictures_(pictures) {
    setWindowTitle(kMainWindowCaption);
    area_ = new LetterboxArea(this);
    setCentralWidget(area_);
    view_ = new FormView(form_, cursors, pictures_, area_);
    area_->setContent(view_);
    view_->afterInput = [this] { refresh(); };

    panel_ = new QFrame(view_);
    panel_->setObjectName(kTextPanelName);
    line_ = new QLabel(panel_);
    line_->setTextFormat(Qt::PlainText);
    line_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A line too long for the panel in a larger font breaks again between words.
    line_->setWordWrap(true);

    btnZpet_ = addButton(form_.btnZpet);
    btnPruzkum_ = addButton(form_.btnPruzkum);
    list_ = new InventoryListWidget(form_.lbPredmety, view_);
    list_->setObjectName(kInventoryListName);
    list_->afterInput = [this] { refresh(); };
    btnSpojit_ = addButton(form_.btnSpojit);
    // Drawn pressed while a combination is armed; the model alone says when (syncSpojit).
    btnSpojit_->setCheckable(true);

    menu_ = std::make_unique<MenuBridge>(*menuBar(), form_.mm);
    menu_->afterInput = [this] {
        refresh();
        if (afterMenuInput) afterMenuInput();
    };
    viewMenu_ = std::make_unique<ViewMenu>(*menuBar());
    viewMenu_->onChange = [this](const ViewOptions& options) { playerChangedView(options); };
    viewMenu_->show(options_);
    paceMenu_ = std::make_unique<PaceMenu>(*menuBar());
    connect(&paceMenu_->history(), &QAction::triggered, this, [this] { showDialogueHistory(); });
    connect(&paceMenu_->reveal(), &QAction::toggled, this, [this](bool on) { view_->setRevealChosen(on); });
    pace_ = std::make_unique<PaceInput>(*this, *view_, form_);
    pace_->advanceOnClick(*panel_);
    pace_->advanceOnClick(*line_);
    pace_->afterInput = [this] { refresh(); };

    // The smallest window still shows the whole layout at a readable size.
    area_->setMinimumSize(LayoutScale(kMinimumFactor, 1.0).logicalSize());
    area_->onResize = [this] { placeLayout(); };
    // The layout is placed and styled when the window first gets its size on screen.
    resize(app::kWindowWidth, app::kWindowHeight);
    refresh();
}

MainWindow::~MainWindow() = default;

QPushButton* MainWindow::addButton(ui::Component& model) {
    auto* button = new QPushButton(QString::fromStdString(model.text()), view_);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, &model] {
        if (!model.enabled() || !model.visible() || !model.onClick) return;
        model.onClick();
        refresh();
    });
    return button;
}

QPushButton& MainWindow::buttonOf(const ui::Component& button) {
    if (&button == &form_.btnZpet) return *btnZpet_;
    if (&button == &form_.btnPruzkum) return *btnPruzkum_;
    return *btnSpojit_;
}

void MainWindow::showDialogueHistory() {
    const auto box = [this] {
        HistoryBox history(form_.dialogueHistory(), form_.catalogue(), this);
        history.exec();
    };
    if (runAsBox)
        runAsBox(box);
    else
        box();
}

void MainWindow::setViewOptions(const ViewOptions& options) {
    const bool textChanged = options.largerText != options_.largerText;
    options_ = options;
    viewMenu_->show(options_);
    // Only the full-screen flag changes: leaving full screen returns to maximised or not, as before.
    if (options_.fullScreen != isFullScreen())
        setWindowState(options_.fullScreen ? windowState() | Qt::WindowFullScreen : windowState() & ~Qt::WindowFullScreen);
    if (textChanged) {
        setFontIfChanged(*line_, lineFont(layoutScale(), options_.largerText));
        fitLine();
    }
    // A hidden window is placed when it is shown and gets its size.
    if (isVisible()) placeLayout();
}

void MainWindow::playerChangedView(const ViewOptions& options) {
    setViewOptions(options);
    if (afterViewChange) afterViewChange();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || isFullScreen() == options_.fullScreen) return;
    // The window manager may leave full screen on its own: the menu follows.
    options_.fullScreen = isFullScreen();
    viewMenu_->show(options_);
    if (afterViewChange) afterViewChange();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the window ends the game as Konec does: only after the same question.
    if (!form_.confirmQuit()) {
        event->ignore();
        return;
    }
    if (afterViewChange) afterViewChange();
    QMainWindow::closeEvent(event);
}

void MainWindow::placeLayout() {
    applyScale(LayoutScale::fitting(area_->size(), area_->devicePixelRatioF(), options_.sharpPixels));
    area_->placeContent();
}

void MainWindow::applyScale(const LayoutScale& scale) {
    if (placed_ && scale == layoutScale()) return;
    placed_ = true;
    view_->setLayoutScale(scale);
    styleFrame();
    dressTextPanel(*panel_, scale);
    panel_->setGeometry(scale.widgetRect(app::kPanelRect));
    // The line keeps its designed offset inside the panel, measured from the panel's corner.
    const QRect panel = scale.widgetRect(app::kPanelRect);
    const QRect line = scale.widgetRect({app::kPanelRect.left + app::kLblTextOffset.left,
                                         app::kPanelRect.top + app::kLblTextOffset.top, 0, 0});
    line_->move(line.topLeft() - panel.topLeft());
    setFontIfChanged(*line_, lineFont(scale, options_.largerText));
    fitLine();
    for (ui::Component* model : {&form_.btnZpet, &form_.btnPruzkum, &form_.btnSpojit}) {
        QPushButton& button = buttonOf(*model);
        button.setGeometry(scale.widgetRect(model->rect()));
        setFontIfChanged(button, buttonFont(scale));
    }
    list_->setGeometry(scale.widgetRect(form_.lbPredmety.rect()));
    setFontIfChanged(*list_, listFont(scale, list_->width()));
}

void MainWindow::refresh() {
    syncSpojit();
    if (std::optional<std::string> held = heldCaption(form_); held != shownHeld_) {
        shownHeld_ = std::move(held);
        list_->sync(shownHeld_);
        view_->refresh();  // the held picture is drawn above the scene only while it is held
    }
    if (form_.changes.value == shownChange_) return;
    shownChange_ = form_.changes.value;
    syncShown();
    // The scene may have changed under a pointer that stayed still: what lies there now hears
    // of the pointer and shows its cursor, and what that changed is shown too.
    view_->replayPointer();
    if (form_.changes.value != shownChange_) {
        shownChange_ = form_.changes.value;
        syncShown();
    }
}

void MainWindow::styleFrame() {
    // The buttons and the list are hidden until a game starts: their style sheet waits for
    // them, off the way to the first frame. Restyling polishes every child again, so it is
    // set again only when a width or padding of the frame changed.
    const bool shown = form_.lbPredmety.visible() || form_.btnZpet.visible() || form_.btnPruzkum.visible() ||
                       form_.btnSpojit.visible() || !view_->styleSheet().isEmpty();
    if (!shown || !placed_) return;
    if (QString sheet = frameStyleSheet(layoutScale()); sheet != view_->styleSheet()) view_->setStyleSheet(sheet);
}

void MainWindow::syncShown() {
    view_->refresh();
    if (pictures_ != nullptr) pictures_->clear();
    syncLine();
    styleFrame();
    syncButtons();
    shownHeld_ = heldCaption(form_);
    list_->sync(shownHeld_);
    menu_->sync();
}

void MainWindow::syncButtons() {
    for (const ui::Component* model : {&form_.btnZpet, &form_.btnPruzkum, &form_.btnSpojit}) {
        QPushButton& button = buttonOf(*model);
        button.setText(QString::fromStdString(model->text()));
        button.setEnabled(model->enabled());
        button.setVisible(model->visible());
    }
}

void MainWindow::syncSpojit() {
    // Arming changes only the game state, not a component, so it is looked at on every refresh;
    // a click toggles the checkable button by itself and is put right here.
    const bool armed = inventory::combinationArmed(form_);
    if (btnSpojit_->isChecked() != armed) btnSpojit_->setChecked(armed);
}

void MainWindow::syncLine() {
    const QString text = QString::fromStdString(form_.lblText.text());
    if (line_->text() == text) return;
    line_->setText(text);
    fitLine();
}

void MainWindow::fitLine() {
    // As wide as the panel less the line's offset on both sides; as high as its text needs.
    const int width = panel_->width() - 2 * line_->x();
    line_->resize(width, line_->heightForWidth(width));
}

}  // namespace desktop
