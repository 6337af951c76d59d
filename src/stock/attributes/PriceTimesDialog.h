#pragma once

#include "stock/attributes/PriceTimes.h"

#include <QDialog>
#include <array>
#include <functional>

class QComboBox;
class QGridLayout;
class QLineEdit;

namespace parvela::stock {

// "ZAMAN ARALIGI" (142): a day and two hours for each of seven rows. OK
// hands the rows to `save` and closes when it says they were written.
class PriceTimesDialog : public QDialog {
    Q_OBJECT
public:
    using Save = std::function<bool(const PriceTimeRows&)>;

    PriceTimesDialog(const QStringList& heading, const PriceTimeRows& rows, Save save,
                     QWidget* owner);

    PriceTimeRows rows() const;

private:
    void addRow(QGridLayout* grid, int day, const PriceTimeRow& row);

    Save m_save;
    std::array<QComboBox*, 7> m_days{};
    std::array<QLineEdit*, 7> m_starts{};
    std::array<QLineEdit*, 7> m_ends{};
};

} // namespace parvela::stock
