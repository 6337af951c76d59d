#include "recipes/CandidatePicker.h"

#include "groups/GroupData.h"
#include "groups/GroupLookups.h"
#include "groups/GroupViews.h"
#include "recipes/LineViews.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace parvela::recipes {

namespace {

const QString kEveryGroup = QStringLiteral("Hepsi");

QComboBox* idCombo(QWidget* parent, const char* id) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(id));
    return combo;
}

} // namespace

CandidatePicker::CandidatePicker(const std::vector<stock::StockDefinition>& products,
                                 const groups::GroupData& groups, QWidget* parent)
    : QWidget(parent)
    , m_products(products)
    , m_groups(groups) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_groupA = idCombo(this, "1038");
    m_groupB = idCombo(this, "1041");
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("1043"));
    m_list = idList(this, "1042",
                    {QStringLiteral("Stok Kodu"), QStringLiteral("Stok Adı"),
                     QStringLiteral("Birim"), QStringLiteral("Maliyet")});
    m_list->setColumnWidth(1, 150);
    layout->addWidget(new QLabel(QStringLiteral("Grup A :"), this), 0, 0);
    layout->addWidget(m_groupA, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Grup B :"), this), 1, 0);
    layout->addWidget(m_groupB, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("  Adından Ara :"), this), 2, 0);
    layout->addWidget(m_search, 2, 1);
    layout->addWidget(m_list, 3, 0, 1, 2);

    groups::fillGroupCombo(*m_groupA, groups.allGroupA());
    m_groupA->insertItem(0, kEveryGroup);
    m_groupA->setCurrentIndex(0);
    groupAChosen(0);
    connect(m_groupA, &QComboBox::currentIndexChanged, this, &CandidatePicker::groupAChosen);
    connect(m_groupB, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_filter.grb = index > 0 ? m_bCodes[static_cast<std::size_t>(index - 1)] : 0;
        showCandidates();
    });
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_filter.name = text;
        showCandidates();
    });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] {
        const int row = selectedRow(*m_list);
        if (row >= 0)
            Q_EMIT picked(m_list->topLevelItem(row)->text(1));
    });
}

// Group B offers the groups of the Group A chosen, or all of them.
void CandidatePicker::groupAChosen(int index) {
    std::vector<groups::GroupB> listB;
    if (index > 0) {
        m_filter.gra = m_groups.allGroupA()[static_cast<std::size_t>(index - 1)].acode;
        groups::groupBOfA(listB, m_groups.allGroupB(), m_filter.gra);
    } else {
        m_filter.gra = 0;
        listB = m_groups.allGroupB();
    }
    m_bCodes.clear();
    for (const groups::GroupB& group : listB)
        m_bCodes.push_back(group.bcode);
    m_filter.grb = 0;
    {
        const QSignalBlocker quiet(m_groupB);
        groups::fillGroupCombo(*m_groupB, listB);
        m_groupB->insertItem(0, kEveryGroup);
        m_groupB->setCurrentIndex(0);
    }
    showCandidates();
}

void CandidatePicker::showCandidates() {
    m_shown = candidatesOf(m_products, m_filter);
    std::vector<QStringList> rows;
    rows.reserve(m_shown.size());
    for (const std::uint32_t position : m_shown) {
        const stock::StockDefinition& product = m_products[position];
        rows.push_back({QString::number(product.stcode), product.stname,
                        QString::fromStdString(product.unit),
                        QString::asprintf("%.3f", product.unitcost)});
    }
    fillRows(*m_list, rows);
}

std::optional<std::int64_t> CandidatePicker::selected() const {
    const int row = selectedRow(*m_list);
    if (row < 0)
        return std::nullopt;
    return m_products[m_shown[static_cast<std::size_t>(row)]].stcode;
}

} // namespace parvela::recipes
