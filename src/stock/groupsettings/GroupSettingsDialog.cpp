#include "stock/groupsettings/GroupSettingsDialog.h"

#include "groups/StockType.h"
#include "platform/DialogParts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace parvela::stock {

namespace {

using platform::listView;
using platform::namedButton;

QGroupBox* box(const QString& title, QWidget* parent) {
    return new QGroupBox(title, parent);
}

// The row the user selected, if any: the current item alone may be one
// nobody chose.
const QTreeWidgetItem* pickedRow(const QTreeWidget& list) {
    const QList<QTreeWidgetItem*> picked = list.selectedItems();
    return picked.isEmpty() ? nullptr : picked.front();
}

QColor toQColor(records::Rgb colour) {
    return {records::redOf(colour), records::greenOf(colour), records::blueOf(colour)};
}

// The stock types this dialog sets, in the order they are tested; it has no
// expense type.
struct TypeButton {
    const char* caption;
    int type;
};
constexpr TypeButton kTypeButtons[] = {
    {"HAMMADDE", groups::kRawMaterial},     {"YARIMAMUL", groups::kSemiFinished},
    {"MAMUL", groups::kFinished},           {"SARF MALZEME", groups::kConsumable},
    {"FATURA ÜRÜNÜ", groups::kInvoiceItem}, {"DEMİRBAŞ", groups::kFixture},
};

} // namespace

GroupSettingsDialog::GroupSettingsDialog(GroupSettings& settings, const Catalogue& lists,
                                         records::Rgb& lastColour, QWidget* owner)
    : QDialog(owner)
    , m_settings(settings)
    , m_lastColour(lastColour) {
    setObjectName(QStringLiteral("135"));
    setWindowTitle(QStringLiteral("Grup/Menü Ayarları"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(createHeading(), 0, 0, 1, 2);
    layout->addWidget(createDayMenu(), 1, 0);
    layout->addWidget(createColours(), 1, 1);
    layout->addWidget(createDepartments(lists), 2, 0);
    layout->addWidget(createUnits(lists), 2, 1);
    layout->addWidget(createStockTypes(), 3, 0);
    layout->addWidget(createNumbers(), 3, 1);
    layout->addWidget(createButtons(), 4, 0, 1, 2);
}

QWidget* GroupSettingsDialog::createHeading() {
    auto* heading = new QWidget(this);
    auto* row = new QHBoxLayout(heading);
    auto* level = new QLabel(m_settings.levelName(), heading);
    level->setObjectName(QStringLiteral("1069"));
    auto* name = new QLabel(m_settings.groupName(), heading);
    name->setObjectName(QStringLiteral("1060"));
    QFont bold = name->font();
    bold.setBold(true);
    level->setFont(bold);
    name->setFont(bold);
    row->addWidget(level);
    row->addWidget(name, 1);
    return heading;
}

QWidget* GroupSettingsDialog::createDayMenu() {
    QGroupBox* group = box(QStringLiteral("Günün Menüsü"), this);
    auto* column = new QVBoxLayout(group);
    m_dayMenu = new QCheckBox(QStringLiteral(" Günün Menüsü"), group);
    m_dayMenu->setObjectName(QStringLiteral("1061"));
    m_notDayMenu = new QCheckBox(QStringLiteral(" Günün Menüsü DEĞİL"), group);
    m_notDayMenu->setObjectName(QStringLiteral("1213"));
    column->addWidget(m_dayMenu);
    column->addWidget(m_notDayMenu);
    // A box left ticked says the products have it: untick it when refused.
    connect(m_dayMenu, &QCheckBox::clicked, this, [this](bool checked) {
        m_notDayMenu->setChecked(false);
        if (!m_settings.setDayMenu(checked, this))
            m_dayMenu->setChecked(false);
    });
    connect(m_notDayMenu, &QCheckBox::clicked, this, [this] {
        m_dayMenu->setChecked(false);
        if (!m_settings.setDayMenu(false, this))
            m_notDayMenu->setChecked(false);
    });
    return group;
}

QWidget* GroupSettingsDialog::createColours() {
    QGroupBox* group = box(QStringLiteral("Renkler"), this);
    auto* column = new QVBoxLayout(group);
    QPushButton* back = namedButton(QStringLiteral("Ürün Arka Fon Rengi"), "1062", group);
    QPushButton* font = namedButton(QStringLiteral("Ürün Fon Rengi"), "1063", group);
    column->addWidget(back);
    column->addWidget(font);
    connect(back, &QPushButton::clicked, this, [this] { chooseColour(true); });
    connect(font, &QPushButton::clicked, this, [this] { chooseColour(false); });
    return group;
}

QWidget* GroupSettingsDialog::createDepartments(const Catalogue& lists) {
    QGroupBox* group = box(QStringLiteral("Departman"), this);
    auto* column = new QVBoxLayout(group);
    m_departments = listView(
        "1064",
        {QStringLiteral("Depart ID"), QStringLiteral("Departman Adı"), QStringLiteral("Yazıcı")},
        {60, 120, 120}, group);
    for (const Department& department : lists.departments)
        m_departments->addTopLevelItem(new QTreeWidgetItem(QStringList{
            QString::number(department.departid), department.name, department.printer}));
    QPushButton* set = namedButton(QStringLiteral("Set"), "1066", group);
    column->addWidget(m_departments);
    column->addWidget(set);
    connect(set, &QPushButton::clicked, this, [this] {
        // Only a row the user picked: Tab makes the first row current unpicked.
        if (const QTreeWidgetItem* row = pickedRow(*m_departments))
            m_settings.setDepartment(row->text(0).toInt(), this);
    });
    return group;
}

QWidget* GroupSettingsDialog::createUnits(const Catalogue& lists) {
    QGroupBox* group = box(QStringLiteral("Birim"), this);
    auto* column = new QVBoxLayout(group);
    m_units = listView("1065", {QString(), QStringLiteral("Birim Adı"), QStringLiteral("Ondalık")},
                       {20, 60, 110}, group);
    for (const Unit& unit : lists.units)
        m_units->addTopLevelItem(
            new QTreeWidgetItem(QStringList{QString(), unit.name, QString::number(unit.type)}));
    QPushButton* set = namedButton(QStringLiteral("Set"), "1067", group);
    column->addWidget(m_units);
    column->addWidget(set);
    connect(set, &QPushButton::clicked, this, [this] {
        if (const QTreeWidgetItem* row = pickedRow(*m_units))
            m_settings.setUnit(row->text(1), this);
    });
    return group;
}

QWidget* GroupSettingsDialog::createStockTypes() {
    QGroupBox* group = box(QStringLiteral("Stok Tipi"), this);
    auto* grid = new QGridLayout(group);
    m_types = new QButtonGroup(group);
    int index = 0;
    for (const TypeButton& type : kTypeButtons) {
        auto* radio = new QRadioButton(QString::fromUtf8(type.caption), group);
        radio->setObjectName(QStringLiteral("type%1").arg(type.type));
        m_types->addButton(radio, type.type);
        grid->addWidget(radio, index / 2, index % 2);
        ++index;
    }
    QPushButton* set = namedButton(QStringLiteral("Set"), "1068", group);
    grid->addWidget(set, 3, 1);
    connect(set, &QPushButton::clicked, this, [this] {
        if (m_types->checkedId() > 0)
            m_settings.setStockType(m_types->checkedId(), this);
    });
    return group;
}

QWidget* GroupSettingsDialog::createNumbers() {
    QGroupBox* group = box(QStringLiteral("KDV ve İskonto"), this);
    auto* grid = new QGridLayout(group);
    m_kdv = new QLineEdit(group);
    m_kdv->setObjectName(QStringLiteral("1227"));
    m_kdv->setMaxLength(12);
    m_discount = new QLineEdit(group);
    m_discount->setObjectName(QStringLiteral("1071"));
    m_discount->setMaxLength(12);
    QPushButton* kdv = namedButton(QStringLiteral("Set Kdv"), "1163", group);
    QPushButton* discount = namedButton(QStringLiteral("Set"), "1245", group);
    QPushButton* deleteDiscounts = namedButton(QStringLiteral("İskontoları Sil"), "1241", group);
    grid->addWidget(new QLabel(QStringLiteral("KDV %"), group), 0, 0);
    grid->addWidget(m_kdv, 0, 1);
    grid->addWidget(kdv, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("İskonto %"), group), 1, 0);
    grid->addWidget(m_discount, 1, 1);
    grid->addWidget(discount, 1, 2);
    grid->addWidget(deleteDiscounts, 2, 1, 1, 2);
    connect(kdv, &QPushButton::clicked, this, [this] { m_settings.setKdv(m_kdv->text(), this); });
    connect(discount, &QPushButton::clicked, this,
            [this] { m_settings.setDiscount(m_discount->text(), this); });
    connect(deleteDiscounts, &QPushButton::clicked, this,
            [this] { m_settings.deleteAllDiscounts(this); });
    return group;
}

QWidget* GroupSettingsDialog::createButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    QPushButton* reset = namedButton(QStringLiteral(" Reset \nPrice Times"), "1109", row);
    QPushButton* close = namedButton(QStringLiteral("Kapat"), "2", row);
    layout->addWidget(reset);
    layout->addStretch(1);
    layout->addWidget(close);
    connect(reset, &QPushButton::clicked, this, [this] { m_settings.resetPriceTimes(this); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return row;
}

void GroupSettingsDialog::chooseColour(bool back) {
    const QColor chosen = QColorDialog::getColor(toQColor(m_lastColour), this,
                                                 back ? QStringLiteral("Ürün Arka Fon Rengi")
                                                      : QStringLiteral("Ürün Fon Rengi"));
    if (!chosen.isValid())
        return;
    m_lastColour = records::rgb(chosen.red(), chosen.green(), chosen.blue());
    back ? m_settings.setBackColour(m_lastColour, this)
         : m_settings.setFontColour(m_lastColour, this);
}

} // namespace parvela::stock
