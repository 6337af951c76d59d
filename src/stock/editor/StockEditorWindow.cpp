#include "stock/editor/StockEditorWindow.h"

#include "platform/JobProgressDialog.h"
#include "platform/WindowMessages.h"
#include "stock/catalogue/CostPropagation.h"
#include "stock/catalogue/StockContext.h"
#include "stock/editor/StockEditorPainter.h"

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

StockEditorWindow* StockEditorWindow::openNew(StockContext& context, StockFeatures features,
                                              QWidget* owner, std::function<void()> reapplyFilter) {
    auto* window = new StockEditorWindow(Mode::New, startNewProduct(context), context, features,
                                         owner, std::move(reapplyFilter));
    window->postToSelf(platform::msg::kEditorShowCode);
    window->postToSelf(platform::msg::kEditorNewBarcode);
    window->show();
    return window;
}

StockEditorWindow* StockEditorWindow::openEdit(StockContext& context, StockFeatures features,
                                               const StockDefinition& current, QWidget* owner,
                                               std::function<void()> reapplyFilter) {
    if (!mayEdit(current, context.boxes, owner))
        return nullptr;
    auto* window = new StockEditorWindow(Mode::Edit, openForEdit(context, current), context,
                                         features, owner, std::move(reapplyFilter));
    window->show();
    return window;
}

StockEditorWindow::StockEditorWindow(Mode mode, EditedProduct edited, StockContext& context,
                                     StockFeatures features, QWidget* owner,
                                     std::function<void()> reapplyFilter)
    : QWidget(owner, Qt::Window)
    , m_mode(mode)
    , m_context(context)
    , m_features(features)
    , m_edited(std::move(edited))
    , m_editor{context, this, std::move(reapplyFilter),
               [this](const QString& barcode) {
                   m_controls.setBarcodeNow(barcode);
               }}
    , m_controls(this, mode == Mode::Edit) {
    setObjectName(QStringLiteral("mdiclient2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(titleOf(mode));
    setFixedSize(kWidth, kHeight);
    m_controls.fillChoices(*context.catalogue.current());
    m_controls.show(formOf(m_edited, context));
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
    onClick(7093, [this] { postToSelf(platform::msg::kEditorBarcodeButton); });
    onClick(7097, [this] { postToSelf(platform::msg::kEditorBarcode869); });
    onClick(7001, [this] {
        m_features.groups.chooseGroup(m_edited, this);
        update();
    });
    AttributeWindows& attributes = m_features.attributes;
    // Each attribute dialog may change what the labels and the picture show.
    const auto onAttribute = [this, &onClick](int id, std::function<void()> open) {
        onClick(id, [this, open = std::move(open)] {
            open();
            update();
        });
    };
    onAttribute(7095, [this, &attributes] { attributes.notes(m_edited, this); });
    onAttribute(7096, [this, &attributes] { attributes.sizes(m_edited, this); });
    onAttribute(7031, [this, &attributes] {
        attributes.priceTimes(m_edited, m_controls.read().timeWindow1, this);
    });
    onAttribute(7092, [this, &attributes] { attributes.region(m_edited, this); });
    onAttribute(7040, [this, &attributes] { attributes.gameParameters(m_edited, this); });
    onAttribute(7003, [this, &attributes] { attributes.choosePicture(m_edited, this); });
    onAttribute(7101, [this, &attributes] { attributes.deletePicture(m_edited, this); });
    onClick(7094, [this] { printLabel(); });
}

bool StockEditorWindow::event(QEvent* event) {
    switch (static_cast<int>(event->type())) {
    case platform::msg::kEditorRepaintLabels:
    case platform::msg::kEditorRepaintAll:
    case platform::msg::kEditorSaved:
        update();
        return true;
    case platform::msg::kEditorShowCode:
        m_controls.showCode(QString::number(m_edited.product.stcode));
        return true;
    case platform::msg::kEditorNewBarcode:
    case platform::msg::kEditorBarcodeButton:
        drawBarcode(LabelActions::Barcode::InStore);
        return true;
    case platform::msg::kEditorBarcode869:
        drawBarcode(LabelActions::Barcode::National);
        return true;
    default:
        return QWidget::event(event);
    }
}

void StockEditorWindow::printLabel() {
    // The label shows what the form holds now, saved or not.
    StockDefinition shown = m_edited.product;
    if (readForm(m_controls.read(), m_context.catalogue.current()->departments, shown,
                 m_context.boxes, this))
        m_features.labels.printLabel(shown, this);
}

void StockEditorWindow::drawBarcode(LabelActions::Barcode kind) {
    if (const auto barcode = m_features.labels.newBarcode(kind, this))
        m_controls.setBarcode(QString::fromStdString(*barcode));
}

void StockEditorWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintEditorLabels(painter, m_edited);
    paintEditorPicture(painter, picture());
}

const QImage& StockEditorWindow::picture() {
    // Loaded once per path, not on every paint.
    if (m_picturePath != m_edited.product.imagePath) {
        m_picturePath = m_edited.product.imagePath;
        m_picture = m_picturePath.isEmpty() ? QImage() : QImage(m_picturePath);
    }
    return m_picture;
}

void StockEditorWindow::save() {
    if (m_mode == Mode::Edit)
        saveEditedProduct();
    else
        saveNewProduct();
}

void StockEditorWindow::saveEditedProduct() {
    const SaveOutcome outcome = saveEdited(m_editor, m_edited, m_controls.read());
    m_controls.setStatus(outcome.status);
    // Anything but a save keeps the window open with what was typed.
    if (outcome.result != EditSaveResult::Saved)
        return;
    const QPointer<StockEditorWindow> self(this);
    propagateCost();
    if (self.isNull())
        return;
    finishEditSave(m_editor);
    postToSelf(platform::msg::kEditorSaved);
    postToOwner(platform::msg::kEditorRepaintLabels);
    close();
}

void StockEditorWindow::propagateCost() {
    // On the heap: if this window goes while the dialog waits, the dialog
    // goes with it.
    const QPointer<platform::JobProgressDialog> progress = new platform::JobProgressDialog(
        m_context.jobs,
        costPropagationJob(m_context.runner, m_edited.product.stcode, costIndexFor(m_context)),
        QStringLiteral("Maliyetler hesaplanıyor"), this);
    progress->setObjectName(QStringLiteral("136"));
    progress->exec();
    delete progress.data();
}

void StockEditorWindow::saveNewProduct() {
    const NewSaveResult result = saveNew(m_editor, m_edited, m_controls.read());
    m_controls.setStatus(result.status);
    if (!result.inserted)
        return;
    m_controls.clearTexts();
    postToSelf(platform::msg::kEditorShowCode);
    postToSelf(platform::msg::kEditorSaved);
    postToOwner(platform::msg::kEditorRepaintLabels);
}

void StockEditorWindow::renew(bool finishedSeries) {
    const bool renewed =
        finishedSeries ? renewFinishedCode(m_editor, m_edited) : renewCode(m_editor, m_edited);
    if (!renewed)
        return;
    m_controls.showCode(QString::number(m_edited.product.stcode));
    postToOwner(platform::msg::kCodeRenewed);
    if (!finishedSeries)
        close();
}

void StockEditorWindow::chooseColour(bool back) {
    StockDefinition& product = m_edited.product;
    const QColor chosen =
        QColorDialog::getColor(toQColor(back ? product.backColor : product.fontColor), this,
                               back ? QStringLiteral("Back Rengi") : QStringLiteral("Font Rengi"));
    if (!chosen.isValid())
        return;
    const records::Rgb colour = records::rgb(chosen.red(), chosen.green(), chosen.blue());
    if (back)
        applyBackColour(product, colour);
    else
        applyFontColour(product, colour);
    update();
}

void StockEditorWindow::postToOwner(int message) {
    if (parentWidget() != nullptr)
        QCoreApplication::postEvent(parentWidget(), new QEvent(platform::msg::eventType(message)));
}

void StockEditorWindow::postToSelf(int message) {
    QCoreApplication::postEvent(this, new QEvent(platform::msg::eventType(message)));
}

} // namespace parvela::stock
