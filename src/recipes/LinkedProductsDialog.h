#pragma once

#include "recipes/LinkedProducts.h"

#include <QDialog>

namespace parvela::recipes {

// Dialog 141 "BAGLI_URUNLER": the products whose recipe uses an ingredient.
class LinkedProductsDialog : public QDialog {
    Q_OBJECT
public:
    LinkedProductsDialog(const std::vector<LinkedProduct>& rows, QWidget* owner);
};

} // namespace parvela::recipes
