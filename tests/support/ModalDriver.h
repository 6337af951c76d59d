#pragma once

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QTimer>
#include <functional>

namespace parvela::test {

// Acts on the next modal dialog once it shows (a progress dialog passed
// over), as a user would; `seen` tells
// whether one showed while the driver lived. It looks every 10 ms for ten
// seconds, so a dialog that never opens fails its test instead of the act
// landing on a later one.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QDialog&)> act)
        : m_act(std::move(act)) {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { look(); });
        m_timer.start(10);
    }

    bool seen = false;

private:
    void look() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        // A progress dialog closes by itself once its work is done: the act
        // is for the dialog after it.
        if (dialog != nullptr && dialog->inherits("parvela::platform::JobProgressDialog"))
            dialog = nullptr;
        if (dialog == nullptr && ++m_looks < 1000)
            return;
        m_timer.stop();
        if (dialog == nullptr)
            return;
        seen = true;
        m_act(*dialog);
    }

    std::function<void(QDialog&)> m_act;
    int m_looks = 0;
    // Gone with the driver, and the pending act with it.
    QTimer m_timer;
};

} // namespace parvela::test
