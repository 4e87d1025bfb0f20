#include "desktop/about_window.hpp"

#include "desktop/fonts.hpp"
#include "desktop/info_window_helpers.hpp"

namespace desktop {

TfrmOprogramu::TfrmOprogramu(ui::Clock& clock, QWidget* parent) : QDialog(parent), slideIn_(clock) {
    setWindowTitle(QString::fromUtf8(info::kAboutCaption));
    setModal(true);
    setFont(gameFont(kDefaultFontPixels));

    const ui::Rect& box = info::kAboutGroupBox;
    groupBox_ = new QGroupBox(this);
    groupBox_->setGeometry(box.left, box.top, box.width, box.height);
    for (int n = 0; n < info::kAboutLineCount; ++n)
        lines_.at(static_cast<std::size_t>(n)) = addPlacedText(info::kAboutLines.at(static_cast<std::size_t>(n)), groupBox_, ui::Catalogue());

    const ui::Rect& okRect = info::kAboutOkButton;
    ok_ = new QPushButton(QString::fromUtf8(info::kOkCaption), this);
    ok_->setGeometry(okRect.left, okRect.top, okRect.width, okRect.height);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(info::kAboutWindow.width, info::kAboutWindow.height);
    slideIn_.onMoved = [this] { placeControls(); };
}

void TfrmOprogramu::retranslate(const ui::Catalogue& catalogue) {
    setWindowTitle(QString::fromStdString(catalogue.translate(info::kAboutCaption)));
    ok_->setText(QString::fromStdString(catalogue.translate(info::kOkCaption)));
    for (int n = 0; n < info::kAboutLineCount; ++n)
        placeText(*lines_.at(static_cast<std::size_t>(n)), info::kAboutLines.at(static_cast<std::size_t>(n)), catalogue);
}

void TfrmOprogramu::showEvent(QShowEvent* event) {
    centreOnScreen(*this);
    QDialog::showEvent(event);
    // Every showing is an activation: the texts slide in again from the right edge.
    slideIn_.FormActivate(width());
}

void TfrmOprogramu::placeControls() {
    groupBox_->move(slideIn_.groupBoxLeft(), groupBox_->y());
    for (int n = 0; n < info::kAboutLineCount; ++n) {
        QLabel& label = *lines_.at(static_cast<std::size_t>(n));
        label.move(slideIn_.lineLeft(static_cast<info::AboutLine>(n)), label.y());
    }
}

}  // namespace desktop
