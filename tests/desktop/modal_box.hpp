// Answering the game's modal boxes from a test: the box runs its own event loop, so the answer
// is queued before the code that opens it.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

namespace kvdesk {

// Waits in the event loop until the condition holds (or a generous limit passes).
inline bool waitFor(const std::function<bool()>& condition) {
    constexpr int kPatienceMs = 5000;
    QElapsedTimer waited;
    waited.start();
    while (!condition() && waited.elapsed() < kPatienceMs) QTest::qWait(5);
    return condition();
}

// Once the next box is open, hands it to answer, which must close it.
inline void handleNextBox(const std::function<void(QMessageBox&)>& answer) {
    QTimer::singleShot(0, [answer] {
        waitFor([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; });
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) answer(*box);
    });
}

// Once the next box is open, runs whileOpen and then presses a button of the box.
inline void answerNextBox(QMessageBox::StandardButton button, const std::function<void()>& whileOpen = {}) {
    handleNextBox([button, whileOpen](QMessageBox& box) {
        if (whileOpen) whileOpen();
        box.button(button)->click();
    });
}

}  // namespace kvdesk
