#include "stock/attributes/GameParametersDialog.h"

#include "platform/DialogParts.h"
#include "stock/editor/StockEditorForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace parvela::stock {

namespace {

QTreeWidget* unitList(QWidget* parent) {
    QTreeWidget* list = platform::listView(
        "units", {QStringLiteral("Kodu"), QStringLiteral("Zaman Birimi")}, {60, 160}, parent);
    for (const TimeUnit& unit : kTimeUnits)
        new QTreeWidgetItem(list, {QString::number(unit.code), QString::fromLatin1(unit.name)});
    return list;
}

} // namespace

GameParametersDialog::GameParametersDialog(const GameParameters& parameters, Save save,
                                           QWidget* owner)
    : QDialog(owner)
    , m_parameters(parameters)
    , m_save(std::move(save))
    , m_unit(new QLabel(timeUnitName(parameters.zaman_brm), this))
    , m_minimum(new QLineEdit(minimumShown(parameters), this)) {
    setObjectName(QStringLiteral("139"));
    setWindowTitle(QStringLiteral("OYUN ÜRÜNÜ PARAMETRELERİ"));
    m_unit->setObjectName(QStringLiteral("unitName"));
    m_minimum->setObjectName(QStringLiteral("minimum"));
    m_minimum->setMaxLength(static_cast<int>(kNumberChars));
    QTreeWidget* units = unitList(this);
    connect(units, &QTreeWidget::itemClicked, this, [this, units](QTreeWidgetItem* item) {
        const int row = units->indexOfTopLevelItem(item);
        if (row < 0)
            return;
        m_parameters.zaman_brm =
            static_cast<std::int16_t>(kTimeUnits[static_cast<std::size_t>(row)].code);
        m_unit->setText(timeUnitName(m_parameters.zaman_brm));
    });
    QPushButton* ok = platform::namedButton(QStringLiteral("OK"), "1", this);
    QPushButton* close = platform::namedButton(QStringLiteral("Kapat"), "2", this);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (m_save(m_parameters, m_minimum->text()))
            accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(units);
    column->addWidget(new QLabel(QStringLiteral("Zaman Birimi :"), this));
    column->addWidget(m_unit);
    column->addWidget(new QLabel(QStringLiteral("Minimum Fiyatı :"), this));
    column->addWidget(m_minimum);
    column->addLayout(platform::buttonRow({ok, close}));
}

} // namespace parvela::stock
