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

CandidatePicker::CandidatePicker(stock::CatalogueFeed& catalogue, const groups::GroupData& groups,
                                 QWidget* parent)
    : QWidget(parent)
    , m_shownFrom(catalogue.current())
    , m_groups(groups)
    , m_listA(groups.allGroupA()) {
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

    groups::fillGroupCombo(*m_groupA, m_listA);
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
    m_newer = catalogue.subscribe([this](const stock::CatalogueRef& newer) { follow(newer); });
}

void CandidatePicker::follow(stock::CatalogueRef newer) {
    const std::optional<std::int64_t> picked = selected();
    m_shownFrom = std::move(newer);
    const QSignalBlocker quiet(m_list);
    showCandidates();
    if (!picked)
        return;
    const stock::ProductList& products = m_shownFrom->products;
    for (std::size_t row = 0; row < m_shown.size(); ++row) {
        if (products[m_shown[row]].stcode == *picked) {
            m_list->setCurrentItem(m_list->topLevelItem(static_cast<int>(row)));
            return;
        }
    }
}

// Group B offers the groups of the Group A chosen, or all of them.
void CandidatePicker::groupAChosen(int index) {
    std::vector<groups::GroupB> listB;
    if (index > 0) {
        m_filter.gra = m_listA[static_cast<std::size_t>(index - 1)].acode;
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
    const stock::ProductList& products = m_shownFrom->products;
    m_shown = candidatesOf(products, m_filter);
    std::vector<QStringList> rows;
    rows.reserve(m_shown.size());
    for (const std::uint32_t position : m_shown) {
        const stock::StockDefinition& product = products[position];
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
    return m_shownFrom->products[m_shown[static_cast<std::size_t>(row)]].stcode;
}

} // namespace parvela::recipes
