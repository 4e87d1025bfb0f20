// The box "Historie rozhovorů": every line shown since the game began, speaker and text,
// newest at the bottom.
#pragma once

#include <QDialog>
#include <QString>
#include <QTextBrowser>

#include <deque>
#include <string>

namespace desktop {

inline constexpr const char* kHistoryCaption = "Historie rozhovorů";
inline constexpr const char* kHistoryEmpty = "Zatím nezazněl žádný rozhovor.";

// The lines as rich text: each speaker in bold before the text, a line's break as a space.
QString historyHtml(const std::deque<std::string>& lines);

class HistoryBox final : public QDialog {
public:
    HistoryBox(const std::deque<std::string>& lines, QWidget* parent = nullptr);
    [[nodiscard]] QTextBrowser& text() { return *text_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTextBrowser* text_ = nullptr;
};

}  // namespace desktop
