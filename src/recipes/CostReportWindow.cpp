#include "recipes/CostReportWindow.h"

#include "recipes/CostReportText.h"
#include "recipes/StaleCostFix.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

namespace parvela::recipes {

namespace {

constexpr int kNameColumn = 1;
constexpr int kColumnGap = 16;

QLabel* label(const char* id, QWidget* parent) {
    auto* shown = new QLabel(parent);
    shown->setObjectName(QString::fromLatin1(id));
    shown->setWordWrap(true);
    return shown;
}

void setText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

QTreeWidget* table(const char* id, const QStringList& headings, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(id));
    list->setHeaderLabels(headings);
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    list->setUniformRowHeights(true);
    for (int column = 0; column < headings.size(); ++column)
        if (column != kNameColumn)
            list->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    list->header()->setStretchLastSection(false);
    return list;
}

void fill(QTreeWidget* list, const std::vector<QStringList>& rows) {
    list->clear();
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
    // Numbers and headings whole, with room between them; the name takes
    // what is left.
    list->header()->setSectionResizeMode(kNameColumn, QHeaderView::Interactive);
    for (int column = 0; column < list->columnCount(); ++column) {
        list->resizeColumnToContents(column);
        list->setColumnWidth(column, list->columnWidth(column) + kColumnGap);
    }
    list->header()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
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
                                   QWidget* owner, StaleCostFixer fixer)
    : QDialog(owner)
    , m_fixer(std::move(fixer)) {
    auto* layout = new QVBoxLayout(this);
    m_product = label("product", this);
    layout->addWidget(m_product);
    auto* costs = new QFormLayout;
    m_stored = label("storedCost", this);
    m_onePass = label("onePassCost", this);
    m_full = label("fullCost", this);
    costs->addRow(kStoredCostLabel + QStringLiteral(" :"), m_stored);
    costs->addRow(kOnePassCostLabel + QStringLiteral(" :"), m_onePass);
    costs->addRow(kFullCostLabel + QStringLiteral(" :"), m_full);
    layout->addLayout(costs);
    m_recipeNote = label("recipeNote", this);
    layout->addWidget(m_recipeNote);
    m_cycles = label("cycles", this);
    m_cycles->setStyleSheet(QStringLiteral("color: #8b0000;"));
    layout->addWidget(m_cycles);
    m_ingredients = table("ingredients", ingredientHeadings(), this);
    layout->addWidget(m_ingredients, 1);
    m_staleHeading = label("staleHeading", this);
    layout->addWidget(m_staleHeading);
    m_staleCosts = table("staleCosts", staleHeadings(), this);
    layout->addWidget(m_staleCosts, 1);
    m_cycleNote = label("cycleNote", this);
    layout->addWidget(m_cycleNote);
    auto* buttons = new QDialogButtonBox(this);
    if (m_fixer) {
        m_fix =
            buttons->addButton(QString::fromUtf8(kFixStaleCaption), QDialogButtonBox::ActionRole);
        m_fix->setObjectName(QStringLiteral("fixStale"));
        connect(m_fix, &QPushButton::clicked, this, &CostReportWindow::fixStale);
    }
    QPushButton* close = buttons->addButton(QStringLiteral("Kapat"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    present(product, stale);
    // Within the smallest screen the program is made for, 1024 × 768.
    resize(900, 640);
}

void CostReportWindow::present(const ProductCost& product, const StaleList& stale) {
    setWindowTitle(kCostReportTitle + QStringLiteral(": ") + productTitle(product));
    setText(m_product, productTitle(product));
    setText(m_stored, money(product.stored));
    setText(m_onePass, money(product.onePass));
    setText(m_full, money(product.full));
    setText(m_recipeNote, recipeNote(product));
    setText(m_cycles, product.cycles.join(QLatin1Char('\n')));
    fill(m_ingredients, cellsOf(product.ingredients, ingredientCells));
    setText(m_staleHeading, staleHeading(stale));
    fill(m_staleCosts, cellsOf(stale.products, staleCells));
    setText(m_cycleNote, cycleNote(stale));
    if (m_fix != nullptr)
        m_fix->setEnabled(!stale.products.empty());
}

void CostReportWindow::fixStale() {
    if (std::optional<CostReportView> after = m_fixer())
        present(after->product, after->stale);
}

void openCostReport(CostReport& report, const stock::StockDefinition& product,
                    platform::MessageBoxes& boxes, QWidget* owner, StaleCostFixer fixer) {
    const std::optional<ProductCost> cost = reportedProduct(report, product.stcode, boxes);
    if (!cost)
        return;
    CostReportWindow window(*cost, report.staleCosts(), owner, std::move(fixer));
    window.exec();
}

} // namespace parvela::recipes
