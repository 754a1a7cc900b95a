#pragma once

// Answers a modal dialog from inside its own event loop, so a test can press a
// button that opens one and carry on when it closes.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace lodrin::test {

// Runs `answer` on the next modal dialog once its event loop is running.
inline void WhenModalShown(std::function<void(QWidget* dialog)> answer) {
    QTimer::singleShot(0,
                       [answer = std::move(answer)] { answer(QApplication::activeModalWidget()); });
}

} // namespace lodrin::test
