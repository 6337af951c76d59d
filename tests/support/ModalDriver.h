#pragma once

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QTimer>
#include <functional>

namespace parvela::test {

// Acts on the next modal dialog once its event loop runs, as a user would;
// `seen` tells whether one ran while the driver lived.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QDialog&)> act) {
        QTimer::singleShot(0, &m_timerOwner, [this, act = std::move(act)] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                seen = true;
                act(*dialog);
            }
        });
    }

    bool seen = false;

private:
    // Gone with the driver, and the pending act with it.
    QObject m_timerOwner;
};

} // namespace parvela::test
