#include "app/MainWindow.h"

#include "app/CatalogData.h"
#include "app/PrivateMessages.h"
#include "platform/MessageListener.h"

#include <QCoreApplication>
#include <QPainter>

namespace parvela::app {

MainWindow::MainWindow(const CatalogData& catalog, QWidget* parent)
    : QWidget(parent)
    , m_catalog(catalog) {
    setWindowTitle(QString::fromLatin1(kTitle));
    setObjectName(QStringLiteral("GRUP_PARVELA"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

MainWindow::~MainWindow() = default;

void MainWindow::listenForMessages() {
    m_listener = new platform::MessageListener(
        QString::fromLatin1(kTitle),
        [this](int message) {
            QCoreApplication::postEvent(this, new QEvent(msg::eventType(message)));
        },
        this);
    m_listener->listen();
}

bool MainWindow::event(QEvent* event) {
    switch (static_cast<int>(event->type())) {
    case msg::kRedrawNow:
        repaint();
        return true;
    case msg::kBringToFront:
        raise();
        activateWindow();
        showMaximized();
        return true;
    default:
        return QWidget::event(event);
    }
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xF4, 0xF1, 0xEA));
    QFont font = painter.font();
    font.setPointSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x3A, 0x2E, 0x22));
    painter.drawText(rect().adjusted(24, 24, -24, -24), Qt::AlignTop | Qt::AlignLeft,
                     m_catalog.company().name);
}

} // namespace parvela::app
