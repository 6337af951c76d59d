#include "journal/ChangeJournalWindow.h"

#include "journal/UndoTexts.h"
#include "platform/BulkChangeBoxes.h"
#include "platform/DialogParts.h"
#include "platform/MessageBoxes.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

namespace parvela::journal {

namespace {

const QString kCaption = QStringLiteral("Geri Al");

} // namespace

ChangeJournalWindow::ChangeJournalWindow(const db::StatementRunner& runner,
                                         platform::MessageBoxes& boxes,
                                         stock::CatalogueRef catalogue,
                                         std::function<void()> undone, QWidget* owner)
    : QDialog(owner)
    , m_runner(runner)
    , m_boxes(boxes)
    , m_catalogue(std::move(catalogue))
    , m_undone(std::move(undone))
    , m_changes(platform::listView("changes",
                                   {QStringLiteral("Zaman"), QStringLiteral("Kullanıcı"),
                                    QStringLiteral("Komut"), QStringLiteral("Ürün"),
                                    QStringLiteral("Durum")},
                                   {140, 80, 260, 70, 90}, this))
    , m_products(platform::listView("products", {QStringLiteral("Kod"), QStringLiteral("Ürün Adı")},
                                    {110, 400}, this))
    , m_takeBack(platform::namedButton(kCaption, "1", this)) {
    setObjectName(QStringLiteral("changeJournal"));
    setWindowTitle(kCaption);
    m_changes->setRootIsDecorated(false);
    m_products->setRootIsDecorated(false);
    connect(m_changes, &QTreeWidget::itemSelectionChanged, this, [this] { showProducts(); });
    connect(m_takeBack, &QPushButton::clicked, this, [this] { takeBack(); });
    QPushButton* close = platform::namedButton(QStringLiteral("Kapat"), "2", this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_changes, 3);
    column->addWidget(new QLabel(QStringLiteral("Değişikliğin ürünleri:"), this));
    column->addWidget(m_products, 2);
    column->addLayout(platform::buttonRow({m_takeBack}, {close}));
    readChanges();
    resize(760, 560);
}

void ChangeJournalWindow::readChanges() {
    m_changes->clear();
    journal::readChanges(m_runner, m_entries);
    for (const JournalEntry& entry : m_entries)
        new QTreeWidgetItem(m_changes, {entry.made, entry.user, entry.caption, productCount(entry),
                                        entry.undone ? QStringLiteral("Geri alındı") : QString()});
    if (m_changes->topLevelItemCount() > 0)
        m_changes->setCurrentItem(m_changes->topLevelItem(0));
    showProducts();
}

const JournalEntry* ChangeJournalWindow::picked() const {
    const int row = m_changes->indexOfTopLevelItem(m_changes->currentItem());
    return row >= 0 && static_cast<std::size_t>(row) < m_entries.size()
               ? &m_entries[static_cast<std::size_t>(row)]
               : nullptr;
}

void ChangeJournalWindow::showProducts() {
    m_products->clear();
    const JournalEntry* entry = picked();
    // A change is taken back once.
    m_takeBack->setEnabled(entry != nullptr && !entry->undone);
    if (entry == nullptr)
        return;
    std::vector<std::string> codes;
    journal::readChangeProducts(m_runner, entry->id, codes);
    for (const std::string& code : codes)
        new QTreeWidgetItem(m_products,
                            {QString::fromStdString(code), productName(code, *m_catalogue)});
}

void ChangeJournalWindow::takeBack() {
    const JournalEntry* entry = picked();
    if (entry == nullptr)
        return;
    const long long id = entry->id;
    UndoResult result = undoChange(m_runner, id, false);
    if (result.status == UndoResult::Status::ChangedSince) {
        if (!platform::askBeforeChange(m_boxes, changedSinceQuestion(result, *m_catalogue),
                                       kCaption, this))
            return;
        result = undoChange(m_runner, id, true);
    }
    if (result.status != UndoResult::Status::Failed)
        m_boxes.tell(undoReport(result, *m_catalogue), kCaption, platform::BoxIcon::Information,
                     this);
    if (result.status == UndoResult::Status::Undone && m_undone)
        m_undone();
    readChanges();
}

} // namespace parvela::journal
