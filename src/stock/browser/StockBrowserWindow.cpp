#include "stock/browser/StockBrowserWindow.h"

#include "platform/WindowMessages.h"
#include "stock/browser/StockBrowserPainter.h"
#include "stock/catalogue/StockContext.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace parvela::stock {

namespace {

std::optional<ScrollStep> stepOf(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollStep::LineUp;
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollStep::LineDown;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollStep::PageUp;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollStep::PageDown;
    case QAbstractSlider::SliderMove:
        return ScrollStep::Thumb;
    case QAbstractSlider::SliderToMinimum:
        return ScrollStep::Top;
    case QAbstractSlider::SliderToMaximum:
        return ScrollStep::Bottom;
    default:
        return std::nullopt;
    }
}

} // namespace

StockBrowserWindow::StockBrowserWindow(StockContext& context, StockBrowserState& state,
                                       StockWindows& windows, StockFeatures features,
                                       QWidget* owner)
    : QWidget(owner, Qt::Window)
    , m_context(context)
    , m_state(state)
    , m_model(context, state, windows, features, BrowserOwner{this, this}) {
    setObjectName(QString::fromLatin1(kClassName));
    setWindowTitle(QStringLiteral("Ürünler"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    resize(kWidth, kHeight);
    if (const auto& position = state.windowPosition)
        move(*position);
    createSearches();
    createFilterBoxes();
    createScrollBar();
    m_model.open();
    syncSwitches();
    fitScrollBar();
    // A newer catalogue shows at the next paint, once no action is under way.
    m_newer = context.catalogue.subscribe([this](const CatalogueRef&) { update(); });
}

StockBrowserWindow::~StockBrowserWindow() = default;

void StockBrowserWindow::closeEvent(QCloseEvent* event) {
    if (QWidget* owner = parentWidget()) {
        owner->activateWindow();
        owner->setFocus();
    }
    QWidget::closeEvent(event);
}

void StockBrowserWindow::createSearches() {
    const auto edit = [this](const char* id, int top) {
        auto* line = new QLineEdit(this);
        line->setObjectName(QString::fromLatin1(id));
        line->setAlignment(Qt::AlignCenter);
        line->setGeometry(400, kListArea.bottom + top, 125, 24);
        return line;
    };
    m_nameSearch = edit("9040", 3);
    m_barcodeSearch = edit("9046", 30);
    connect(m_nameSearch, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_model.nameSearchChanged(text);
        afterAction();
    });
    connect(m_barcodeSearch, &QLineEdit::returnPressed, this,
            &StockBrowserWindow::onBarcodeEntered);
}

QCheckBox* StockBrowserWindow::filterBox(const char* id, int x) {
    auto* box = new QCheckBox(this);
    box->setObjectName(QString::fromLatin1(id));
    box->setGeometry(x, kListArea.top - 30, 20, 27);
    return box;
}

void StockBrowserWindow::createFilterBoxes() {
    const int right = kListArea.right;
    m_trendyol = filterBox("9048", right - 625);
    m_yemekSepeti = filterBox("9044", right - 495);
    m_getirYemek = filterBox("9047", right - 365);
    m_showRecipes = filterBox("9043", right - 255);
    const std::pair<QCheckBox*, int> platforms[] = {{m_trendyol, kTrendyolClass},
                                                    {m_yemekSepeti, kYemekSepetiClass},
                                                    {m_getirYemek, kGetirYemekClass}};
    for (const auto& [box, codeClass] : platforms) {
        connect(box, &QCheckBox::clicked, this, [this, codeClass = codeClass](bool checked) {
            m_model.platformFilterChanged(codeClass, checked);
            afterAction();
        });
    }
    connect(m_showRecipes, &QCheckBox::clicked, this, [this](bool checked) {
        m_model.showRecipesChanged(checked);
        afterAction();
    });
}

void StockBrowserWindow::createScrollBar() {
    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->setGeometry(kListArea.right + 4, kListArea.top, 16,
                             kListArea.bottom - kListArea.top);
    m_scrollBar->setRange(0, 0);
    m_scrollBar->setValue(0);
    m_scrollBar->installEventFilter(this);
    connect(m_scrollBar, &QAbstractSlider::actionTriggered, this,
            &StockBrowserWindow::onScrollAction);
    m_model.setScrollBarSetter([this](int position) {
        fitScrollBar();
        const QSignalBlocker quiet(m_scrollBar);
        m_scrollBar->setSliderPosition(position);
        m_scrollBar->setValue(position);
    });
}

void StockBrowserWindow::fitScrollBar() {
    if (m_scrollBar == nullptr)
        return;
    const QSignalBlocker quiet(m_scrollBar);
    m_scrollBar->setRange(0, lastFirstRow(m_state));
    m_scrollBar->setPageStep(visibleRows(m_state.showRecipes));
    m_scrollBar->setSingleStep(1);
    m_scrollBar->setValue(m_state.firstRow);
}

void StockBrowserWindow::onScrollAction(int action) {
    const std::optional<ScrollStep> step = stepOf(action);
    if (!step)
        return;
    const int thumb = m_scrollBar->sliderPosition();
    // The rules decide where the bar goes, not the bar itself.
    m_scrollBar->setSliderPosition(m_scrollBar->value());
    m_model.scrollBarStep(*step, thumb);
    update();
}

void StockBrowserWindow::onBarcodeEntered() {
    m_model.barcodeEntered(m_barcodeSearch->text());
    m_barcodeSearch->clear();
    QCoreApplication::postEvent(
        this, new QEvent(platform::msg::eventType(platform::msg::kStockListChanged)));
}

void StockBrowserWindow::syncSwitches() {
    const StockBrowserState& state = m_state;
    const std::pair<QCheckBox*, bool> boxes[] = {{m_trendyol, state.trendyol},
                                                 {m_yemekSepeti, state.yemekSepeti},
                                                 {m_getirYemek, state.getirYemek},
                                                 {m_showRecipes, state.showRecipes}};
    for (const auto& [box, checked] : boxes) {
        const QSignalBlocker quiet(box);
        box->setChecked(checked);
    }
}

void StockBrowserWindow::afterAction() {
    syncSwitches();
    fitScrollBar();
    update();
}

bool StockBrowserWindow::event(QEvent* event) {
    m_model.refresh();
    switch (static_cast<int>(event->type())) {
    case platform::msg::kStockListChanged:
        m_model.listChanged();
        fitScrollBar();
        repaint();
        return true;
    case platform::msg::kCurrentStockChanged:
    case platform::msg::kStockRedrawAll:
        repaint();
        return true;
    default:
        return QWidget::event(event);
    }
}

bool StockBrowserWindow::eventFilter(QObject* watched, QEvent* event) {
    // The wheel scrolls by rows wherever it turns, the bar included.
    if (watched == m_scrollBar && event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void StockBrowserWindow::paintEvent(QPaintEvent*) {
    m_model.refresh();
    // Whatever changed the list, the bar fits it before the user sees it.
    fitScrollBar();
    QPainter painter(this);
    StockBrowserContent content{m_state, browserHeadings(m_context.groups, m_state)};
    paintStockBrowser(painter, size(), content);
}

void StockBrowserWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        m_model.rightClick(point);
    } else if (event->button() == Qt::LeftButton && event->buttons() == Qt::LeftButton) {
        if (event->modifiers() == Qt::ControlModifier)
            m_model.ctrlClick(point);
        else if (event->modifiers() == Qt::NoModifier)
            m_model.leftClick(point);
    }
    afterAction();
}

void StockBrowserWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_model.doubleClick(event->position().toPoint());
    afterAction();
}

void StockBrowserWindow::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    m_model.wheel(delta < 0);
    update();
}

void StockBrowserWindow::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers held = event->modifiers();
    const bool ctrl = held.testFlag(Qt::ControlModifier);
    m_model.functionKey(static_cast<Qt::Key>(event->key()),
                        HeldKeys{ctrl, ctrl, held.testFlag(Qt::ShiftModifier)});
    afterAction();
}

void StockBrowserWindow::moveEvent(QMoveEvent* event) {
    m_state.windowPosition = event->pos();
    update();
}

} // namespace parvela::stock
