#pragma once

#include "stock/attributes/GameParameters.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;

namespace parvela::stock {

// "OYUN ÜRÜNÜ PARAMETRELERİ" (139): a click on a unit chooses it; OK hands
// the parameters and the typed minimum charge to `save` and closes when
// they were written; "Kapat" writes nothing.
class GameParametersDialog : public QDialog {
    Q_OBJECT
public:
    using Save = std::function<bool(GameParameters&, const QString& typedMinimum)>;

    GameParametersDialog(const GameParameters& parameters, Save save, QWidget* owner);

private:
    GameParameters m_parameters;
    Save m_save;
    QLabel* m_unit;
    QLineEdit* m_minimum;
};

} // namespace parvela::stock
