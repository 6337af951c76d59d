#include "recipes/CostReportWindow.h"

#include "recipes/CostReportText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace parvela::recipes {

namespace {

constexpr int kNameColumn = 1;
constexpr int kColumnGap = 16;

QLabel* label(const QString& text, const char* id, QWidget* parent) {
    auto* shown = new QLabel(text, parent);
    shown->setObjectName(QString::fromLatin1(id));
    shown->setVisible(!text.isEmpty());
    shown->setWordWrap(true);
    return shown;
}

QTreeWidget* table(const char* id, const QStringList& headings,
                   const std::vector<QStringList>& rows, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(id));
    list->setHeaderLabels(headings);
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    list->setUniformRowHeights(true);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const QStringList& row : rows) {
        auto* item = new QTreeWidgetItem(row);
        for (int column = 0; column < row.size(); ++column)
            if (column != kNameColumn)
                item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    list->addTopLevelItems(items);
    for (int column = 0; column < headings.size(); ++column)
        if (column != kNameColumn)
            list->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    // Numbers and headings whole, with room between them; the name takes
    // what is left.
    for (int column = 0; column < headings.size(); ++column) {
        list->resizeColumnToContents(column);
        list->setColumnWidth(column, list->columnWidth(column) + kColumnGap);
    }
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    return list;
}

template <typename Row, typename Cells>
std::vector<QStringList> cellsOf(const std::vector<Row>& rows, Cells cells) {
    std::vector<QStringList> all;
    all.reserve(rows.size());
    for (const Row& row : rows)
        all.push_back(cells(row));
    return all;
}

} // namespace

CostReportWindow::CostReportWindow(const ProductCost& product, const StaleList& stale,
                                   QWidget* owner)
    : QDialog(owner) {
    setWindowTitle(kCostReportTitle + QStringLiteral(": ") + productTitle(product));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label(productTitle(product), "product", this));
    auto* costs = new QFormLayout;
    costs->addRow(kStoredCostLabel + QStringLiteral(" :"),
                  label(money(product.stored), "storedCost", this));
    costs->addRow(kOnePassCostLabel + QStringLiteral(" :"),
                  label(money(product.onePass), "onePassCost", this));
    costs->addRow(kFullCostLabel + QStringLiteral(" :"),
                  label(money(product.full), "fullCost", this));
    layout->addLayout(costs);
    layout->addWidget(label(recipeNote(product), "recipeNote", this));
    QLabel* cycles = label(product.cycles.join(QLatin1Char('\n')), "cycles", this);
    cycles->setStyleSheet(QStringLiteral("color: #8b0000;"));
    layout->addWidget(cycles);
    layout->addWidget(table("ingredients", ingredientHeadings(),
                            cellsOf(product.ingredients, ingredientCells), this),
                      1);
    layout->addWidget(label(staleHeading(stale), "staleHeading", this));
    layout->addWidget(
        table("staleCosts", staleHeadings(), cellsOf(stale.products, staleCells), this), 1);
    layout->addWidget(label(cycleNote(stale), "cycleNote", this));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QStringLiteral("Kapat"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Within the smallest screen the program is made for, 1024 × 768.
    resize(900, 640);
}

void openCostReport(CostReport& report, const stock::StockDefinition& product,
                    platform::MessageBoxes& boxes, QWidget* owner) {
    const std::optional<ProductCost> cost = reportedProduct(report, product.stcode, boxes);
    if (!cost)
        return;
    CostReportWindow window(*cost, report.staleCosts(), owner);
    window.exec();
}

} // namespace parvela::recipes
