// TfrmOprogramu, the About window: title, version and the maker's lines, which slide in from the
// right each time the window is shown, driven by the core's slide-in model.
#pragma once

#include "info/about_slide_in.hpp"
#include "ui/catalogue.hpp"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <array>

namespace desktop {

class TfrmOprogramu final : public QDialog {
public:
    // The clock drives the window's 10 ms timer.
    explicit TfrmOprogramu(ui::Clock& clock, QWidget* parent = nullptr);

    [[nodiscard]] info::AboutSlideIn& slideIn() { return slideIn_; }
    [[nodiscard]] QGroupBox& groupBox() { return *groupBox_; }
    [[nodiscard]] QLabel& line(info::AboutLine which) { return *lines_.at(static_cast<std::size_t>(which)); }
    [[nodiscard]] QPushButton& okButton() { return *ok_; }
    // Shows the window's texts in the catalogue's language.
    void retranslate(const ui::Catalogue& catalogue);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeControls();

    info::AboutSlideIn slideIn_;
    QGroupBox* groupBox_ = nullptr;
    std::array<QLabel*, info::kAboutLineCount> lines_{};
    QPushButton* ok_ = nullptr;
};

}  // namespace desktop
