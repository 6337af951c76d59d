#include "stock/attributes/ProductNotesDialog.h"

#include "platform/DialogParts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace parvela::stock {

ProductNotesDialog::ProductNotesDialog(Add add, Read read, QWidget* owner)
    : QDialog(owner)
    , m_add(std::move(add))
    , m_read(std::move(read))
    , m_notes(platform::listView(
          "notes", {QStringLiteral("St. Kodu"), QStringLiteral("Not/Özellik")}, {90, 300}, this))
    , m_text(new QLineEdit(this)) {
    setObjectName(QStringLiteral("145"));
    setWindowTitle(QStringLiteral("ÜRÜNE AİT NOT / ÖZELLİK"));
    m_text->setObjectName(QStringLiteral("note"));
    m_text->setMaxLength(kNoteChars);
    QPushButton* save = platform::namedButton(QStringLiteral("Kaydet"), "1", this);
    connect(save, &QPushButton::clicked, this, [this] {
        // Emptied once written, so a second click cannot add the same note again.
        if (m_add(m_text->text()))
            m_text->clear();
        showNotes();
    });
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_notes);
    column->addWidget(m_text);
    column->addLayout(platform::buttonRow({save}));
    showNotes();
}

void ProductNotesDialog::showNotes() {
    m_notes->clear();
    for (const ProductNote& note : m_read())
        new QTreeWidgetItem(m_notes, {QString::number(note.fcode), note.name});
}

} // namespace parvela::stock
