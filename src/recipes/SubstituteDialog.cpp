#include "recipes/SubstituteDialog.h"

#include "platform/DialogParts.h"
#include "recipes/CandidatePicker.h"
#include "recipes/LineViews.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace parvela::recipes {

namespace {

constexpr int kPriceChars = 12;

} // namespace

SubstituteDialog::SubstituteDialog(RecipeContext& context, SubstituteWork& work, QWidget* owner)
    : QDialog(owner)
    , m_work(work) {
    setObjectName(QStringLiteral("134"));
    setWindowTitle(QStringLiteral("Bundle Değişim Ürün Listesi"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createHeading());
    auto* middle = new QHBoxLayout;
    m_candidates = new CandidatePicker(context.catalogue, context.groups, this);
    middle->addWidget(m_candidates, 4);
    auto* adding = new QVBoxLayout;
    adding->addStretch();
    adding->addWidget(new QLabel(QStringLiteral("Fiyat :"), this));
    m_price = new QLineEdit(this);
    m_price->setObjectName(QStringLiteral("1106"));
    m_price->setMaxLength(kPriceChars);
    adding->addWidget(m_price);
    QPushButton* add = platform::namedButton(QStringLiteral(">>> Ekle"), "1048", this);
    adding->addWidget(add);
    adding->addStretch();
    middle->addLayout(adding);
    m_list = idList(this, "1047",
                    {QStringLiteral("Stok Kodu"), QStringLiteral("Stok Adı"),
                     QStringLiteral("Birim"), QStringLiteral("Fiyat Farkı")});
    m_list->setColumnWidth(1, 130);
    middle->addWidget(m_list, 5);
    layout->addLayout(middle, 1);
    layout->addLayout(createButtons());
    connect(add, &QPushButton::clicked, this, &SubstituteDialog::addPicked);
    showSubstitutes();
    resize(1000, 560);
}

QWidget* SubstituteDialog::createHeading() {
    auto* heading = new QWidget(this);
    auto* layout = new QGridLayout(heading);
    layout->setContentsMargins(0, 0, 0, 0);
    const stock::StockDefinition& menu = m_work.menu();
    layout->addWidget(new QLabel(QStringLiteral("Menü Adı :"), heading), 0, 0);
    layout->addWidget(idLabel(heading, "1039", QString::number(menu.stcode)), 0, 1);
    layout->addWidget(idLabel(heading, "1040", menu.stname), 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("Değişecek Ürün :"), heading), 1, 0);
    layout->addWidget(idLabel(heading, "1105", m_work.lineProductText()), 1, 1, 1, 2);
    layout->setColumnStretch(2, 1);
    return heading;
}

QLayout* SubstituteDialog::createButtons() {
    QPushButton* remove = platform::namedButton(QStringLiteral("Bileşeni Sil"), "1053", this);
    QPushButton* save = platform::namedButton(QStringLiteral("Kaydet"), "129", this);
    QPushButton* close = platform::namedButton(QStringLiteral("Kapat"), "2", this);
    connect(remove, &QPushButton::clicked, this, &SubstituteDialog::removeSelected);
    connect(save, &QPushButton::clicked, this, &SubstituteDialog::save);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return platform::buttonRow({remove}, {save, close});
}

void SubstituteDialog::addPicked() {
    const std::optional<std::int64_t> picked = m_candidates->selected();
    if (!picked || !m_work.add(*picked, m_price->text(), this))
        return;
    showSubstitutes();
    m_price->clear();
}

void SubstituteDialog::removeSelected() {
    const int row = selectedRow(*m_list);
    if (row < 0)
        return;
    m_work.remove(static_cast<std::size_t>(row));
    showSubstitutes();
}

void SubstituteDialog::save() {
    m_work.save();
    accept();
}

void SubstituteDialog::showSubstitutes() {
    std::vector<QStringList> rows;
    for (const BundleSubstitute& s : m_work.substitutes())
        rows.push_back({QString::number(s.sub_urun_code), s.substituteName,
                        QString::fromStdString(s.substituteUnit),
                        QString::asprintf("%.2f", static_cast<double>(s.prc_diff))});
    fillRows(*m_list, rows);
}

} // namespace parvela::recipes
