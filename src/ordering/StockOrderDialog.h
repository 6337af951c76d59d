#pragma once

#include <QDialog>

class QLineEdit;

namespace parvela::ordering {

class StockOrderEntry;

// Dialog 149 "STOK_SIRALAMA": the three positions of one product.
class StockOrderDialog : public QDialog {
public:
    StockOrderDialog(StockOrderEntry& entry, QWidget* owner);

private:
    void apply();

    StockOrderEntry& m_entry;
    QLineEdit* m_index = nullptr;
    QLineEdit* m_groupA = nullptr;
    QLineEdit* m_groupB = nullptr;
};

} // namespace parvela::ordering
