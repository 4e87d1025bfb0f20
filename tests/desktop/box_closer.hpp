// Closes every message box the game opens, remembering its text, so a test can start the game
// with boxes to come and look at the window while each box is open.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace kvdesk {

class BoxCloser {
public:
    // whileOpen runs once per box, while it is open, before it is closed.
    explicit BoxCloser(std::function<void()> whileOpen = {}) : whileOpen_(std::move(whileOpen)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { closeOpenBox(); });
        timer_.start(10);
    }

    std::vector<std::string> texts;

private:
    void closeOpenBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        texts.push_back(box->text().toStdString());
        if (whileOpen_) whileOpen_();
        box->buttons().front()->click();
    }

    std::function<void()> whileOpen_;
    QTimer timer_;
};

}  // namespace kvdesk
