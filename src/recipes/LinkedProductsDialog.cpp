#include "recipes/LinkedProductsDialog.h"

#include "platform/DialogParts.h"
#include "recipes/LineViews.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace parvela::recipes {

LinkedProductsDialog::LinkedProductsDialog(const std::vector<LinkedProduct>& rows, QWidget* owner)
    : QDialog(owner) {
    setObjectName(QStringLiteral("141"));
    setWindowTitle(QStringLiteral("BAGLI_URUNLER"));
    auto* layout = new QVBoxLayout(this);
    QTreeWidget* list =
        idList(this, "1072",
               {QStringLiteral("Stok Kodu"), QStringLiteral("Stok Adı"), QStringLiteral("Maliyeti"),
                QStringLiteral("Stk. Miktar"), QStringLiteral("Bileşen"), QStringLiteral("Miktar"),
                QStringLiteral("Birim"), QStringLiteral("Br. Mlyt")});
    list->setColumnWidth(1, 180);
    list->setColumnWidth(4, 160);
    std::vector<QStringList> shown;
    for (const LinkedProduct& row : rows)
        shown.push_back({QString::number(row.code), row.name,
                         QString::asprintf("%.2f", row.unitcost),
                         QString::asprintf("%.2f", row.quantity), row.ingredient,
                         QString::asprintf("%.3f", row.lineQuantity), row.unit,
                         QString::asprintf("%.3f", row.ingredientCost)});
    fillRows(*list, shown);
    layout->addWidget(list, 1);
    QPushButton* ok = platform::namedButton(QStringLiteral("OK"), "1", this);
    QPushButton* close = platform::namedButton(QStringLiteral("Kapat"), "2", this);
    layout->addLayout(platform::buttonRow({}, {ok, close}));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(960, 420);
}

} // namespace parvela::recipes
