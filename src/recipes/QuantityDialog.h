#pragma once

#include "recipes/QuantityChange.h"

#include <QDialog>

class QLineEdit;

namespace parvela::recipes {

// Dialog 140 "RECETE URUN MIKTARI DEĞİŞTİR": the quantity of one recipe line
// and the unit cost of its ingredient; "OK" writes both and closes.
class QuantityDialog : public QDialog {
    Q_OBJECT
public:
    QuantityDialog(QuantityChange& change, QWidget* owner);

private:
    void apply();

    QuantityChange& m_change;
    QLineEdit* m_quantity = nullptr;
    QLineEdit* m_unitcost = nullptr;
};

} // namespace parvela::recipes
