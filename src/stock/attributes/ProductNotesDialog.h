#pragma once

#include "stock/attributes/ProductNotes.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QTreeWidget;

namespace parvela::stock {

// "ÜRÜNE AİT NOT / ÖZELLİK" (145): the product's notes and an edit for a
// new one. "Kaydet" hands the text to `add`, and the list is read again.
class ProductNotesDialog : public QDialog {
    Q_OBJECT
public:
    using Add = std::function<bool(const QString&)>;
    using Read = std::function<std::vector<ProductNote>()>;

    ProductNotesDialog(Add add, Read read, QWidget* owner);

private:
    void showNotes();

    Add m_add;
    Read m_read;
    QTreeWidget* m_notes;
    QLineEdit* m_text;
};

} // namespace parvela::stock
