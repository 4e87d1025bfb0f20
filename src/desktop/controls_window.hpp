// TfrmOvladani, the Controls window: how the mouse is used, seven help lines in a raised panel.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <vector>

namespace desktop {

class TfrmOvladani final : public QDialog {
public:
    explicit TfrmOvladani(QWidget* parent = nullptr);

    [[nodiscard]] QFrame& panel() { return *panel_; }
    [[nodiscard]] const std::vector<QLabel*>& helpLines() const { return lines_; }
    [[nodiscard]] QPushButton& okButton() { return *ok_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QFrame* panel_ = nullptr;
    std::vector<QLabel*> lines_;
    QPushButton* ok_ = nullptr;
};

}  // namespace desktop
