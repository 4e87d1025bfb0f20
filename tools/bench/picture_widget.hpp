// The floor's window content: one picture painted unscaled from the top-left, nothing else.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace bench {

class PictureWidget final : public QWidget {
public:
    explicit PictureWidget(QWidget* parent = nullptr) : QWidget(parent) {}
    QImage image;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.drawImage(0, 0, image);
    }
};

}  // namespace bench
