#include "desktop/controls_window.hpp"

#include "desktop/fonts.hpp"
#include "desktop/info_window_helpers.hpp"
#include "info/controls_text.hpp"

#include <algorithm>

namespace desktop {

TfrmOvladani::TfrmOvladani(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(info::kControlsCaption));
    setModal(true);
    setFont(gameFont(kDefaultFontPixels));
    setFixedSize(info::kControlsWindow.width, info::kControlsWindow.height);
}

TfrmOvladani& TfrmOvladani::built() {
    if (panel_ != nullptr) return *this;
    heading_ = addPlacedText(info::kControlsHeading, this, *catalogue_);

    const ui::Rect& designPanel = info::kHelpPanel;
    panel_ = new QFrame(this);
    panel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel_->setLineWidth(1);
    int widest = 0;
    for (const info::PlacedText& line : info::kHelpLines) {
        QLabel* label = addPlacedText(line, panel_, *catalogue_);
        widest = std::max(widest, label->x() + label->width());
        lines_.push_back(label);
    }
    // The longest help lines are wider in our font than the designed panel: the panel and the
    // window grow by what they need, with the design margin on the right as on the left.
    const int panelWidth = std::max(designPanel.width, widest + info::kHelpLines.front().rect.left);
    const int growth = panelWidth - designPanel.width;
    panel_->setGeometry(designPanel.left, designPanel.top, panelWidth, designPanel.height);

    const ui::Rect& okRect = info::kControlsOkButton;
    ok_ = new QPushButton(QString::fromStdString(catalogue_->translate(info::kOkCaption)), this);
    ok_->setGeometry(okRect.left + growth / 2, okRect.top, okRect.width, okRect.height);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(info::kControlsWindow.width + growth, info::kControlsWindow.height);
    return *this;
}

void TfrmOvladani::retranslate(const ui::Catalogue& catalogue) {
    catalogue_ = &catalogue;
    setWindowTitle(QString::fromStdString(catalogue.translate(info::kControlsCaption)));
    if (panel_ == nullptr) return;
    // Laid out afresh: the new texts may need another width.
    delete heading_;
    delete panel_;
    delete ok_;
    heading_ = nullptr;
    panel_ = nullptr;
    ok_ = nullptr;
    lines_.clear();
    built();
}

void TfrmOvladani::setVisible(bool visible) {
    if (visible) built();
    QDialog::setVisible(visible);
}

void TfrmOvladani::showEvent(QShowEvent* event) {
    centreOnScreen(*this);
    QDialog::showEvent(event);
}

}  // namespace desktop
