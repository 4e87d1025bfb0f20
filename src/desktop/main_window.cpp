#include "desktop/main_window.hpp"

#include "app/component_table.hpp"
#include "desktop/fonts.hpp"

#include <QResizeEvent>

#include <algorithm>

namespace desktop {

namespace {

QRect toQRect(const ui::Rect& r) { return {r.left, r.top, r.width, r.height}; }

// Keeps its one child, the designed layout, centred; a window smaller than the layout shows
// its top-left part.
class CentringArea final : public QWidget {
public:
    explicit CentringArea(QWidget* parent) : QWidget(parent) {}
    void setContent(QWidget* content) {
        content_ = content;
        placeContent();
    }

protected:
    void resizeEvent(QResizeEvent* /*event*/) override { placeContent(); }

private:
    void placeContent() {
        if (content_ == nullptr) return;
        content_->move(std::max(0, (width() - content_->width()) / 2), std::max(0, (height() - content_->height()) / 2));
    }
    QWidget* content_ = nullptr;
};

}  // namespace

MainWindow::MainWindow(app::TfrmHlavni& form, const CursorTable& cursors, PictureStore* pictures)
    : form_(form), pictures_(pictures) {
    setWindowTitle(kMainWindowCaption);
    auto* area = new CentringArea(this);
    setCentralWidget(area);
    view_ = new FormView(form_, cursors, pictures_, area);
    area->setContent(view_);
    view_->afterInput = [this] { refresh(); };

    panel_ = new QFrame(view_);
    panel_->setGeometry(toQRect(app::kPanelRect));
    panel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel_->setLineWidth(1);
    line_ = new QLabel(panel_);
    line_->setTextFormat(Qt::PlainText);
    line_->setFont(gameFont(kLineFontPixels));
    line_->move(app::kLblTextOffset.left, app::kLblTextOffset.top);

    btnZpet_ = addButton(form_.btnZpet);
    btnPruzkum_ = addButton(form_.btnPruzkum);
    list_ = new InventoryListWidget(form_.lbPredmety, view_);
    list_->setGeometry(toQRect(form_.lbPredmety.rect()));
    list_->afterInput = [this] { refresh(); };
    btnSpojit_ = addButton(form_.btnSpojit);

    menu_ = std::make_unique<MenuBridge>(*menuBar(), form_.mm);
    menu_->afterInput = [this] { refresh(); };

    // The window's smallest useful size shows the layout down to the text panel.
    resize(app::kWindowWidth, app::kWindowHeight);
    refresh();
}

MainWindow::~MainWindow() = default;

QPushButton* MainWindow::addButton(ui::Component& model) {
    auto* button = new QPushButton(QString::fromStdString(model.text()), view_);
    button->setGeometry(toQRect(model.rect()));
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

void MainWindow::refresh() {
    if (form_.changes.value == shownChange_) return;
    shownChange_ = form_.changes.value;
    view_->refresh();
    if (pictures_ != nullptr) pictures_->clear();
    syncLine();
    syncButtons();
    list_->sync();
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

void MainWindow::syncLine() {
    const QString text = QString::fromStdString(form_.lblText.text());
    if (line_->text() == text) return;
    line_->setText(text);
    line_->adjustSize();
}

}  // namespace desktop
