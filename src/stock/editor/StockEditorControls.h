#pragma once

#include "records/Catalogue.h"
#include "stock/editor/StockEditorForm.h"

#include <QString>
#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace parvela::stock {

// The editor's input controls at their places; each is named by its id.
// Moves values between them and the form, nothing more.
class StockEditorControls {
public:
    StockEditorControls(QWidget* window, bool withRenewButton);

    void fillChoices(const Catalogue& catalog);
    void show(const StockEditorForm& form);
    StockEditorForm read() const;
    void showCode(const QString& code);
    void setBarcode(const QString& barcode);
    // The same, drawn before the caller goes on without the event loop.
    void setBarcodeNow(const QString& barcode);
    // Empties the edits for the next product; the choices stay.
    void clearTexts();
    void setStatus(const QString& status);
    QString status() const;

    QPushButton* button(int id) const;

private:
    QLineEdit* edit(int id) const;

    QWidget* m_window;
    std::vector<QLineEdit*> m_edits;
    QComboBox* m_unit;
    QComboBox* m_currency;
    QComboBox* m_department;
    QPlainTextEdit* m_specs;
    std::array<QRadioButton*, 5> m_types{};
    QCheckBox* m_bundle;
    QCheckBox* m_relatedUpdate;
    QCheckBox* m_gameStock;
    QCheckBox* m_weighed;
    QCheckBox* m_priceChangeable;
    QLabel* m_status;
};

} // namespace parvela::stock
