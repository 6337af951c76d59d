#pragma once

#include "stock/attributes/ProductSizes.h"

#include <QDialog>
#include <functional>

class QLineEdit;

namespace parvela::stock {

// "SMALL MEDIUM LARGE" (146): the three size prices. "KAydet" hands them to
// `save` and closes when it says they were written.
class SizePricesDialog : public QDialog {
    Q_OBJECT
public:
    using Save = std::function<bool(const SizeForm&)>;

    SizePricesDialog(const QString& heading, const SizeForm& form, Save save, QWidget* owner);

    SizeForm form() const;

private:
    Save m_save;
    QLineEdit* m_small;
    QLineEdit* m_medium;
    QLineEdit* m_large;
};

} // namespace parvela::stock
