// The box "Historie rozhovorů": every line shown since the game began, speaker and text,
// newest at the bottom.
#pragma once

#include "desktop/desktop_texts.hpp"
#include "ui/catalogue.hpp"

#include <QDialog>
#include <QString>
#include <QTextBrowser>

#include <deque>
#include <string>

namespace desktop {

// The lines (Czech sources) as rich text in the catalogue's language: each speaker in bold
// before the text, a line's break as a space.
QString historyHtml(const std::deque<std::string>& lines, const ui::Catalogue& catalogue);

class HistoryBox final : public QDialog {
public:
    HistoryBox(const std::deque<std::string>& lines, const ui::Catalogue& catalogue, QWidget* parent = nullptr);
    [[nodiscard]] QTextBrowser& text() { return *text_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTextBrowser* text_ = nullptr;
};

}  // namespace desktop
