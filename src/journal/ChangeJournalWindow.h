#pragma once

#include "journal/ChangeHistory.h"
#include "records/Catalogue.h"

#include <QDialog>
#include <functional>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::journal {

// "Geri Al": the bulk changes of the journal, newest first, the products of
// the one picked, and the button that takes it back.
class ChangeJournalWindow : public QDialog {
    Q_OBJECT
public:
    // `undone` runs after a change was taken back (the catalogue re-reads).
    ChangeJournalWindow(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                        stock::CatalogueRef catalogue, std::function<void()> undone,
                        QWidget* owner);

private:
    void readChanges();
    void showProducts();
    void takeBack();
    const JournalEntry* picked() const;

    const db::StatementRunner& m_runner;
    platform::MessageBoxes& m_boxes;
    stock::CatalogueRef m_catalogue;
    std::function<void()> m_undone;
    std::vector<JournalEntry> m_entries;
    QTreeWidget* m_changes;
    QTreeWidget* m_products;
    QPushButton* m_takeBack;
};

} // namespace parvela::journal
