// The floor's window content: one picture painted from the top-left, nothing else; scaled by a
// whole factor the plain way (each pixel a square), as the game draws at whole multiples.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace bench {

class PictureWidget final : public QWidget {
public:
    explicit PictureWidget(QWidget* parent = nullptr) : QWidget(parent) {}
    QImage image;
    int factor = 1;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        if (factor == 1)
            painter.drawImage(0, 0, image);
        else
            painter.drawImage(QRect(0, 0, image.width() * factor, image.height() * factor), image);
    }
};

}  // namespace bench
