#include "stock/editor/StockEditorControls.h"

#include "platform/TextFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace parvela::stock {

namespace {

constexpr int kEditHeight = 24;
constexpr int kComboHeight = 24;

struct EditPlace {
    int id;
    QRect rect;
    bool centred;
    bool digitsOnly;
};

// In the order of the form's fields that StockEditorControls::read fills.
const std::array<EditPlace, 14> kEdits{{
    {7041, {20, 50, 120, kEditHeight}, true, true},
    {7005, {20, 120, 350, kEditHeight}, false, false},
    {7006, {20, 170, 100, kEditHeight}, false, false},
    {7034, {20, 240, 140, kEditHeight}, false, false},
    {7008, {20, 320, 120, kEditHeight}, true, false},
    {7009, {150, 320, 120, kEditHeight}, true, false},
    {7010, {280, 320, 120, kEditHeight}, true, false},
    {7011, {410, 320, 120, kEditHeight}, true, false},
    {7029, {540, 320, 120, kEditHeight}, true, false},
    {7091, {800, 320, 110, kEditHeight}, true, false},
    {7013, {20, 425, 60, kEditHeight}, true, true},
    {7014, {150, 425, 90, kEditHeight}, true, false},
    {7016, {450, 425, 90, kEditHeight}, true, false},
    {7027, {580, 425, 60, kEditHeight}, true, false},
}};

struct ButtonPlace {
    int id;
    const char* caption;
    QRect rect;
};

const std::array<ButtonPlace, 15> kButtons{{
    {7102, "StokKodu Mamül", {20, 5, 120, 24}},
    {7001, "Grubu", {150, 50, 80, 24}},
    {7095, "Ürüne Ait Not", {230, 93, 140, 26}},
    {7093, "BARCODE", {180, 240, 80, 24}},
    {7097, "869", {180, 270, 80, 24}},
    {7096, "Smll Med Lrg", {20, 350, 120, 28}},
    {7031, "Tanım-Time-1", {540, 350, 120, 33}},
    {7092, "Bölge Seç", {800, 350, 110, 50}},
    {7002, "Back Rengi", {490, 8, 100, 24}},
    {7026, "Font Rengi", {490, 34, 100, 24}},
    {7003, "Resmi", {605, 25, 100, 30}},
    {7101, "Resmi Sil", {605, 60, 100, 30}},
    {7040, "X", {550, 512, 24, 24}},
    {7024, "KAYDET", {500, 600, 120, 44}},
    {7094, "BARCODE", {755, 600, 140, 36}},
}};

const std::array<const char*, 5> kTypeCaptions{"Hammadde", "Yarı-Mamul", "Mamul", "Sarf-Malzeme",
                                               "Fatura Ürünü"};

QString idName(int id) {
    return QString::number(id);
}

QLineEdit* makeEdit(QWidget* window, const EditPlace& place) {
    auto* edit = new QLineEdit(window);
    edit->setObjectName(idName(place.id));
    edit->setGeometry(place.rect);
    if (place.centred)
        edit->setAlignment(Qt::AlignCenter);
    if (place.digitsOnly)
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

QComboBox* makeCombo(QWidget* window, int id, int x, int y, int width) {
    auto* combo = new QComboBox(window);
    combo->setObjectName(idName(id));
    combo->setGeometry(x, y, width, kComboHeight);
    return combo;
}

QCheckBox* makeCheck(QWidget* window, int id, const QString& caption, int y, int width = 260) {
    auto* check = new QCheckBox(caption, window);
    check->setObjectName(idName(id));
    check->setGeometry(450, y, width, 22);
    return check;
}

void showChoice(QComboBox* combo, const QString& text) {
    if (combo->findText(text) < 0)
        combo->addItem(text);
    combo->setCurrentIndex(combo->findText(text));
}

template <typename List, typename Text>
void fillCombo(QComboBox* combo, const List& list, Text textOf) {
    combo->clear();
    for (const auto& entry : list)
        combo->addItem(textOf(entry));
}

// The form's texts in the order of kEdits.
template <typename Form> auto textFields(Form& f) {
    return std::array{
        &f.code,      &f.name,        &f.unitcost,     &f.barcode,     &f.retail,
        &f.wholesale, &f.selfService, &f.orderPrice,   &f.timeWindow1, &f.regionDifference,
        &f.kdv,       &f.critical,    &f.smallPortion, &f.discount};
}

} // namespace

StockEditorControls::StockEditorControls(QWidget* window, bool withRenewButton)
    : m_window(window)
    , m_unit(makeCombo(window, 7012, 380, 120, 66))
    , m_currency(makeCombo(window, 7007, 300, 170, 50))
    , m_department(makeCombo(window, 7015, 275, 425, 150))
    , m_specs(new QPlainTextEdit(window))
    , m_bundle(makeCheck(window, 7043, QStringLiteral(" Bundle "), 460))
    , m_relatedUpdate(makeCheck(window, 8027, QStringLiteral("Bağıl Stok Güncellemesi Yapma"), 485))
    , m_gameStock(
          makeCheck(window, 8028, QStringLiteral(" OYUN ÜRÜNÜ "), 510, 98)) // "X" sits beside it
    , m_weighed(makeCheck(window, 8029, QStringLiteral(" Ağırlık Ölçülüyor "), 535))
    , m_priceChangeable(makeCheck(window, 8030, QStringLiteral(" Fiyat Değiştirilebilir "), 560))
    , m_status(new QLabel(window)) {
    for (const EditPlace& place : kEdits)
        m_edits.push_back(makeEdit(window, place));
    // Typing stops where the save stops reading, so nothing typed is lost.
    for (const int id : {7006, 7008, 7009, 7010, 7011, 7029, 7091, 7014, 7016, 7027})
        edit(id)->setMaxLength(static_cast<int>(kNumberChars));
    edit(7013)->setMaxLength(static_cast<int>(kKdvChars));
    edit(7034)->setMaxLength(static_cast<int>(kBarcodeBytes));
    m_specs->setObjectName(idName(7017));
    m_specs->setGeometry(490, 120, 250, 150);
    for (size_t i = 0; i < m_types.size(); ++i) {
        m_types[i] = new QRadioButton(QString::fromUtf8(kTypeCaptions[i]), window);
        m_types[i]->setObjectName(idName(kTypeRadioIds[i]));
        m_types[i]->setGeometry(770, 120 + 25 * static_cast<int>(i), 140, 25);
    }
    for (const ButtonPlace& place : kButtons) {
        auto* button = new QPushButton(QString::fromUtf8(place.caption), window);
        button->setObjectName(idName(place.id));
        button->setGeometry(place.rect);
    }
    button(7095)->setCheckable(true);
    // " OYUN ÜRÜNÜ " ends where its "X" button begins.
    m_gameStock->setFont(
        platform::fittedFont(m_gameStock->font(), m_gameStock->text(), 98 - 24, 9));
    if (withRenewButton) {
        auto* renew = new QPushButton(QStringLiteral("Kodu Yenile"), window);
        renew->setObjectName(idName(7090));
        renew->setGeometry(10, 74, 100, 24);
    }
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setGeometry(20, 655, 880, 24);
}

void StockEditorControls::fillChoices(const Catalogue& catalog) {
    fillCombo(m_unit, catalog.units, [](const Unit& u) { return u.name; });
    fillCombo(m_currency, catalog.currencies,
              [](const Currency& c) { return QString::fromStdString(c.code); });
    fillCombo(m_department, catalog.departments, [](const Department& d) { return d.name; });
}

void StockEditorControls::show(const StockEditorForm& f) {
    const auto texts = textFields(f);
    for (size_t i = 0; i < texts.size(); ++i)
        m_edits[i]->setText(*texts[i]);
    m_specs->setPlainText(f.specs);
    showChoice(m_unit, f.unit);
    showChoice(m_currency, f.currency);
    showChoice(m_department, f.department);
    // Radio buttons that exclude each other cannot all be cleared otherwise.
    for (size_t i = 0; i < m_types.size(); ++i) {
        m_types[i]->setAutoExclusive(false);
        m_types[i]->setChecked(f.typeChecked[i]);
    }
    for (QRadioButton* type : m_types)
        type->setAutoExclusive(true);
    m_bundle->setChecked(f.bundle);
    m_relatedUpdate->setChecked(f.relatedUpdate);
    m_gameStock->setChecked(f.gameStock);
    m_weighed->setChecked(f.weighed);
    m_priceChangeable->setChecked(f.priceChangeable);
}

StockEditorForm StockEditorControls::read() const {
    StockEditorForm f;
    const auto texts = textFields(f);
    for (size_t i = 0; i < texts.size(); ++i)
        *texts[i] = m_edits[i]->text();
    f.specs = m_specs->toPlainText();
    f.unit = m_unit->currentText();
    f.currency = m_currency->currentText();
    f.department = m_department->currentText();
    for (size_t i = 0; i < m_types.size(); ++i)
        f.typeChecked[i] = m_types[i]->isChecked();
    f.bundle = m_bundle->isChecked();
    f.relatedUpdate = m_relatedUpdate->isChecked();
    f.gameStock = m_gameStock->isChecked();
    f.weighed = m_weighed->isChecked();
    f.priceChangeable = m_priceChangeable->isChecked();
    return f;
}

void StockEditorControls::showCode(const QString& code) {
    edit(7041)->setText(code);
}

void StockEditorControls::setBarcode(const QString& barcode) {
    edit(7034)->setText(barcode);
}

void StockEditorControls::setBarcodeNow(const QString& barcode) {
    setBarcode(barcode);
    edit(7034)->repaint();
}

void StockEditorControls::clearTexts() {
    for (QLineEdit* e : m_edits)
        e->clear();
    m_specs->clear();
}

void StockEditorControls::setStatus(const QString& status) {
    m_status->setText(status);
}

QString StockEditorControls::status() const {
    return m_status->text();
}

QPushButton* StockEditorControls::button(int id) const {
    return m_window->findChild<QPushButton*>(idName(id));
}

QLineEdit* StockEditorControls::edit(int id) const {
    return m_window->findChild<QLineEdit*>(idName(id));
}

} // namespace parvela::stock
