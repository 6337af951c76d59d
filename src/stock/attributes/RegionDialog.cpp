#include "stock/attributes/RegionDialog.h"

#include "platform/DialogParts.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace parvela::stock {

RegionDialog::RegionDialog(const std::vector<Region>& regions, Choose choose, QWidget* owner)
    : QDialog(owner) {
    setObjectName(QStringLiteral("143"));
    setWindowTitle(QStringLiteral("BÖLGE SEÇ"));
    QTreeWidget* list = platform::listView(
        "regions", {QStringLiteral("Bölge Kodu"), QStringLiteral("Bölge Adı")}, {90, 240}, this);
    for (const Region& region : regions)
        new QTreeWidgetItem(list, {QString::number(region.kod), region.baslik});
    connect(list, &QTreeWidget::itemClicked, this,
            [list, regions, choose = std::move(choose)](QTreeWidgetItem* item) {
                const int row = list->indexOfTopLevelItem(item);
                if (row >= 0 && row < static_cast<int>(regions.size()))
                    choose(regions[static_cast<std::size_t>(row)]);
            });
    QPushButton* save = platform::namedButton(QStringLiteral("Kaydet"), "1", this);
    connect(save, &QPushButton::clicked, this, &QDialog::accept);
    auto* column = new QVBoxLayout(this);
    column->addWidget(list);
    column->addLayout(platform::buttonRow({save}));
}

} // namespace parvela::stock
