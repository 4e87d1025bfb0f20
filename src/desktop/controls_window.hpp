// TfrmOvladani, the Controls window: how the mouse is used, seven help lines in a raised panel.
#pragma once

#include "ui/catalogue.hpp"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <vector>

namespace desktop {

class TfrmOvladani final : public QDialog {
public:
    // The texts are laid out (and so measured) when the window is first shown or asked for
    // them, not while the game starts.
    explicit TfrmOvladani(QWidget* parent = nullptr);

    [[nodiscard]] QFrame& panel() { return *built().panel_; }
    [[nodiscard]] const std::vector<QLabel*>& helpLines() { return built().lines_; }
    [[nodiscard]] QPushButton& okButton() { return *built().ok_; }

    // Lays the texts out before the window first appears.
    void setVisible(bool visible) override;
    // Shows the window in the catalogue's language (which outlives it), laid out again to fit.
    void retranslate(const ui::Catalogue& catalogue);

protected:
    void showEvent(QShowEvent* event) override;

private:
    TfrmOvladani& built();

    const ui::Catalogue* catalogue_ = &kCzech;
    static inline const ui::Catalogue kCzech{};
    QLabel* heading_ = nullptr;
    QFrame* panel_ = nullptr;
    std::vector<QLabel*> lines_;
    QPushButton* ok_ = nullptr;
};

}  // namespace desktop
