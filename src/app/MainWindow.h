#pragma once

#include "app/MainCommands.h"
#include "app/MainFeatures.h"
#include "app/MainScreenPainter.h"
#include "app/MainScreenState.h"
#include "app/StockWindowOpener.h"
#include "publishing/CataloguePublish.h"

#include <QPointer>
#include <QWidget>
#include <map>

namespace parvela::platform {
class MachineInfo;
class MessageBoxes;
class MessageListener;
class ProgramMessenger;
} // namespace parvela::platform

namespace parvela::app {

class ActiveUser;
class CatalogData;
struct MainHit;

// The windows the main window opens; at most one of each kind at a time.
enum class ChildWindow { StockBrowser, MenuOrdering, ProductOrdering };

// The program's one top-level window: the drawn main screen, its clicks and
// the messages of the other programs. Other programs reach it by its title.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Parvela_Yonetim";

    MainWindow(CatalogData& catalog, ActiveUser& user, platform::MessageBoxes& boxes,
               const platform::ProgramMessenger& messenger, const platform::MachineInfo& machine,
               stock::StockContext& stockContext, stock::StockFeatures stockFeatures,
               MainFeatures features, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Takes messages from other programs while the window lives.
    void listenForMessages();

    MainScreenState& screenState() { return m_state; }
    // Where the window last moved to; the stock window opens there.
    QPoint lastPosition() const { return m_lastPosition; }
    // The window of that kind when one is open.
    QWidget* childWindow(ChildWindow kind) const;
    void setChildWindow(ChildWindow kind, QWidget* window);
    StockWindowOpener& stockWindows() { return m_stockWindows; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void dispatchClick(const MainHit& hit);
    void dispatchDoubleClick(const MainHit& hit);
    void openMenuOrdering();
    void openProductOrdering();
    void openChangeJournal();
    void page(GroupLevel level, bool up);
    // The stock window on the products of the selected group of `level`;
    // nothing when that level has no selection.
    void openGroupProducts(GroupLevel level);
    // "Grup/Menü Ayarları" for the selected group of `level`.
    void openGroupSettings(GroupLevel level);
    // The status line and the counter after a publishing run; a failure's
    // reason goes under the status.
    void showPublished(publishing::PublishOutcome outcome, const QString& reason);
    // What the stock window lists now.
    stock::ProductList listedProducts();

    CatalogData& m_catalog;
    platform::MessageBoxes& m_boxes;
    MainScreenState m_state;
    QPoint m_lastPosition;
    MainCommands m_commands;
    // The progress dialog the stock windows' long changes run behind.
    db::ProgressShower m_behindProgress;
    MainFeatures m_features;
    stock::StockFeatures m_stockFeatures;
    StockWindowOpener m_stockWindows;
    ArrowPictures m_arrows;
    std::map<ChildWindow, QPointer<QWidget>> m_children;
    platform::MessageListener* m_listener = nullptr;
    stock::CatalogueFeed::Subscription m_newer;
};

} // namespace parvela::app
