// The main window's central area: the scaled layout in the middle, bars of a dark colour around
// it where the window's shape differs from the layout's.
#pragma once

#include <QWidget>

#include <functional>

namespace desktop {

class LetterboxArea final : public QWidget {
public:
    explicit LetterboxArea(QWidget* parent);

    // The one child, the layout; it keeps its own size and is centred.
    void setContent(QWidget* content);
    // Centres the content again (after it changed its size).
    void placeContent();

    // Runs when the area's size or screen changed, before the content is centred again.
    std::function<void()> onResize;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QWidget* content_ = nullptr;
};

}  // namespace desktop
