#include "recipes/RecipeDialog.h"

#include "platform/DialogParts.h"
#include "platform/NotBuiltYet.h"
#include "recipes/CandidatePicker.h"
#include "recipes/LineViews.h"
#include "recipes/SubstituteDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace parvela::recipes {

namespace {

constexpr int kQuantityChars = 12;
constexpr int kWidth = 1000;
constexpr int kHeight = 600;

QStringList lineHeadings(LineKind kind) {
    return {QStringLiteral("Stok Kodu"), QStringLiteral("Stok Adı"), QStringLiteral("Birim"),
            QStringLiteral("Miktar"),
            kind == LineKind::Recipe ? QStringLiteral("Br. Maliyet") : QStringLiteral("Değişir")};
}

} // namespace

RecipeDialog::RecipeDialog(RecipeContext& context, LineWork& work, CostReportOpen costReport,
                           QWidget* owner)
    : QDialog(owner)
    , m_context(context)
    , m_work(work)
    , m_costReport(std::move(costReport)) {
    setObjectName(QStringLiteral("134"));
    setWindowTitle(work.title());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createHeading());
    auto* middle = new QHBoxLayout;
    m_candidates = new CandidatePicker(context.catalogue, context.groups, this);
    middle->addWidget(m_candidates, 4);
    middle->addWidget(createAdding());
    middle->addWidget(createLines(), 5);
    layout->addLayout(middle, 1);
    layout->addLayout(createButtons());
    connect(m_candidates, &CandidatePicker::picked, m_info, &QLabel::setText);
    showKindControls();
    showLines();
    resize(kWidth, kHeight);
}

QWidget* RecipeDialog::createHeading() {
    auto* heading = new QWidget(this);
    auto* layout = new QHBoxLayout(heading);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(m_work.nameLabel(), heading));
    const stock::StockDefinition& product = m_work.product();
    layout->addWidget(idLabel(heading, "1039", QString::number(product.stcode)));
    layout->addWidget(idLabel(heading, "1040", product.stname), 1);
    return heading;
}

QWidget* RecipeDialog::createAdding() {
    auto* adding = new QWidget(this);
    auto* layout = new QVBoxLayout(adding);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(new QLabel(QStringLiteral("Miktar :"), adding));
    m_quantity = new QLineEdit(adding);
    m_quantity->setObjectName(QStringLiteral("1044"));
    m_quantity->setMaxLength(kQuantityChars);
    layout->addWidget(m_quantity);
    QPushButton* add = platform::namedButton(QStringLiteral(">>> Ekle"), "1048", adding);
    QPushButton* itself = platform::namedButton(QStringLiteral("Kendisi>>"), "1101", adding);
    layout->addWidget(add);
    layout->addWidget(itself);
    m_info = idLabel(adding, "1059");
    m_info->setWordWrap(true);
    m_info->setFixedWidth(120);
    layout->addWidget(m_info);
    layout->addStretch();
    connect(add, &QPushButton::clicked, this, &RecipeDialog::addPicked);
    connect(itself, &QPushButton::clicked, this, &RecipeDialog::addItself);
    return adding;
}

QWidget* RecipeDialog::createLines() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_lines = idList(box, "1047", lineHeadings(m_work.kind()));
    m_lines->setColumnWidth(1, 130);
    layout->addWidget(m_lines, 1);
    auto* exchange = new QHBoxLayout;
    m_exchangeable = new QCheckBox(QStringLiteral(" Değiştirilebilir"), box);
    m_exchangeable->setObjectName(QStringLiteral("1103"));
    QPushButton* substitutes = platform::namedButton(QStringLiteral("Değişim"), "1104", box);
    exchange->addWidget(m_exchangeable);
    exchange->addWidget(substitutes);
    exchange->addStretch();
    layout->addLayout(exchange);
    m_cost = idLabel(box, "1052");
    layout->addWidget(m_cost);
    connect(m_lines, &QTreeWidget::itemSelectionChanged, this, &RecipeDialog::lineSelected);
    connect(m_exchangeable, &QCheckBox::toggled, this, &RecipeDialog::exchangeableToggled);
    connect(substitutes, &QPushButton::clicked, this, &RecipeDialog::openSubstitutes);
    return box;
}

QLayout* RecipeDialog::createButtons() {
    QPushButton* remove = platform::namedButton(QStringLiteral("Bileşeni Sil"), "1053", this);
    QPushButton* removeAll = platform::namedButton(m_work.kind() == LineKind::Bundle
                                                       ? QStringLiteral("Tüm Menüyü Sil")
                                                       : QStringLiteral("Tüm Reçeteyi Sil"),
                                                   "1054", this);
    QPushButton* report =
        platform::namedButton(QStringLiteral("Maliyet Raporu"), "MaliyetRaporu", this);
    QPushButton* save = platform::namedButton(QStringLiteral("Kaydet"), "129", this);
    QPushButton* close = platform::namedButton(QStringLiteral("Kapat"), "2", this);
    connect(remove, &QPushButton::clicked, this, &RecipeDialog::removeSelected);
    // The options keep the button without an action.
    if (m_work.kind() != LineKind::Options)
        connect(removeAll, &QPushButton::clicked, this, &RecipeDialog::deleteAll);
    connect(report, &QPushButton::clicked, this, &RecipeDialog::openCostReport);
    connect(save, &QPushButton::clicked, this, &RecipeDialog::save);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return platform::buttonRow({remove, removeAll, report}, {save, close});
}

// Each procedure shows the controls it uses.
void RecipeDialog::showKindControls() {
    const LineKind kind = m_work.kind();
    findChild<QWidget*>(QStringLiteral("1101"))->setVisible(kind == LineKind::Recipe);
    findChild<QWidget*>(QStringLiteral("MaliyetRaporu"))->setVisible(kind == LineKind::Recipe);
    m_exchangeable->setVisible(kind == LineKind::Bundle);
    findChild<QWidget*>(QStringLiteral("1104"))->setVisible(kind == LineKind::Bundle);
}

void RecipeDialog::addPicked() {
    const std::optional<std::int64_t> picked = m_candidates->selected();
    if (!picked)
        return;
    if (m_work.add(*picked, m_quantity->text(), this))
        linesShown();
}

void RecipeDialog::addItself() {
    m_work.addItself();
    linesShown();
}

void RecipeDialog::removeSelected() {
    const int row = selectedRow(*m_lines);
    if (row < 0)
        return;
    m_work.remove(m_work.lines()[static_cast<std::size_t>(row)].ingredient);
    showLines();
}

void RecipeDialog::deleteAll() {
    if (m_work.deleteAll(this))
        showLines();
}

void RecipeDialog::save() {
    m_work.save();
    showLines(selectedRow(*m_lines));
}

// After an add: the quantity and the info text are emptied for the next.
void RecipeDialog::linesShown() {
    showLines();
    m_quantity->clear();
    m_info->clear();
}

void RecipeDialog::showLines(int current) {
    std::vector<QStringList> rows;
    const bool recipe = m_work.kind() == LineKind::Recipe;
    for (const RecipeLine& line : m_work.lines())
        rows.push_back(
            {QString::number(line.ingredient), line.ingredientName,
             QString::fromStdString(line.unit), m_work.quantityText(line),
             recipe ? QString::asprintf("%.3f", line.unitcost) : QString::number(line.degist)});
    fillRows(*m_lines, rows, current);
    m_cost->setText(m_work.costText());
    lineSelected();
}

void RecipeDialog::lineSelected() {
    const int row = selectedRow(*m_lines);
    const QSignalBlocker quiet(m_exchangeable);
    m_exchangeable->setChecked(row >= 0 && m_work.mayExchange(static_cast<std::size_t>(row)));
}

void RecipeDialog::exchangeableToggled(bool checked) {
    const int row = selectedRow(*m_lines);
    if (row < 0)
        return;
    m_work.setExchangeable(static_cast<std::size_t>(row), checked);
    showLines(row);
}

void RecipeDialog::openSubstitutes() {
    const int row = selectedRow(*m_lines);
    if (row < 0 || !m_work.mayExchange(static_cast<std::size_t>(row)))
        return;
    SubstituteWork work(m_context, m_work.product(),
                        m_work.lines()[static_cast<std::size_t>(row)].ingredient);
    SubstituteDialog dialog(m_context, work, this);
    dialog.exec();
}

void RecipeDialog::openCostReport() {
    if (m_costReport)
        m_costReport(m_work.product(), this);
    else
        platform::showNotBuiltYet(m_context.boxes, QStringLiteral("Maliyet Raporu"), this);
}

} // namespace parvela::recipes
