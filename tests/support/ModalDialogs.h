#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace parvela::test {

// Acts on the next modal dialog once it shows, for code that opens a dialog
// with exec(). Gives up after ten seconds, so a dialog that never opens
// fails its test instead of acting on a later one.
inline void whenModalOpens(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act), waited] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr && ++*waited < 1000)
            return;
        timer->stop();
        timer->deleteLater();
        if (modal != nullptr)
            act(modal);
    });
    timer->start(10);
}

} // namespace parvela::test
