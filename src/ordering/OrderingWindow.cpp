#include "ordering/OrderingWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace parvela::ordering {

namespace {

constexpr int kBarGap = 6;
constexpr int kBarWidth = 16;
constexpr int kWheelStep = 120;

QRect qRect(const Rect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

void drawButton(QPainter& painter, const Rect& rect, const QString& caption) {
    painter.setPen(Qt::black);
    painter.setBrush(QColor(119, 136, 153));
    painter.drawRect(qRect(rect));
    painter.setPen(Qt::white);
    painter.drawText(qRect(rect), Qt::AlignCenter, caption);
}

void drawCell(QPainter& painter, const OrderCell& cell) {
    const QRect area = qRect(cell.rect);
    // Light fills carry black text; only the dark column cells take white.
    const QColor fill = cell.highlighted ? QColor(255, 230, 90)
                        : cell.placed    ? QColor(40, 70, 120)
                                         : QColor(225, 225, 225);
    painter.setPen(Qt::black);
    painter.setBrush(fill);
    painter.drawRect(area);
    painter.setPen(cell.placed && !cell.highlighted ? Qt::white : Qt::black);
    const int chars = static_cast<int>(cell.text.size());
    const int x = std::max(cell.rect.left + 77 - 3 * chars, cell.rect.left + 1);
    const QRect textArea(x, area.top() + 2, cell.rect.right - x - 2, 16);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(cell.text, Qt::ElideRight, textArea.width()));
    if (cell.detail.isEmpty())
        return;
    const bool dark = cell.placed && !cell.highlighted;
    const QColor ink = cell.closed ? (dark ? QColor(255, 170, 170) : QColor(170, 0, 0))
                                   : (dark ? QColor(200, 210, 230) : QColor(70, 70, 70));
    painter.setPen(ink);
    painter.drawText(QRect(area.left() + 4, area.top() + 18, area.width() - 8, 16),
                     Qt::AlignLeft | Qt::AlignVCenter, cell.detail);
}

} // namespace

OrderingWindow::OrderingWindow(const char* className, const QString& title,
                               const QString& countLabel, QWidget* owner)
    : QWidget(owner, Qt::Window)
    , m_countLabel(countLabel)
    , m_board(std::in_place, std::vector<OrderCell>{}) {
    setObjectName(QString::fromLatin1(className));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFixedSize(kWidth, kHeight);
    move(50, 20);
    m_columnBar = new QScrollBar(Qt::Vertical, this);
    m_columnBar->setObjectName(QStringLiteral("columnScroll"));
    m_columnBar->setGeometry(board::kColumnRight + kBarGap, board::kColumnTop, kBarWidth,
                             board::kColumnBottom - board::kColumnTop);
    m_columnBar->setPageStep(board::kColumnRows);
    connect(m_columnBar, &QScrollBar::valueChanged, this, [this](int firstRow) {
        m_board->scrollColumn(firstRow);
        update();
    });
    showColumnScroll();
}

void OrderingWindow::setCells(std::vector<OrderCell> cells) {
    m_board.emplace(std::move(cells));
    m_hovered = -1;
    showColumnScroll();
    update();
}

// The bar follows the board: shown once the column holds more than it shows.
void OrderingWindow::showColumnScroll() {
    const QSignalBlocker quiet(m_columnBar);
    m_columnBar->setRange(0, m_board->columnScrollMax());
    m_columnBar->setValue(m_board->columnScroll());
    m_columnBar->setVisible(m_board->columnScrollMax() > 0);
}

QString OrderingWindow::statusText() const {
    QString text = m_countLabel.arg(m_board->cells().size());
    if (m_hovered >= 0)
        text += QStringLiteral("     INDEX : %1")
                    .arg(m_board->cells()[static_cast<std::size_t>(m_hovered)].index_sira);
    return text;
}

void OrderingWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(245, 245, 240));
    painter.setPen(QColor(150, 150, 150));
    painter.drawLine(board::kPlacedBeyond, 40, board::kPlacedBeyond, kSaveButton.top - 10);
    for (std::size_t i = 0; i < m_board->cells().size(); ++i)
        if (m_board->isShown(i))
            drawCell(painter, m_board->cells()[i]);
    drawButton(painter, kSaveButton, QStringLiteral("Kaydet"));
    drawButton(painter, kResetButton, QStringLiteral("Sıfırla"));
    drawButton(painter, kBackButton, QStringLiteral("<<"));
    drawButton(painter, kForwardButton, QStringLiteral(">>"));
    painter.setPen(Qt::black);
    painter.drawText(QRect(170, kSaveButton.top, 470, 32), Qt::AlignLeft | Qt::AlignVCenter,
                     statusText() + QStringLiteral("     Sayfa : %1").arg(m_board->page() + 1));
}

void OrderingWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    // A cell dropped over a button does not take its presses.
    if (!pressButton(at.x(), at.y()))
        m_board->press(at.x(), at.y());
    showColumnScroll();
    update();
}

void OrderingWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    m_board->move(at.x(), at.y());
    m_hovered = m_board->cellAt(at.x(), at.y());
    update();
}

void OrderingWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_board->release();
    showColumnScroll();
    update();
}

void OrderingWindow::wheelEvent(QWheelEvent* event) {
    const QPoint at = event->position().toPoint();
    if (at.x() < board::kPlacedBeyond || m_board->dragging())
        return;
    m_columnBar->setValue(m_columnBar->value() - event->angleDelta().y() / kWheelStep);
}

bool OrderingWindow::pressButton(int x, int y) {
    if (records::contains(kSaveButton, x, y))
        save();
    else if (records::contains(kResetButton, x, y))
        m_board->reset();
    else if (records::contains(kBackButton, x, y))
        m_board->pageBack();
    else if (records::contains(kForwardButton, x, y))
        m_board->pageForward();
    else
        return false;
    return true;
}

} // namespace parvela::ordering
