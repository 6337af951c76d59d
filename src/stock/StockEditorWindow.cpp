#include "stock/StockEditorWindow.h"

#include "app/CatalogData.h"
#include "app/NotBuiltYet.h"
#include "app/PrivateMessages.h"
#include "stock/CostProgressDialog.h"
#include "stock/StockEditorPainter.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

namespace parvela::stock {

namespace {

QString titleOf(StockEditorWindow::Mode mode) {
    return mode == StockEditorWindow::Mode::New ? QStringLiteral("Yeni Stok Tanımı")
                                                : QStringLiteral("Stok Tanımı Düzenleniyor");
}

} // namespace

StockEditorWindow* StockEditorWindow::openNew(app::CatalogData& catalog,
                                              platform::MessageBoxes& boxes,
                                              const platform::ProgramMessenger& messenger,
                                              QWidget* owner, std::function<void()> reapplyFilter) {
    startNewProduct(catalog);
    auto* window = new StockEditorWindow(Mode::New, catalog, boxes, messenger, owner,
                                         std::move(reapplyFilter));
    window->postToSelf(app::msg::kEditorShowCode);
    window->postToSelf(app::msg::kEditorNewBarcode);
    window->show();
    return window;
}

StockEditorWindow* StockEditorWindow::openEdit(app::CatalogData& catalog,
                                               platform::MessageBoxes& boxes,
                                               const platform::ProgramMessenger& messenger,
                                               QWidget* owner,
                                               std::function<void()> reapplyFilter) {
    if (!mayEditCurrent(catalog, boxes, owner))
        return nullptr;
    openForEdit(catalog);
    auto* window = new StockEditorWindow(Mode::Edit, catalog, boxes, messenger, owner,
                                         std::move(reapplyFilter));
    window->show();
    return window;
}

StockEditorWindow::StockEditorWindow(Mode mode, app::CatalogData& catalog,
                                     platform::MessageBoxes& boxes,
                                     const platform::ProgramMessenger& messenger, QWidget* owner,
                                     std::function<void()> reapplyFilter)
    : QWidget(owner, Qt::Window)
    , m_mode(mode)
    , m_catalog(catalog)
    , m_boxes(boxes)
    , m_context{catalog, boxes, messenger, this, std::move(reapplyFilter)}
    , m_controls(this, mode == Mode::Edit) {
    setObjectName(QStringLiteral("mdiclient2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(titleOf(mode));
    setFixedSize(kWidth, kHeight);
    m_controls.fillChoices(catalog.stock());
    m_controls.show(formOfCurrent(catalog));
    connectButtons();
}

void StockEditorWindow::connectButtons() {
    const auto onClick = [this](int id, auto action) {
        connect(m_controls.button(id), &QPushButton::clicked, this, action);
    };
    // Queued: the save may wait in the cost dialog, during which the window
    // may go; nothing of the button's click may then still be running.
    connect(
        m_controls.button(7024), &QPushButton::clicked, this, [this] { save(); },
        Qt::QueuedConnection);
    onClick(7102, [this] { renew(true); });
    if (m_mode == Mode::Edit)
        onClick(7090, [this] { renew(false); });
    onClick(7002, [this] { chooseColour(true); });
    onClick(7026, [this] { chooseColour(false); });
    onClick(7093, [this] { postToSelf(app::msg::kEditorBarcodeButton); });
    onClick(7097, [this] { postToSelf(app::msg::kEditorBarcode869); });
    for (const int id : {7001, 7095, 7096, 7031, 7092, 7040, 7003, 7101, 7094}) {
        QPushButton* button = m_controls.button(id);
        onClick(id, [this, button] { notBuiltYet(button->text()); });
    }
}

bool StockEditorWindow::event(QEvent* event) {
    switch (static_cast<int>(event->type())) {
    case app::msg::kEditorRepaintLabels:
    case app::msg::kEditorRepaintAll:
        update();
        return true;
    case app::msg::kEditorShowCode:
        m_controls.showCode(QString::number(m_catalog.currentProduct().stcode));
        return true;
    case app::msg::kEditorNewBarcode:
        return true; // barcode numbering comes with the label functions
    case app::msg::kEditorBarcodeButton:
        notBuiltYet(QStringLiteral("BARCODE"));
        return true;
    case app::msg::kEditorBarcode869:
        notBuiltYet(QStringLiteral("869"));
        return true;
    case app::msg::kEditorSaved:
        update();
        return true;
    default:
        return QWidget::event(event);
    }
}

void StockEditorWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintEditorLabels(painter, m_catalog.currentProduct());
}

void StockEditorWindow::save() {
    if (m_mode == Mode::Edit)
        saveEditedProduct();
    else
        saveNewProduct();
}

void StockEditorWindow::saveEditedProduct() {
    if (!saveEdited(m_context, m_controls.read()))
        return;
    const QPointer<StockEditorWindow> self(this);
    QPointer<CostProgressDialog> progress = new CostProgressDialog(
        m_catalog.runner(), m_catalog.costWorkers(), costJobFor(m_catalog), this);
    progress->exec();
    if (self.isNull())
        return;
    delete progress.data();
    finishEditSave(m_context);
    postToSelf(app::msg::kEditorSaved);
    postToOwner(app::msg::kEditorRepaintLabels);
    close();
}

void StockEditorWindow::saveNewProduct() {
    const NewSaveResult result = saveNew(m_context, m_controls.read());
    m_controls.setStatus(result.status);
    if (result.stopped)
        return;
    if (result.inserted) {
        m_controls.clearTexts();
        postToSelf(app::msg::kEditorShowCode);
    }
    postToSelf(app::msg::kEditorSaved);
    postToOwner(app::msg::kEditorRepaintLabels);
}

void StockEditorWindow::renew(bool finishedSeries) {
    const bool renewed = finishedSeries ? renewFinishedCode(m_context) : renewCode(m_context);
    if (!renewed)
        return;
    m_controls.showCode(QString::number(m_catalog.currentProduct().stcode));
    postToOwner(app::msg::kCodeRenewed);
    if (!finishedSeries)
        close();
}

void StockEditorWindow::chooseColour(bool back) {
    StockDefinition& product = m_catalog.currentProduct();
    const QColor chosen =
        QColorDialog::getColor(toQColor(back ? product.backColor : product.fontColor), this);
    if (!chosen.isValid())
        return;
    const groups::Rgb colour = groups::rgb(chosen.red(), chosen.green(), chosen.blue());
    if (back)
        applyBackColour(product, colour);
    else
        applyFontColour(product, colour);
    update();
}

void StockEditorWindow::postToOwner(int message) {
    if (parentWidget() != nullptr)
        QCoreApplication::postEvent(parentWidget(), new QEvent(app::msg::eventType(message)));
}

void StockEditorWindow::postToSelf(int message) {
    QCoreApplication::postEvent(this, new QEvent(app::msg::eventType(message)));
}

void StockEditorWindow::notBuiltYet(const QString& caption) {
    app::showNotBuiltYet(m_boxes, caption, this);
}

} // namespace parvela::stock
