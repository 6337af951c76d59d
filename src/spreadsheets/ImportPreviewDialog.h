#pragma once

#include "spreadsheets/MenuImport.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace parvela::spreadsheets {

// What the import will create, before anything is written: the user picks
// the sheet and whether its first row is a header, reads the rows with their
// codes and warnings, and confirms or cancels.
class ImportPreviewDialog : public QDialog {
public:
    // Reads the sheet at a position, with or without a header row.
    using Planner = std::function<SheetPlan(int sheet, bool hasHeader)>;

    ImportPreviewDialog(const QString& path, SheetPlan first, Planner planner, QWidget* owner);

    int sheet() const;
    bool hasHeader() const;
    // The plan shown; what the import inserts once accepted.
    const ImportPlan& plan() const { return m_shown.plan; }

private:
    void replan();
    void display(SheetPlan planned);

    Planner m_planner;
    SheetPlan m_shown;
    QComboBox* m_sheets;
    QCheckBox* m_header;
    QTreeWidget* m_rows;
    QLabel* m_totals;
    QPushButton* m_import;
};

} // namespace parvela::spreadsheets
