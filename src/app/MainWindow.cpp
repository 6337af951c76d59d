#include "app/MainWindow.h"

#include "app/ArrowPictures.h"
#include "app/CatalogData.h"
#include "app/MainHitTest.h"
#include "app/ServerStatus.h"
#include "journal/ChangeJournalWindow.h"
#include "platform/BackgroundJobs.h"
#include "platform/MessageBoxes.h"
#include "platform/MessageListener.h"
#include "platform/WindowMessages.h"
#include "publishing/CataloguePublish.h"
#include "spreadsheets/MenuImportText.h"
#include "stock/browser/ProductFilters.h"

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
                       const platform::MachineInfo& machine, stock::StockContext& stockContext,
                       stock::StockFeatures stockFeatures, MainFeatures features, QWidget* parent)
    : QWidget(parent)
    , m_catalog(catalog)
    , m_boxes(boxes)
    , m_commands(catalog, user, boxes, messenger, m_state)
    , m_behindProgress(stockContext.behindProgress)
    , m_features(features)
    , m_stockFeatures(stockFeatures)
    , m_stockWindows(stockContext, stockFeatures,
                     [this] {
                         repaint();
                         if (QWidget* browser = childWindow(ChildWindow::StockBrowser)) {
                             QEvent changed(
                                 platform::msg::eventType(platform::msg::kStockListChanged));
                             QCoreApplication::sendEvent(browser, &changed);
                         }
                     })
    , m_arrows(loadArrowPictures(machine)) {
    setWindowTitle(QString::fromLatin1(kTitle));
    setObjectName(QStringLiteral("GRUP_PARVELA"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_state.desktopRight = desktopRight();
    // The product count follows every catalogue published.
    m_newer = catalog.catalogue().subscribe([this](const stock::CatalogueRef&) { update(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::listenForMessages() {
    m_listener = new platform::MessageListener(
        QString::fromLatin1(kTitle),
        [this](int message) {
            // Only what another program may ask of this window: never the
            // events of this program's own jobs, which carry more than a number.
            if (platform::msg::acceptedFromOtherPrograms(message))
                QCoreApplication::postEvent(this, new QEvent(platform::msg::eventType(message)));
        },
        this);
    m_listener->listen();
}

QWidget* MainWindow::childWindow(ChildWindow kind) const {
    if (kind == ChildWindow::StockBrowser)
        return m_stockWindows.browser();
    const auto found = m_children.find(kind);
    return found == m_children.end() ? nullptr : found->second.data();
}

void MainWindow::showPublished(publishing::PublishOutcome outcome, const QString& reason) {
    const bool success = outcome == publishing::PublishOutcome::Published;
    m_state.uploadStatus = publishing::CataloguePublishResult::statusOf(outcome);
    if (!success && !reason.isEmpty())
        m_state.uploadStatus += QLatin1Char('\n') + reason;
    if (success)
        ++m_state.uploadCount;
    repaint();
}

stock::ProductList MainWindow::listedProducts() {
    stock::StockBrowserState& browser = m_stockWindows.browserState();
    stock::refreshIfStale(browser, m_catalog.current());
    std::vector<stock::ProductPtr> listed;
    listed.reserve(browser.displayed.size());
    for (const stock::BrowserRow& row : browser.displayed)
        listed.push_back(browser.shown->products.shared(row.product));
    return stock::ProductList(std::move(listed));
}

void MainWindow::setChildWindow(ChildWindow kind, QWidget* window) {
    m_children[kind] = window;
}

bool MainWindow::event(QEvent* event) {
    switch (static_cast<int>(event->type())) {
    case platform::msg::kRedrawNow:
        repaint();
        return true;
    case platform::msg::kScaleBusy:
        m_state.scaleBusy = true;
        repaint();
        return true;
    case platform::msg::kScaleIdle:
        m_state.scaleBusy = false;
        repaint();
        return true;
    case platform::msg::kScaleItemSent:
        ++m_state.scaleSteps;
        repaint();
        return true;
    case platform::msg::kStartBranchTransfer:
        m_features.publish.sendToBranches(this);
        return true;
    case platform::msg::kCataloguePublished:
        if (const auto* job = dynamic_cast<const platform::JobEvent*>(event))
            showPublished(static_cast<publishing::PublishOutcome>(job->value()), job->text());
        return true;
    case platform::msg::kSheetRead:
        if (const auto* job = dynamic_cast<const platform::JobEvent*>(event)) {
            m_state.uploadStatus =
                spreadsheets::readStatusText(static_cast<std::size_t>(job->value()));
            repaint();
        }
        return true;
    case platform::msg::kSheetImported:
        m_commands.reloadEverything();
        repaint();
        return true;
    case platform::msg::kBringToFront:
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
                              m_catalog.current()->products.size()};
    m_state.serverStatus = serverStatusText(m_catalog.connection());
    paintMainScreen(painter, size(), m_state, content, m_arrows);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (!isPlainLeftClick(*event))
        return;
    const QPoint point = event->position().toPoint();
    dispatchClick(hitMainClick(point, m_state, m_catalog.groups(), m_catalog.company().branches));
    m_commands.selectBranchAt(point);
    update();
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    dispatchDoubleClick(hitMainDoubleClick(event->position().toPoint(), m_state, m_catalog.groups(),
                                           m_catalog.company().branches));
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F1:
        m_features.publish.writeDigitalMenu(this);
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

void MainWindow::openMenuOrdering() {
    if (childWindow(ChildWindow::MenuOrdering)) {
        m_boxes.tell(QStringLiteral("if(IsWindow(CHILD_GRA_SIRA_WINDOW))"),
                     QStringLiteral("FILTER_GRUP_B"));
        return;
    }
    setChildWindow(ChildWindow::MenuOrdering, m_features.ordering.openMenuOrdering(this));
}

void MainWindow::openChangeJournal() {
    journal::ChangeJournalWindow window(
        m_catalog.runner(), m_boxes, m_catalog.current(), [this] { m_commands.reloadProducts(); },
        this);
    window.exec();
    update();
}

void MainWindow::openProductOrdering() {
    if (!childWindow(ChildWindow::ProductOrdering))
        setChildWindow(ChildWindow::ProductOrdering, m_features.ordering.openProductOrdering(this));
}

void MainWindow::openGroupProducts(GroupLevel level) {
    if (!m_commands.showGroupProducts(level, m_stockWindows.browserState()))
        return;
    if (QWidget* browser = childWindow(ChildWindow::StockBrowser)) {
        QEvent changed(platform::msg::eventType(platform::msg::kStockListChanged));
        QCoreApplication::sendEvent(browser, &changed);
        browser->raise();
        browser->activateWindow();
        return;
    }
    m_stockWindows.openBrowser(this);
}

void MainWindow::openGroupSettings(GroupLevel level) {
    if (!m_commands.takeGroupContext(level))
        return;
    // From the main screen the settings act on the group's own products,
    // whatever the stock window listed last.
    m_stockFeatures.groups.groupSettings({}, this);
    repaint();
}

void MainWindow::dispatchClick(const MainHit& hit) {
    switch (hit.action) {
    case MainAction::None:
        return;
    case MainAction::MenuSiralamasi:
        return openMenuOrdering();
    case MainAction::UrunSiralamasi:
        return openProductOrdering();
    case MainAction::TumIndexiSil:
        return m_commands.deleteAllOrderIndex(this);
    case MainAction::ConvertTurkishChars:
        return m_commands.rewriteProductNames(m_behindProgress, this);
    case MainAction::DisaVerTartilan:
        return m_features.publish.writeWeighedPriceList(listedProducts(), this);
    case MainAction::Tabledot3:
        return m_features.groups.setMenu(3, this);
    case MainAction::Tabledot4:
        return m_features.groups.setMenu(4, this);
    case MainAction::Teraziler:
        return m_features.scales.defineScales(this);
    case MainAction::TeraziyeGonder:
        return m_features.scales.sendToScales(this);
    case MainAction::SubelereGonder:
        return m_features.publish.sendToBranches(this);
    case MainAction::YemekSepetiMenu:
        return m_features.sheets.importDeliveryMenu(this);
    case MainAction::ExcelEAktar:
        return m_features.sheets.exportDeliverySheet(this);
    case MainAction::KatalogKontrolu:
        return m_features.checks.checkCatalogue(this);
    case MainAction::YayinGecmisi:
        return m_features.publish.showHistory(this);
    case MainAction::GeriAl:
        return openChangeJournal();
    case MainAction::MenuyuOlustur:
        return m_features.publish.writeAndUploadMenu(this);
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
        return m_features.groups.addGroup(GroupLevel::A, this);
    case MainAction::AddB:
        return m_features.groups.addGroup(GroupLevel::B, this);
    case MainAction::AddC:
        return m_features.groups.addGroup(GroupLevel::C, this);
    case MainAction::GroupTypeA:
        return m_features.groups.editGroup(GroupLevel::A, this);
    case MainAction::GroupTypeB:
        return m_features.groups.editGroup(GroupLevel::B, this);
    case MainAction::GroupTypeC:
        return m_features.groups.editGroup(GroupLevel::C, this);
    case MainAction::ProductsA:
        return openGroupProducts(GroupLevel::A);
    case MainAction::ProductsB:
        return openGroupProducts(GroupLevel::B);
    case MainAction::ProductsC:
        return openGroupProducts(GroupLevel::C);
    case MainAction::SettingsA:
        return openGroupSettings(GroupLevel::A);
    case MainAction::SettingsB:
        return openGroupSettings(GroupLevel::B);
    case MainAction::SettingsC:
        return openGroupSettings(GroupLevel::C);
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
