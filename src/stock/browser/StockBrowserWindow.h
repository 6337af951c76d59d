#pragma once

#include "stock/browser/StockBrowserModel.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QScrollBar;

namespace parvela::stock {

struct StockContext;
class StockWindows;

// The stock window: the drawn product list with its two searches, four
// filter boxes and scroll bar. It hands every event to the model and
// repaints; the editor, the delete flow and the group dialogs reach it by
// its private messages.
class StockBrowserWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kClassName = "mdiclient";
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 720;

    StockBrowserWindow(StockContext& context, StockBrowserState& state, StockWindows& windows,
                       StockFeatures features, QWidget* owner);
    ~StockBrowserWindow() override;

    StockBrowserModel& model() { return m_model; }
    QScrollBar& scrollBar() { return *m_scrollBar; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    // The keyboard goes back to the main window.
    void closeEvent(QCloseEvent* event) override;

private:
    void createSearches();
    void createFilterBoxes();
    void createScrollBar();
    QCheckBox* filterBox(const char* id, int x);
    void onScrollAction(int action);
    void onBarcodeEntered();
    void syncSwitches();
    void afterAction();
    // The bar counts rows: its range follows the list and the rows that fit.
    void fitScrollBar();

    StockContext& m_context;
    StockBrowserState& m_state;
    StockBrowserModel m_model;
    QLineEdit* m_nameSearch = nullptr;
    QLineEdit* m_barcodeSearch = nullptr;
    QCheckBox* m_trendyol = nullptr;
    QCheckBox* m_yemekSepeti = nullptr;
    QCheckBox* m_getirYemek = nullptr;
    QCheckBox* m_showRecipes = nullptr;
    QScrollBar* m_scrollBar = nullptr;
    CatalogueFeed::Subscription m_newer;
};

} // namespace parvela::stock
