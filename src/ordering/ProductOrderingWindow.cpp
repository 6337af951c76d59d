#include "ordering/ProductOrderingWindow.h"

#include "ordering/OrderCells.h"

#include <QComboBox>
#include <QLabel>

namespace parvela::ordering {

ProductOrderingWindow::ProductOrderingWindow(const ProductOrderingSource& source, QWidget* owner)
    : OrderingWindow(kClassName, QStringLiteral("ÜRÜN Sıralaması"),
                     QStringLiteral("Ürün Sayisi : %1"), owner)
    , m_source(source) {
    auto* label = new QLabel(QStringLiteral("Sıralama :"), this);
    label->setGeometry(10, 8, 80, 28);
    // One choice at a time: overall, one Group A or one Group B, never both.
    m_scopeBox = new QComboBox(this);
    m_scopeBox->setObjectName(QStringLiteral("scope"));
    m_scopeBox->setGeometry(90, 8, 420, 28);
    m_scopeBox->addItem(QStringLiteral("Genel sıralama (grupsuz)"));
    m_scopes.push_back({});
    for (const groups::GroupA& group : source.groupA) {
        m_scopeBox->addItem(QStringLiteral("Grup A : %1").arg(group.wideName));
        m_scopes.push_back({group.acode, std::nullopt});
    }
    for (const groups::GroupB& group : source.groupB) {
        m_scopeBox->addItem(QStringLiteral("Grup B : %1").arg(group.wideName));
        m_scopes.push_back({std::nullopt, group.bcode});
    }
    connect(m_scopeBox, &QComboBox::currentIndexChanged, this, &ProductOrderingWindow::chooseScope);
    chooseScope(0);
}

void ProductOrderingWindow::chooseScope(int item) {
    if (item < 0 || item >= static_cast<int>(m_scopes.size()))
        return;
    m_scope = m_scopes[static_cast<std::size_t>(item)];
    const stock::CatalogueRef catalogue = m_source.catalogue.current();
    setCells(productCells(m_source.runner, catalogue->products, m_scope));
}

void ProductOrderingWindow::save() {
    saveProductOrder(m_source.runner, m_source.boxes, m_scope, board().cells(), this);
}

} // namespace parvela::ordering
