#include "app/MainWindow.h"

#include "app/ArrowPictures.h"
#include "app/CatalogData.h"
#include "app/MainHitTest.h"
#include "app/NotBuiltYet.h"
#include "app/PrivateMessages.h"
#include "platform/MessageBoxes.h"
#include "platform/MessageListener.h"
#include "stock/StockBrowserWindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QScreen>

namespace parvela::app {

namespace {

// Only the left button alone counts: Shift, Ctrl or a second button held
// means the user is doing something else.
bool isPlainLeftClick(const QMouseEvent& event) {
    return event.button() == Qt::LeftButton && event.buttons() == Qt::LeftButton &&
           !(event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
}

int desktopRight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().right() + 1 : 1024;
}

} // namespace

MainWindow::MainWindow(CatalogData& catalog, ActiveUser& user, platform::MessageBoxes& boxes,
                       const platform::ProgramMessenger& messenger,
                       const platform::MachineInfo& machine, QWidget* parent)
    : QWidget(parent)
    , m_catalog(catalog)
    , m_boxes(boxes)
    , m_commands(catalog, user, boxes, messenger, m_state)
    , m_stockWindows(catalog, boxes, messenger,
                     [this] {
                         repaint();
                         if (QWidget* browser = childWindow(ChildWindow::StockBrowser)) {
                             QEvent changed(msg::eventType(msg::kStockListChanged));
                             QCoreApplication::sendEvent(browser, &changed);
                         }
                     })
    , m_arrows(loadArrowPictures(machine)) {
    setWindowTitle(QString::fromLatin1(kTitle));
    setObjectName(QStringLiteral("GRUP_PARVELA"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_state.desktopRight = desktopRight();
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

QWidget* MainWindow::childWindow(ChildWindow kind) const {
    const auto found = m_children.find(kind);
    return found == m_children.end() ? nullptr : found->second.data();
}

void MainWindow::setChildWindow(ChildWindow kind, QWidget* window) {
    m_children[kind] = window;
}

bool MainWindow::event(QEvent* event) {
    switch (static_cast<int>(event->type())) {
    case msg::kRedrawNow:
        repaint();
        return true;
    case msg::kScaleBusy:
        m_state.scaleBusy = true;
        repaint();
        return true;
    case msg::kScaleIdle:
        m_state.scaleBusy = false;
        repaint();
        return true;
    case msg::kScaleItemSent:
        ++m_state.scaleSteps;
        repaint();
        return true;
    case msg::kStartBranchTransfer:
        notBuiltYet(QStringLiteral("Şubelere Gönder"));
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
    MainScreenContent content{m_catalog.groups(), m_catalog.company().branches,
                              m_catalog.stock().products.size()};
    paintMainScreen(painter, size(), m_state, content, m_arrows);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (!isPlainLeftClick(*event))
        return;
    const QPoint point = event->position().toPoint();
    dispatchClick(hitMainClick(point, m_state, m_catalog.groups()));
    m_commands.selectBranchAt(point);
    update();
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    dispatchDoubleClick(
        hitMainDoubleClick(event->position().toPoint(), m_state, m_catalog.groups()));
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F1:
        notBuiltYet(QStringLiteral("HTML Dijital Menü"));
        return;
    case Qt::Key_F3:
        m_commands.pageDown(GroupLevel::C);
        repaint();
        return;
    default:
        return;
    }
}

void MainWindow::moveEvent(QMoveEvent* event) {
    m_lastPosition = event->pos();
    update();
}

void MainWindow::notBuiltYet(const QString& caption) {
    showNotBuiltYet(m_boxes, caption, this);
}

void MainWindow::openMenuOrdering() {
    if (childWindow(ChildWindow::MenuOrdering)) {
        m_boxes.tell(QStringLiteral("if(IsWindow(CHILD_GRA_SIRA_WINDOW))"),
                     QStringLiteral("FILTER_GRUP_B"));
        return;
    }
    notBuiltYet(QStringLiteral("Menu Sıralaması"));
}

void MainWindow::openGroupProducts(GroupLevel level) {
    if (!m_commands.showGroupProducts(level))
        return;
    QWidget* browser = childWindow(ChildWindow::StockBrowser);
    if (browser) {
        QEvent changed(msg::eventType(msg::kStockListChanged));
        QCoreApplication::sendEvent(browser, &changed);
        browser->raise();
        browser->activateWindow();
        return;
    }
    auto* window = new stock::StockBrowserWindow(m_catalog, m_boxes, m_stockWindows, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    setChildWindow(ChildWindow::StockBrowser, window);
    window->show();
}

void MainWindow::dispatchClick(const MainHit& hit) {
    switch (hit.action) {
    case MainAction::None:
        return;
    case MainAction::MenuSiralamasi:
        return openMenuOrdering();
    case MainAction::UrunSiralamasi:
        if (!childWindow(ChildWindow::ProductOrdering))
            notBuiltYet(QStringLiteral("Ürün Sıralaması"));
        return;
    case MainAction::TumIndexiSil:
        return m_commands.deleteAllOrderIndex(this);
    case MainAction::ConvertTurkishChars:
        return m_commands.rewriteProductNames();
    case MainAction::DisaVerTartilan:
        return notBuiltYet(QStringLiteral("DışaVer Tartılan"));
    case MainAction::Tabledot3:
        return notBuiltYet(QStringLiteral("Tabledot 3 Kap"));
    case MainAction::Tabledot4:
        return notBuiltYet(QStringLiteral("Tabledot 4 Kap"));
    case MainAction::Teraziler:
        return notBuiltYet(QStringLiteral("Teraziler"));
    case MainAction::TeraziyeGonder:
        return notBuiltYet(QStringLiteral("Teraziye Gönder"));
    case MainAction::SubelereGonder:
        return notBuiltYet(QStringLiteral("Şubelere Gönder"));
    case MainAction::YemekSepetiMenu:
        return notBuiltYet(QStringLiteral("YemekSepeti Menü"));
    case MainAction::MenuyuOlustur:
        return notBuiltYet(QStringLiteral("Menüyü Oluştur"));
    case MainAction::Hepsi:
        m_commands.reloadEverything();
        repaint();
        return;
    case MainAction::RowA:
        return m_commands.selectRow(GroupLevel::A, hit.row);
    case MainAction::RowB:
        return m_commands.selectRow(GroupLevel::B, hit.row);
    case MainAction::RowC:
        return m_commands.selectRow(GroupLevel::C, hit.row);
    case MainAction::UpA:
        return page(GroupLevel::A, true);
    case MainAction::UpB:
        return page(GroupLevel::B, true);
    case MainAction::UpC:
        return page(GroupLevel::C, true);
    case MainAction::DownA:
        return page(GroupLevel::A, false);
    case MainAction::DownB:
        return page(GroupLevel::B, false);
    case MainAction::DownC:
        return page(GroupLevel::C, false);
    case MainAction::DeleteA:
        m_commands.deleteSelectedGroup(GroupLevel::A, this);
        repaint();
        return;
    case MainAction::DeleteB:
        m_commands.deleteSelectedGroup(GroupLevel::B, this);
        repaint();
        return;
    case MainAction::DeleteC:
        m_commands.deleteSelectedGroup(GroupLevel::C, this);
        repaint();
        return;
    case MainAction::AddA:
    case MainAction::AddB:
    case MainAction::AddC:
        return notBuiltYet(QStringLiteral("Grup Ekle"));
    case MainAction::GroupTypeA:
    case MainAction::GroupTypeB:
    case MainAction::GroupTypeC:
        return notBuiltYet(QStringLiteral("Grubu-Tipi"));
    case MainAction::ProductsA:
        return openGroupProducts(GroupLevel::A);
    case MainAction::ProductsB:
        return openGroupProducts(GroupLevel::B);
    case MainAction::ProductsC:
        return openGroupProducts(GroupLevel::C);
    case MainAction::SettingsA:
    case MainAction::SettingsB:
    case MainAction::SettingsC:
        return notBuiltYet(QStringLiteral("Grup/Menü Ayarları"));
    }
}

void MainWindow::page(GroupLevel level, bool up) {
    up ? m_commands.pageUp(level) : m_commands.pageDown(level);
    repaint();
}

void MainWindow::dispatchDoubleClick(const MainHit& hit) {
    switch (hit.action) {
    case MainAction::RowA:
        // The products are read again before they are shown.
        m_commands.reloadProducts();
        m_commands.selectRow(GroupLevel::A, hit.row);
        return openGroupProducts(GroupLevel::A);
    case MainAction::RowB:
        m_commands.selectRow(GroupLevel::B, hit.row);
        return openGroupProducts(GroupLevel::B);
    case MainAction::RowC:
        m_commands.selectRow(GroupLevel::C, hit.row);
        return openGroupProducts(GroupLevel::C);
    case MainAction::UpA:
        m_commands.pageUp(GroupLevel::A);
        repaint();
        return;
    case MainAction::DownA:
    case MainAction::UpB:
    case MainAction::DownB:
    case MainAction::UpC:
    case MainAction::DownC:
        repaint();
        return;
    default:
        return;
    }
}

} // namespace parvela::app
